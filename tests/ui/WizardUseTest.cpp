// The wizard as people use it: honest outcomes when publishing fails,
// choices remembered from an earlier run, a playlist saved after every
// change, the keyboard alone, what assistive technology reads, and where
// the finish page says things are.

#include "WizardFixture.h"

#include "audio/IntakeRefusal.h"
#include "audio/SyntheticWaveInput.h"
#include "publish/InstalledFiles.h"
#include "publish/Playlist.h"
#include "publish/PublishReports.h"
#include "publish/PublishOptions.h"
#include "publish/PublishSettings.h"
#include "publish/XmlDocument.h"
#include "transform/transform.h"
#include "ui/pages/CChangeTextDlg.h"
#include "ui/pages/CPage1Mp3.h"
#include "ui/pages/CPage2Player.h"
#include "ui/pages/CPage4Folder.h"
#include "ui/pages/CPage5Progress.h"
#include "ui/pages/CPage6Finish.h"
#include "ui/pages/EmbedSnippetBox.h"
#include "ui/translations/Translations.h"
#include "ui/wizard/CWizard.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QSignalSpy>
#include <QStyle>
#include <QTest>
#include <QTextDocumentFragment>
#include <QTranslator>
#include <QHeaderView>
#include <QTimer>
#include <QToolBar>
#include <QTreeWidget>
#include <QWebEnginePage>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>
#include <QWebEngineView>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <optional>
#include <set>
#include <sys/stat.h>

namespace fs = std::filesystem;

namespace {

std::string setting(const WizardFixture& fixture, const char* key) {
    publish::PublishOptions options(fixture.context.settings.settingsFile());
    options.Load();
    return options.Get(key);
}

QStringList storedTitles(const WizardFixture& fixture) {
    std::vector<std::string> paths, titles;
    publish::LoadPlaylist(paths, titles, fixture.context.settings.settingsFile());
    QStringList list;
    for (const std::string& title : titles)
        list << QString::fromStdString(title);
    return list;
}

QStringList titlesShown(QTreeWidget* list) {
    QStringList texts;
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        texts << list->topLevelItem(i)->text(1);
    return texts;
}

QStringList lyricsMarks(QTreeWidget* list) {
    QStringList marks;
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        marks << list->topLevelItem(i)->text(3);
    return marks;
}

void selectRow(QTreeWidget* list, int row) {
    list->clearSelection();
    list->setCurrentItem(list->topLevelItem(row));
    list->topLevelItem(row)->setSelected(true);
}

// A text as it is drawn: the mnemonics' "&" gone, markup read as text.
QString drawnText(QString text, bool rich) {
    if (rich)
        return QTextDocumentFragment::fromHtml(text).toPlainText();
    static const QRegularExpression mnemonic("&(.)");
    return text.replace(mnemonic, "\\1");
}

std::optional<QString> cutLabel(QLabel* label) {
    bool rich = label->textFormat() == Qt::RichText ||
                (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(label->text()));
    QString text = drawnText(label->text(), rich);
    int margin = label->margin();
    QRect room = label->contentsRect().marginsRemoved(QMargins(margin, margin, margin, margin));
    int flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
    QRect needed = label->fontMetrics().boundingRect(room, flags, text);
    if (needed.width() <= room.width() && needed.height() <= room.height())
        return std::nullopt;
    return text;
}

std::optional<QString> cutCheckBox(QCheckBox* box) {
    QStyle* style = box->style();
    int indicator = style->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, box) +
                    style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, box);
    QString text = drawnText(box->text(), false);
    if (indicator + box->fontMetrics().horizontalAdvance(text) <= box->width())
        return std::nullopt;
    return text;
}

QStringList cutHeadings(QHeaderView* header) {
    QStringList cut;
    int margins = 2 * header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
    for (int section = 0; section < header->count(); ++section) {
        QString text = header->model()->headerData(section, header->orientation()).toString();
        if (!header->isSectionHidden(section) &&
            header->fontMetrics().horizontalAdvance(text) + margins > header->sectionSize(section))
            cut << text;
    }
    return cut;
}

// The texts of the window's visible labels, check boxes, group boxes and
// column headers that are wider, or once wrapped taller, than their room.
QStringList cutTexts(QWidget* window) {
    QStringList cut;
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (!widget->isVisible())
            continue;
        std::optional<QString> text;
        if (auto* label = qobject_cast<QLabel*>(widget); label && !label->text().isEmpty())
            text = cutLabel(label);
        else if (auto* box = qobject_cast<QCheckBox*>(widget); box && !box->text().isEmpty())
            text = cutCheckBox(box);
        else if (auto* group = qobject_cast<QGroupBox*>(widget);
                 group && group->fontMetrics().horizontalAdvance(drawnText(group->title(), false)) > group->width())
            text = group->title();
        else if (auto* header = qobject_cast<QHeaderView*>(widget))
            cut << cutHeadings(header);
        if (text)
            cut << *text;
    }
    return cut;
}

// Puts the wizard's texts into `language` from the catalogue the build
// compiled, as the program does at its start; English has none.
void speak(const char* language) {
    for (QTranslator* translator : qApp->findChildren<QTranslator*>()) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
    QLocale::setDefault(QLocale(language));
    ui::installTranslations(*qApp, publish::translationFolders(TUNEMILL_BUILD));
}

// Counts every message box that opens until the object goes, answering each.
struct BoxCounter {
    QTimer poll;
    QStringList texts;
    BoxCounter() {
        QObject::connect(&poll, &QTimer::timeout, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                texts << box->text() + "\n" + box->informativeText();
                box->accept();
            }
        });
        poll.start(20);
    }
};

// The letters after "&" in the visible buttons' and check boxes' texts.
QStringList mnemonics(const QList<QAbstractButton*>& buttons) {
    QStringList letters;
    static const QRegularExpression mnemonic("&([^&])");
    for (QAbstractButton* button : buttons) {
        if (!button->isVisible())
            continue;
        QString text = button->text();
        text.replace("&&", "");
        QRegularExpressionMatch match = mnemonic.match(text);
        if (match.hasMatch())
            letters << match.captured(1).toLower();
    }
    return letters;
}

QList<QAbstractButton*> wizardButtons(QWizard& wizard) {
    QList<QAbstractButton*> buttons;
    for (QWizard::WizardButton which : {QWizard::BackButton, QWizard::NextButton, QWizard::FinishButton,
                                        QWizard::CancelButton, QWizard::CustomButton1})
        buttons << wizard.button(which);
    return buttons;
}

void pressKey(QWidget* target, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(target, Qt::Key(key), modifiers);
}

// Counts the sound the page in the view starts: its script soundsRunning()
// gives how many of the audio contexts made run (not held for a click).
void listenForSound(QWebEngineView* view) {
    QWebEngineScript listener;
    listener.setInjectionPoint(QWebEngineScript::DocumentCreation);
    listener.setWorldId(QWebEngineScript::MainWorld);
    listener.setSourceCode(R"(
        (function () {
            var Made = window.AudioContext, made = [];
            window.AudioContext = function (options) {
                var context = new Made(options);
                made.push(context);
                return context;
            };
            window.AudioContext.prototype = Made.prototype;
            window.soundsRunning = function () {
                return made.filter(function (c) { return c.state === 'running'; }).length;
            };
        })();)");
    view->page()->scripts().insert(listener);
}

std::string readAll(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// What the command line publishes of one track into the folder `name`,
// without its cache: the track movie and the playlist document.
struct Published {
    std::string movie, list;
};
Published publishWithCommandLine(const WizardFixture& fixture, const std::string& name, const std::string& track,
                                 const std::string& options) {
    std::string command = std::string(TUNEMILL_BUILD) + "/tunemill-publish --no-cache --title 'Tunemill Player & Co' " +
                          "--autonext 1 --loop 1 --shuffle 0 " + options + " --folder '" + fixture.path(name) + "' '" +
                          track + "' >/dev/null 2>&1";
    if (std::system(command.c_str()) != 0)
        return {};
    return {readAll(fixture.path(name + "/output/1.swf")), readAll(fixture.path(name + "/output/music_list.xml"))};
}

// The names of the variables a movie sets.
std::set<std::string> variablesOf(const fs::path& movie) {
    std::set<std::string> names;
    auto decoded = transform::decodeMovieFile(movie.c_str());
    for (const transform::FSMovieObject* tag : decoded->getObjects()) {
        auto* actions = dynamic_cast<const transform::FSDoAction*>(tag);
        for (const transform::FSActionObject* action : actions ? actions->actions : transform::FSActionList())
            if (auto* push = dynamic_cast<const transform::FSPush*>(action))
                if (auto* name = dynamic_cast<const transform::FSString*>(push->values[0]))
                    names.insert(name->getText());
    }
    return names;
}

// How often the page in the view asked for `file`, by its address's end.
int requestsOf(QWebEngineView* view, const QString& file) {
    return evaluate(view, QString("performance.getEntriesByType('resource').filter(function (e) {"
                                  "  return e.name.endsWith('/%1'); }).length").arg(file))
        .toInt();
}

} // namespace

class WizardUseTest : public QObject {
    Q_OBJECT

private slots:
    // A plain file where the output folder must go: nothing can be written.
    void aFolderThatCannotBeWrittenEndsOnTheProgressPageWithOneBox() {
        WizardFixture fixture;
        std::string mp3 = fixture.makeMp3("a", "--resample 22.05");
        fs::create_directories(fixture.path("blocked"));
        std::ofstream(fixture.path("blocked/output")) << "a file, not a folder";
        ui::CWizard wizard(fixture.context);
        wizard.show();
        QStringList files;
        for (int i = 0; i < 5; ++i)
            files << QString::fromStdString(mp3);
        wizard.playlistPage()->addFiles(files);
        wizard.next();
        wizard.next();
        wizard.folderPage()->folderEdit()->setText(QString::fromStdString(fixture.path("blocked")));
        BoxCounter boxes;
        QList<int> bar;
        connect(wizard.progressPage()->bar(), &QProgressBar::valueChanged, [&](int value) { bar << value; });
        wizard.next();
        QVERIFY(waitFor([&] { return !wizard.progressPage()->outcomeLabel()->text().isEmpty(); }, 60000));
        QVERIFY(waitFor([&] { return boxes.texts.size() == 1; }));
        QTest::qWait(300);
        QCOMPARE(boxes.texts.size(), 1);
        QVERIFY2(boxes.texts[0].contains("Cannot publish into " + QString::fromStdString(fixture.path("blocked/output"))),
                 qPrintable(boxes.texts[0]));
        QVERIFY(wizard.progressPage()->outcomeLabel()->text().startsWith("Nothing was published"));
        QCOMPARE(wizard.currentId(), int(ui::CWizard::ProgressPage));
        QVERIFY(wizard.button(QWizard::BackButton)->isEnabled());
        QVERIFY(wizard.button(QWizard::CancelButton)->isEnabled());
        QVERIFY2(!wizard.button(QWizard::NextButton)->isEnabled(), "no finish page to go to");
        for (int i = 1; i < bar.size(); ++i)
            QVERIFY2(bar[i] >= bar[i - 1] || bar[i] == 0, "the bar only rises");

        // Back to another folder, and the publish goes through.
        wizard.back();
        QCOMPARE(wizard.currentId(), int(ui::CWizard::FolderPage));
        wizard.folderPage()->chooseParentFolder(QString::fromStdString(fixture.path("fine")));
        wizard.next();
        QVERIFY(waitFor([&] { return wizard.currentId() == ui::CWizard::FinishPage; }, 60000));
        QVERIFY(wizard.finishPage()->publishedCount()->isHidden());
    }

    void someTracksFailingAreCountedOnTheFinishPage() {
        WizardFixture fixture;
        std::string mp3 = fixture.makeMp3("a", "--resample 22.05");
        std::string notes = fixture.path("notes.mp3"), gone = fixture.path("gone.mp3");
        std::ofstream(notes) << "just some words";
        publish::SavePlaylist({mp3, notes, gone, mp3}, {"One", "Words", "Gone", "Four"},
                              fixture.context.settings.settingsFile());
        ui::CWizard wizard(fixture.context);
        wizard.show();
        wizard.next();
        wizard.next();
        BoxCounter boxes;
        wizard.next();
        QVERIFY(waitFor([&] { return wizard.currentId() == ui::CWizard::FinishPage; }, 60000));
        QCOMPARE(boxes.texts.size(), 1);
        QVERIFY(boxes.texts[0].contains("Track 2, " + QString::fromStdString(notes) +
                                        ": skipped, not a sound file Tunemill can read: it is text"));
        // Deleted since it was added: said as the command line says it.
        QVERIFY2(boxes.texts[0].contains("Track 3, " + QString::fromStdString(gone) +
                                         ": skipped, the file cannot be opened: No such file or directory"),
                 qPrintable(boxes.texts[0]));
        QLabel* count = wizard.finishPage()->publishedCount();
        QVERIFY(!count->isHidden());
        QVERIFY(count->text().startsWith("2 of 4 tracks were published"));
        QVERIFY(wizard.finishPage()->outputFolder()->text().contains(
            QString::fromStdString(fixture.path("Documents/Tunemill/output"))));
        QVERIFY(wizard.finishPage()->outputFolder()->textInteractionFlags() & Qt::TextSelectableByMouse);
    }

    void choicesOfAnEarlierRunAreWhereThePagesStart() {
        WizardFixture fixture;
        std::string mp3 = fixture.makeMp3("a", "--resample 22.05");
        fs::create_directories(fixture.path("sites"));
        std::string settings = fixture.context.settings.settingsFile().string();
        publish::SavePlaylist({mp3}, {"One"}, settings);
        QVERIFY(!publish::savePlayerChoices(settings,
                                   {"/elsewhere/players/3.swf", false, true, false, true, "Stored title", false}));
        QVERIFY(!publish::saveFolderChoices(settings, {fixture.path("sites/Tunemill"), false, false}));
        {
            ui::CWizard wizard(fixture.context);
            wizard.show();
            wizard.next();
            ui::CPage2Player* player = wizard.playerPage();
            QCOMPARE(player->skinList()->currentRow(), 2);
            QVERIFY(!player->autoStartBox()->isChecked());
            QVERIFY(player->autoNextBox()->isChecked());
            QVERIFY(!player->loopBox()->isChecked());
            QVERIFY(player->shuffleBox()->isChecked());
            QCOMPARE(player->titleEdit()->text(), QString("Stored title"));
            QVERIFY(!player->lyricsBox()->isChecked());
            wizard.next();
            ui::CPage4Folder* folder = wizard.folderPage();
            QCOMPARE(folder->folderEdit()->text().toStdString(), fixture.path("sites/Tunemill"));
            QVERIFY(!fs::exists(fixture.path("sites/Tunemill")));
            QVERIFY(!folder->htmlBox()->isChecked());
            QVERIFY(!folder->runtimeBox()->isChecked());
            QCOMPARE(folder->chosenParentFolder().toStdString(), fixture.path("sites"));
        }
        QVERIFY2(setting(fixture, "Player") == fixture.path("Tunemill/players/3.swf"), "the stored skin, unpacked here");

        // Invalid values fall back to the defaults, one by one.
        publish::PublishOptions options(settings);
        options.Load();
        options.Set("Player", "/elsewhere/custom.swf");
        options.Set("AutoStart", "yes");
        options.Set("Loop", "2");
        options.Set("Random", "true");
        options.Set("Folder", fixture.path("gone/away/Tunemill"));
        options.Set("HTML", "maybe");
        options.Set("Runtime", "0");
        QVERIFY(options.Save());
        ui::CWizard wizard(fixture.context);
        wizard.show();
        wizard.next();
        ui::CPage2Player* player = wizard.playerPage();
        QCOMPARE(player->skinList()->currentRow(), -1);
        QVERIFY(player->autoStartBox()->isChecked());
        QVERIFY(player->loopBox()->isChecked());
        QVERIFY(!player->shuffleBox()->isChecked());
        QCOMPARE(player->titleEdit()->text(), QString("Stored title"));
        wizard.next();
        ui::CPage4Folder* folder = wizard.folderPage();
        QCOMPARE(folder->folderEdit()->text().toStdString(), fixture.path("Documents/Tunemill"));
        QVERIFY(folder->htmlBox()->isChecked());
        QVERIFY(!folder->runtimeBox()->isChecked());
    }

    // The .htaccess goes with the runtime: its box follows the runtime's,
    // the default publish writes the file, and unticked the publish writes
    // none and the settings file says so.
    void theHtaccessBoxFollowsTheRuntimeAndLeavesTheFileOut() {
        WizardFixture fixture;
        publish::SavePlaylist({fixture.makeMp3("a", "--resample 22.05")}, {"One"},
                              fixture.context.settings.settingsFile());
        ui::CWizard wizard(fixture.context);
        wizard.show();
        wizard.next();
        wizard.next();
        ui::CPage4Folder* folder = wizard.folderPage();
        QVERIFY(folder->htaccessBox()->isChecked() && folder->htaccessBox()->isEnabled());
        folder->runtimeBox()->click();
        QVERIFY2(!folder->htaccessBox()->isEnabled(), "without the runtime there is nothing for it to serve");
        folder->runtimeBox()->click();
        QVERIFY(folder->htaccessBox()->isEnabled());
        fs::path htaccess = fixture.path("Documents/Tunemill/output/.htaccess");
        BoxCounter boxes;
        wizard.next();
        QVERIFY(waitFor([&] { return wizard.currentId() == ui::CWizard::FinishPage; }, 60000));
        std::ifstream written(htaccess);
        std::string firstLine;
        QVERIFY(std::getline(written, firstLine));
        QVERIFY2(firstLine.starts_with("# Written by Tunemill"), firstLine.c_str());
        QVERIFY2(setting(fixture, "Htaccess").empty(), "stored only when off");

        wizard.button(QWizard::CustomButton1)->click();
        wizard.next();
        wizard.next();
        folder->htaccessBox()->click();
        wizard.next();
        QVERIFY(waitFor([&] { return wizard.currentId() == ui::CWizard::FinishPage; }, 60000));
        QVERIFY(!fs::exists(htaccess));
        QVERIFY(fs::exists(fixture.path("Documents/Tunemill/output/ruffle/ruffle.js")));
        QCOMPARE(setting(fixture, "Htaccess"), std::string("0"));
        QVERIFY2(boxes.texts.isEmpty(), qPrintable(boxes.texts.join('\n')));
        ui::CWizard again(fixture.context);
        again.show();
        again.next();
        again.next();
        QVERIFY2(!again.folderPage()->htaccessBox()->isChecked(), "the next run starts from the choice");
    }

    void thePlaylistIsSavedAfterEveryChangeKeepingTheChoices() {
        WizardFixture fixture;
        std::string mp3 = fixture.makeMp3("a", "--resample 22.05");
        std::string settings = fixture.context.settings.settingsFile().string();
        publish::SavePlaylist({mp3}, {"One"}, settings);
        QVERIFY(!publish::saveFolderChoices(settings, {fixture.path("Documents/Tunemill"), false, true}));
        ui::CWizard wizard(fixture.context);
        wizard.show();
        ui::CPage1Mp3* page = wizard.playlistPage();
        page->addFiles({QString::fromStdString(mp3), QString::fromStdString(mp3)});
        QCOMPARE(storedTitles(fixture), QStringList({"One", "a", "a"}));
        page->list()->topLevelItem(1)->setText(1, "Two");
        selectRow(page->list(), 1);
        page->moveUp();
        QCOMPARE(storedTitles(fixture), QStringList({"Two", "One", "a"}));
        selectRow(page->list(), 2);
        page->deleteSelected();
        QCOMPARE(storedTitles(fixture), QStringList({"Two", "One"}));
        selectRow(page->list(), 0);
        answerNextModal([](QWidget* modal) {
            modal->findChild<QLineEdit*>("titleEdit")->setText("Renamed");
            qobject_cast<QDialog*>(modal)->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
        });
        page->changeTitle();
        QCOMPARE(storedTitles(fixture), QStringList({"Renamed", "One"}));
        QCOMPARE(setting(fixture, "HTML"), std::string("0"));
        QCOMPARE(setting(fixture, "Folder"), fixture.path("Documents/Tunemill"));
        QVERIFY2(!fs::exists(settings + ".tmp"), "replaced atomically, nothing left beside it");
    }

    void theListAnswersTheKeyboard() {
        WizardFixture fixture;
        std::string mp3 = fixture.makeMp3("a", "--resample 22.05");
        publish::SavePlaylist({mp3, mp3, mp3, mp3}, {"1", "2", "3", "4"}, fixture.context.settings.settingsFile());
        ui::CWizard wizard(fixture.context);
        wizard.show();
        wizard.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&wizard));
        ui::CPage1Mp3* page = wizard.playlistPage();
        QTreeWidget* list = page->list();
        list->setFocus();
        selectRow(list, 1);
        pressKey(list, Qt::Key_Down, Qt::ControlModifier);
        QCOMPARE(titlesShown(list), QStringList({"1", "3", "2", "4"}));
        pressKey(list, Qt::Key_Up, Qt::ControlModifier);
        pressKey(list, Qt::Key_Up, Qt::ControlModifier);
        QCOMPARE(titlesShown(list), QStringList({"2", "1", "3", "4"}));
        selectRow(list, 1);
        pressKey(list, Qt::Key_Delete);
        QCOMPARE(titlesShown(list), QStringList({"2", "3", "4"}));
        QVERIFY2(list->currentItem() == list->topLevelItem(1), "the next row is selected");
        selectRow(list, 2);
        pressKey(list, Qt::Key_Delete);
        QVERIFY2(list->currentItem() == list->topLevelItem(1), "after the last, the new last");

        QString dialogTitle;
        answerNextModal([&](QWidget* modal) {
            dialogTitle = modal->windowTitle();
            qobject_cast<QDialog*>(modal)->reject();
        });
        pressKey(list, Qt::Key_F2);
        QCOMPARE(dialogTitle, QString("Change item title"));
        for (Qt::KeyboardModifiers modifiers : {Qt::KeyboardModifiers(Qt::NoModifier), Qt::KeyboardModifiers(Qt::ControlModifier)}) {
            QString opened;
            answerNextModal([&](QWidget* modal) {
                opened = modal->objectName();
                qobject_cast<QDialog*>(modal)->reject();
            });
            // Shortcuts reach the active window only; offscreen, a closed
            // dialog does not give it back by itself.
            wizard.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&wizard));
            pressKey(list, modifiers == Qt::NoModifier ? Qt::Key_Insert : Qt::Key_O, modifiers);
            QCOMPARE(opened, QString("addDialog"));
        }

        // Tab reaches every toolbar button.
        wizard.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&wizard));
        list->setFocus();
        QSet<QWidget*> reached;
        for (int i = 0; i < 30; ++i) {
            reached << QApplication::focusWidget();
            pressKey(QApplication::focusWidget(), Qt::Key_Tab);
        }
        for (QAction* action : page->toolBar()->actions())
            if (!action->isSeparator())
                QVERIFY2(reached.contains(page->toolBar()->widgetForAction(action)), qPrintable(action->text()));
    }

    void noMnemonicTwiceAndTheKeyboardLeavesThePreview() {
        WizardFixture fixture;
        std::string mp3 = fixture.makeMp3("a", "--resample 22.05");
        publish::SavePlaylist({mp3}, {"One"}, fixture.context.settings.settingsFile());
        ui::CWizard wizard(fixture.context);
        wizard.show();
        wizard.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&wizard));
        auto checkMnemonics = [&] {
            QList<QAbstractButton*> buttons = wizard.currentPage()->findChildren<QAbstractButton*>();
            QStringList letters = mnemonics(buttons + wizardButtons(wizard));
            QCOMPARE(QSet<QString>(letters.begin(), letters.end()).size(), letters.size());
        };
        checkMnemonics();
        wizard.next();
        checkMnemonics();

        // From the title, Tab goes past the preview to the wizard's buttons.
        QWebEngineView* view = wizard.playerPage()->previewView();
        QVERIFY(waitFor([&] { return !view->url().isEmpty(); }));
        QTest::qWait(500);
        wizard.playerPage()->titleEdit()->setFocus();
        bool reachedNext = false;
        for (int i = 0; i < 12 && !reachedNext; ++i) {
            QWidget* focus = QApplication::focusWidget();
            QVERIFY2(focus && !view->isAncestorOf(focus) && focus != view, "Tab is not kept by the preview");
            reachedNext = focus == wizard.button(QWizard::NextButton);
            pressKey(focus, Qt::Key_Tab);
        }
        QVERIFY(reachedNext);
        wizard.next();
        checkMnemonics();
        QCOMPARE(wizard.folderPage()->browseButton()->text(), QString("B&rowser"));
    }

    void everyControlHasAnAccessibleNameAndDescription() {
        WizardFixture fixture;
        std::string mp3 = fixture.makeMp3("a", "--resample 22.05");
        publish::SavePlaylist({mp3}, {"One"}, fixture.context.settings.settingsFile());
        ui::CWizard wizard(fixture.context);
        wizard.show();
        QList<QWizardPage*> pages{wizard.playlistPage(), wizard.playerPage(), wizard.folderPage(),
                                  wizard.finishPage()};
        for (QWizardPage* page : pages) {
            QList<QWidget*> controls = page->findChildren<QWidget*>();
            for (QAbstractButton* button : wizardButtons(wizard))
                controls << button;
            for (QWidget* control : controls) {
                if (!(control->focusPolicy() & Qt::TabFocus) || control->isWindow())
                    continue;
                QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
                QVERIFY(accessible);
                QString what = control->metaObject()->className() + QString(" ") + control->objectName() + " " +
                               accessible->text(QAccessible::Name);
                QVERIFY2(!accessible->text(QAccessible::Name).isEmpty(), qPrintable(what));
                QVERIFY2(!accessible->text(QAccessible::Description).isEmpty(), qPrintable(what));
            }
        }
        QCOMPARE(QAccessible::queryAccessibleInterface(wizard.playlistPage()->list())->text(QAccessible::Name),
                 QString("Playlist"));
    }

    void theFinishPageGivesTheCommandLinesEmbedSnippetOnlyWhenTheWebPageWasMade() {
        WizardFixture fixture;
        std::string mp3 = fixture.makeMp3("a", "--resample 22.05");
        std::string command = std::string(TUNEMILL_BUILD) + "/tunemill-publish --skin simple --title 'My \"songs\"' --folder '" +
                              fixture.path("site") + "' '" + mp3 + "' 2>/dev/null";
        std::string printed;
        if (FILE* out = popen(command.c_str(), "r")) {
            char buffer[512];
            while (fgets(buffer, sizeof buffer, out))
                printed += buffer;
            QCOMPARE(pclose(out), 0);
        }
        QVERIFY2(printed.find("width=\"205\" height=\"25\"") != std::string::npos, printed.c_str());
        std::string settings = fixture.context.settings.settingsFile().string();
        publish::SavePlaylist({mp3}, {"A"}, settings);
        publish::PlayerChoices player{fixture.path("Tunemill/players/3.swf")};
        player.title = "My \"songs\"";
        QVERIFY(!publish::savePlayerChoices(settings, player));
        QVERIFY(!publish::saveFolderChoices(settings, {fixture.path("site"), true, true}));

        ui::CPage6Finish page(fixture.context);
        ui::EmbedSnippetBox* box = page.embedBox();
        QVERIFY2(box->isHidden(), "nothing to show before a publish");
        ui::PublishSummary summary;
        summary.tracks = summary.published = 1;
        summary.playerWritten = true;
        page.showOutcome(summary);
        QVERIFY(!box->isHidden());
        QCOMPARE(box->snippetText()->toPlainText().toStdString() + "\n", printed);
        QVERIFY(!box->replaceNote()->isHidden());
        QVERIFY(box->replaceNote()->text().contains("\"embed.html\""));
        QTest::keyClicks(box->addressEdit(), "https://example.org/music/");
        QVERIFY(box->snippetText()->toPlainText().startsWith(
            "<iframe src=\"https://example.org/music/embed.html\" width=\"205\" height=\"25\" title=\"My &quot;songs&quot;\""));
        QVERIFY2(box->replaceNote()->isHidden(), "with an address there is nothing to replace");
        box->addressEdit()->clear();
        QTest::keyClicks(box->addressEdit(), "javascript:alert(11)");
        QVERIFY(box->snippetText()->toPlainText().startsWith("<iframe src=\"embed.html\""));
        QVERIFY2(!box->replaceNote()->isHidden() && box->replaceNote()->text().contains("https://"),
                 "an address that would run in the page is refused, and the box says why");
        box->addressEdit()->setText("https://example.org/music/");
        box->copyButton()->click();
        QCOMPARE(QGuiApplication::clipboard()->text(), box->snippetText()->toPlainText());

        // Without the web page, or without a player, there is no page to frame.
        QVERIFY(!publish::saveFolderChoices(settings, {fixture.path("site"), false, true}));
        page.showOutcome(summary);
        QVERIFY(box->isHidden());
        QVERIFY(!publish::saveFolderChoices(settings, {fixture.path("site"), true, true}));
        summary.published = 0;
        page.showOutcome(summary);
        QVERIFY(box->isHidden());
    }

    void thePreviewAddressIsShownWhenNoBrowserStarts() {
        WizardFixture fixture;
        fixture.makePublishedSite();
        ui::CPage6Finish page(fixture.context);
        page.show();
        page.openUrl = [](const QUrl&) { return false; };
        page.previewPlayer();
        QString address = page.address()->text();
        QVERIFY(address.contains("<a href=\"http://127.0.0.1:"));
        QVERIFY(address.contains("/Player.htm\">"));
        QVERIFY(page.copyButton()->isVisible());
        QCOMPARE(page.noBrowserNote()->text(), QString("No browser could be started; open the address yourself."));
        page.copyButton()->click();
        QVERIFY(QGuiApplication::clipboard()->text().startsWith("http://127.0.0.1:"));
        page.openUrl = [](const QUrl&) { return true; };
        page.previewPlayer();
        QVERIFY2(page.noBrowserNote()->text().isEmpty(), "the address stays, the note goes");
        QVERIFY(page.address()->text().contains("http://127.0.0.1:"));

        // The desktop's opener is there but finds no browser.
        fs::create_directories(fixture.path("bin"));
        std::ofstream(fixture.path("bin/xdg-open")) << "#!/bin/sh\nexit 3\n";
        fs::permissions(fixture.path("bin/xdg-open"), fs::perms::owner_all);
        QByteArray path = qgetenv("PATH");
        qputenv("PATH", QByteArray::fromStdString(fixture.path("bin")) + ":" + path);
        ui::CPage6Finish failing(fixture.context);
        failing.previewPlayer();
        QVERIFY(failing.address()->text().contains("http://127.0.0.1:"));
        QVERIFY(waitFor([&] { return !failing.noBrowserNote()->text().isEmpty(); }, 10000));
        qputenv("PATH", path);
    }

    // Published without the page and without the runtime: Preview still
    // plays, from a page served in memory and the program's own runtime.
    void thePreviewPlaysAPlayerPublishedWithoutPageOrRuntime() {
        WizardFixture fixture;
        std::string mp3 = fixture.makeMp3("a", "--resample 22.05");
        std::string cli = std::string(TUNEMILL_BUILD) + "/tunemill-publish --html 0 --runtime 0 --folder '" +
                          fixture.path("site") + "' '" + mp3 + "' 2>/dev/null";
        QCOMPARE(std::system(cli.c_str()), 0);
        std::string settings = fixture.context.settings.settingsFile().string();
        publish::SavePlaylist({mp3}, {"a"}, settings);
        QVERIFY(!publish::saveFolderChoices(settings, {fixture.path("site"), false, false}));
        auto before = fs::directory_iterator(fixture.path("site/output"));
        int published = static_cast<int>(std::distance(fs::begin(before), fs::end(before)));
        ui::CPage6Finish page(fixture.context);
        QUrl opened;
        page.openUrl = [&](const QUrl& url) {
            opened = url;
            return true;
        };
        page.previewPlayer();
        QVERIFY(opened.toString().endsWith("/Player-preview.htm"));
        QWebEngineView view;
        view.resize(400, 200);
        view.show();
        view.load(opened);
        QVERIFY(waitForLoadedMovie(&view, "document.querySelector('ruffle-object,ruffle-embed')"));
        auto after = fs::directory_iterator(fixture.path("site/output"));
        QCOMPARE(static_cast<int>(std::distance(fs::begin(after), fs::end(after))), published);
    }

    // The preview plays the first track as the published player with the
    // chosen options would: the movie and playlist a publish of the same
    // track makes, started by itself, sound and all, only when "Play start"
    // is ticked.
    void theSkinPreviewPlaysTheFirstTrackAsThePublishedPlayerWould() {
        WizardFixture fixture;
        std::string mp3 = fixture.makeMp3("a", "--resample 22.05", 2.0);
        std::ofstream(fixture.path("a.lrc")) << "[00:00.50]Half\n[00:01.00]One\n";
        publish::SavePlaylist({mp3}, {"First"}, fixture.context.settings.settingsFile());
        ui::CWizard wizard(fixture.context);
        wizard.show();
        ui::CPage2Player* player = wizard.playerPage();
        QWebEngineView* view = player->previewView();
        listenForSound(view);
        wizard.next();
        QVERIFY(player->autoStartBox()->isChecked() && player->lyricsBox()->isChecked());
        // As the browser tests tell a player that plays: it asks for the
        // track by itself.
        QVERIFY2(waitFor([&] { return requestsOf(view, "track/1.swf") > 0; }, 60000), "the preview starts by itself");
        QVERIFY2(waitFor([&] { return evaluate(view, "soundsRunning()").toInt() > 0; }), "its sound runs");

        QSignalSpy loads(view, &QWebEngineView::loadFinished);
        player->titleEdit()->setFocus();
        QTest::keyClicks(player->titleEdit(), " & Co");
        QVERIFY(waitFor([&] { return loads.count() > 0; }));
        loads.clear();
        player->autoStartBox()->click();
        // Loaded anew, the skin reads the playlist and asks for no track in
        // the time the browser tests give it.
        QVERIFY(waitFor([&] { return loads.count() > 0 && requestsOf(view, "music_list.xml") == 1; }));
        QTest::qWait(2000);
        QCOMPARE(requestsOf(view, "track/1.swf"), 0);

        fs::path players = fixture.context.settings.playersFolder();
        Published withLyrics = publishWithCommandLine(fixture, "on", mp3 + "=First", "--autostart 0");
        QCOMPARE(readAll(players / "track/1.swf"), withLyrics.movie);
        std::string list = readAll(players / "music_list.xml");
        size_t item = list.find("track/1.swf");
        QVERIFY(item != std::string::npos);
        QCOMPARE(list.erase(item, std::string("track/").size()), withLyrics.list);
        std::set<std::string> carried = variablesOf(players / "track/1.swf");
        QVERIFY2(carried.count("LRC") && carried.count("s0"), "the movie carries lyrics and bars");

        player->lyricsBox()->click();
        Published withoutLyrics = publishWithCommandLine(fixture, "off", mp3 + "=First", "--autostart 0 --lyrics 0");
        QVERIFY(waitFor([&] {
            return player->previewHasTrack() && readAll(players / "track/1.swf") == withoutLyrics.movie;
        }));
    }

    void playWithoutASoundOutputSaysSo() {
        WizardFixture fixture;
        struct NoOutput : audio::SoundOutput {
            bool open(int, int) override { return false; }
            bool write(const int16_t*, size_t) override { return false; }
            void close() override {}
        };
        fixture.context.makeSoundOutput = [] { return std::make_unique<NoOutput>(); };
        std::string mp3 = fixture.makeMp3("a", "--resample 22.05");
        publish::SavePlaylist({mp3}, {"One"}, fixture.context.settings.settingsFile());
        ui::CWizard wizard(fixture.context);
        wizard.show();
        selectRow(wizard.playlistPage()->list(), 0);
        QString said;
        acceptNextModal(&said);
        wizard.playlistPage()->playSelected();
        QCOMPARE(said, QString("There is no sound output to play on."));
    }

    void theAddDialogStartsEmptyWithEverySoundFileAndRemembersItsFolder() {
        WizardFixture fixture;
        ui::CWizard wizard(fixture.context);
        wizard.show();
        ui::CPage1Mp3* page = wizard.playlistPage();
        std::unique_ptr<QFileDialog> first(page->makeAddDialog());
        QCOMPARE(first->directory().absolutePath().toStdString(), fixture.path("Documents"));
        QVERIFY(first->selectedNameFilter().startsWith("Sound files and playlists ("));
        for (const char* pattern : {"*.mp3", "*.wav", "*.aiff", "*.flac", "*.ogg", "*.opus", "*.raw", "*.m3u", "*.m3u8",
                                    "*.pls", "*.xspf"})
            QVERIFY2(first->selectedNameFilter().contains(QString(pattern) + " ") ||
                         first->selectedNameFilter().contains(QString(pattern) + ")"),
                     pattern);
        QCOMPARE(first->nameFilters().size(), 5);
        first->show();
        auto* name = first->findChild<QLineEdit*>("fileNameEdit");
        QVERIFY(name);
        QCOMPARE(name->text(), QString());

        fs::create_directories(fixture.path("music"));
        std::string mp3 = fixture.makeMp3("music/a", "--resample 22.05");
        page->addFiles({QString::fromStdString(mp3)});
        std::unique_ptr<QFileDialog> second(page->makeAddDialog());
        QCOMPARE(second->directory().absolutePath().toStdString(), fixture.path("music"));
        std::unique_ptr<QFileDialog> folders(page->makeAddFolderDialog());
        QCOMPARE(folders->fileMode(), QFileDialog::Directory);
        QCOMPARE(folders->directory().absolutePath().toStdString(), fixture.path("music"));
        QStringList tools;
        for (QAction* action : page->toolBar()->actions())
            tools << action->text();
        QVERIFY(tools.contains(QString::fromUtf8("Add folder…")));
    }

    void addedFilesShowWhereTheirLyricsComeFromAndConversionsCarryThem() {
        WizardFixture fixture;
        fs::create_directories(fixture.path("music"));
        std::string song = fixture.makeMp3("music/song", "--resample 22.05");
        std::ofstream(fixture.path("music/song.lrc")) << "[00:01.00]One\n";
        std::string plain = fixture.makeMp3("music/plain", "--resample 22.05");
        std::string flac = fixture.path("music/tagged.flac");
        // Of 32 bits, which only libFLAC decodes.
        std::string tagging = "sox '" + fixture.path("music/plain.wav") +
                              "' -b 32 -t wav - | flac --silent -T 'LYRICS=[00:00.50]Tagged' -o '" + flac +
                              "' - 2>/dev/null && metaflac --show-bps '" + flac + "' | grep -qx 32";
        QCOMPARE(std::system(tagging.c_str()), 0);
        {
            ui::CWizard wizard(fixture.context);
            wizard.show();
            ui::CPage1Mp3* page = wizard.playlistPage();
            page->addFiles({QString::fromStdString(song), QString::fromStdString(plain), QString::fromStdString(flac)});
            QTreeWidget* list = page->list();
            QCOMPARE(list->topLevelItemCount(), 3);
            QCOMPARE(lyricsMarks(list), QStringList({QString(QChar(0x266A)), "", QString(QChar(0x266A))}));
            QCOMPARE(list->topLevelItem(0)->toolTip(3), QString("Timed lyrics from the file song.lrc"));
            QVERIFY(list->topLevelItem(1)->toolTip(3).startsWith("No timed lyrics"));
            QCOMPARE(list->topLevelItem(2)->toolTip(3), QString("Timed lyrics from the LYRICS tag"));
            QCOMPARE(list->topLevelItem(0)->data(3, Qt::AccessibleTextRole).toString(), QString("Lyrics"));
            QCOMPARE(list->headerItem()->text(3), QString("Lyrics"));
            QCOMPARE(list->header()->visualIndex(3), 2);

            std::string converted = list->topLevelItem(2)->text(2).toStdString();
            QVERIFY2(converted != flac, "the FLAC is converted");
            std::ifstream carried(fs::path(converted).replace_extension(".lrc"));
            QCOMPARE(std::string(std::istreambuf_iterator<char>(carried), {}), std::string("[00:00.50]Tagged"));

            // Moving a row keeps its mark.
            selectRow(list, 2);
            page->moveUp();
            QCOMPARE(lyricsMarks(list), QStringList({QString(QChar(0x266A)), QString(QChar(0x266A)), ""}));
        }
        // Stored rows are looked up when the page loads them.
        ui::CWizard again(fixture.context);
        again.show();
        ui::CPage1Mp3* page = again.playlistPage();
        QVERIFY(waitFor([&] { return page->lyricsKnown(); }));
        QCOMPARE(lyricsMarks(page->list()), QStringList({QString(QChar(0x266A)), QString(QChar(0x266A)), ""}));
        QString convertedLyrics = QString::fromStdString(
            fs::path(page->list()->topLevelItem(1)->text(2).toStdString()).replace_extension(".lrc").filename().string());
        QCOMPARE(page->list()->topLevelItem(1)->toolTip(3), "Timed lyrics from the file " + convertedLyrics);
    }

    void foldersAndPlaylistsDroppedOrAddedAddTheirTracksAndSayWhatWasSkippedInOneBox() {
        WizardFixture fixture;
        fs::create_directories(fixture.path("music/album"));
        fixture.makeMp3("music/album/b", "--resample 22.05 --tn 1 --tt Bee");
        fixture.makeMp3("music/album/a", "--resample 22.05 --tn 2 --tt Ay");
        fixture.makeMp3("music/album/.hidden", "--resample 22.05");
        for (const char* wav : {"a", "b", ".hidden"})
            fs::remove(fixture.path("music/album/" + std::string(wav) + ".wav"));
        std::string song = fixture.makeMp3("music/song", "--resample 22.05");
        std::string plain = fixture.makeMp3("music/plain", "--resample 22.05");
        std::ofstream(fixture.path("music/list.m3u"))
            << "#EXTM3U\n#EXTINF:1,Listed\nsong.mp3\nmissing.mp3\nhttp://example.com/x.mp3\n";
        std::ofstream(fixture.path("music/list.xspf"))
            << "<playlist xmlns=\"http://xspf.org/ns/0/\"><trackList><track><location>file://" + plain +
                   "</location><title>From XSPF</title></track></trackList></playlist>";
        ui::CWizard wizard(fixture.context);
        wizard.show();
        ui::CPage1Mp3* page = wizard.playlistPage();
        QMimeData dropped;
        dropped.setUrls({QUrl::fromLocalFile(QString::fromStdString(fixture.path("music/album"))),
                         QUrl::fromLocalFile(QString::fromStdString(fixture.path("music/list.m3u")))});
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &dropped, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(page, &enter);
        QVERIFY(enter.isAccepted());
        {
            BoxCounter boxes;
            QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &dropped, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(page, &drop);
            QCOMPARE(boxes.texts.size(), 1);
            QVERIFY2(boxes.texts[0].contains("list.m3u: missing.mp3 is missing, skipped"), qPrintable(boxes.texts[0]));
            QVERIFY2(boxes.texts[0].contains("list.m3u: http://example.com/x.mp3 is a web address"),
                     qPrintable(boxes.texts[0]));
        }
        QCOMPARE(titlesShown(page->list()), QStringList({"Bee", "Ay", "Listed"}));
        QCOMPARE(page->list()->topLevelItem(2)->text(2).toStdString(), song);
        {
            BoxCounter boxes;
            page->addFiles({QString::fromStdString(fixture.path("music/list.xspf"))});
            QVERIFY2(boxes.texts.isEmpty(), "nothing skipped, nothing said");
        }
        QCOMPARE(titlesShown(page->list()), QStringList({"Bee", "Ay", "Listed", "From XSPF"}));
        QCOMPARE(storedTitles(fixture), titlesShown(page->list()));
        {
            BoxCounter boxes;
            fs::create_directories(fixture.path("empty"));
            page->addFiles({QString::fromStdString(fixture.path("empty"))});
            QCOMPARE(boxes.texts.size(), 1);
            QVERIFY(boxes.texts[0].contains("empty: holds no sound files"));
        }
    }

    // The command line and the wizard take the same inputs through one
    // intake: each refusal with the same reason, after the same file or the
    // playlist that holds it, and the one WAV given three times converted
    // once, into one MP3 in the work folder.
    void bothFrontEndsTakeTheSameInputsAlike() {
        WizardFixture fixture;
        fs::create_directories(fixture.path("in/lists"));
        std::string wav = fixture.path("in/tone.wav"), pipe = fixture.path("in/pipe.mp3");
        std::string inner = fixture.path("in/lists/inner.m3u"), outer = fixture.path("in/outer.m3u");
        std::string missing = fixture.path("in/missing.wav"), web = "http://example.org/x.mp3";
        QCOMPARE(std::system(("sox -n -r 44100 -c 2 '" + wav + "' synth 1 sine 440").c_str()), 0);
        QCOMPARE(mkfifo(pipe.c_str(), 0644), 0);
        std::ofstream(inner) << "../tone.wav\ngone.wav\n";
        std::ofstream(outer) << "lists/inner.m3u\n";
        QStringList given;
        for (const std::string& name : {missing, web, outer, pipe, wav, wav})
            given << QString::fromStdString(name);
        // Who is named, and why.
        const std::vector<std::pair<std::string, std::string>> refusals = {
            {missing, "the file cannot be opened: No such file or directory"},
            {web, web + " is a web address; only files on this computer can be published"},
            {inner, "gone.wav is missing"},
            {pipe, "the file is a FIFO (named pipe), not a regular file"}};
        auto names = [](const QString& text, const std::string& who, const std::string& why) {
            for (const QString& line : text.split('\n')) {
                qsizetype at = line.indexOf(QString::fromStdString(who) + ": ");
                if (at >= 0 && line.indexOf(QString::fromStdString(why), at) > at)
                    return true;
            }
            return false;
        };

        QProcess publisher;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("XDG_CACHE_HOME", QString::fromStdString(fixture.path("cli-cache")));
        publisher.setProcessEnvironment(environment);
        publisher.start(TUNEMILL_BUILD "/tunemill-publish",
                        QStringList{"--runtime", "0", "--html", "0", "--folder", QString::fromStdString(fixture.path("site"))} +
                            given);
        QVERIFY(publisher.waitForFinished(120000));
        QString said = QString::fromUtf8(publisher.readAllStandardError());
        QCOMPARE(publisher.exitCode(), 1);
        QCOMPARE(said.count("Converting "), 1);

        ui::CWizard wizard(fixture.context);
        wizard.show();
        BoxCounter boxes;
        wizard.playlistPage()->addFiles(given);
        QCOMPARE(boxes.texts.size(), 1);
        for (const auto& [who, why] : refusals) {
            QVERIFY2(names(said, who, why), qPrintable(QString::fromStdString(who + ": " + why + "\n") + said));
            QVERIFY2(names(boxes.texts[0], who, why),
                     qPrintable(QString::fromStdString(who + ": " + why + "\n") + boxes.texts[0]));
        }
        std::vector<fs::path> converted;
        for (const fs::directory_entry& entry : fs::directory_iterator(fixture.path("Documents/Tunemill")))
            if (entry.path().extension() == ".mp3")
                converted.push_back(entry.path());
        QCOMPARE(converted.size(), size_t(1));
        QTreeWidget* list = wizard.playlistPage()->list();
        QCOMPARE(list->topLevelItemCount(), 3);
        for (int row = 0; row < 3; ++row)
            QCOMPARE(list->topLevelItem(row)->text(2).toStdString(), converted[0].string());
    }

    void everyTextFitsItsRoomAtTheSmallestWindowInEnglishAndGerman() {
        for (const char* language : {"en_GB", "de_DE"}) {
            speak(language);
            WizardFixture fixture;
            publish::SavePlaylist({fixture.makeMp3("a", "--resample 22.05")}, {"First"},
                                  fixture.context.settings.settingsFile());
            ui::CWizard wizard(fixture.context);
            QCOMPARE(wizard.playlistPage()->list()->headerItem()->text(3),
                     QString(language == std::string("de_DE") ? "Liedtext" : "Lyrics"));
            wizard.resize(wizard.minimumSize());
            wizard.show();
            QVERIFY(QTest::qWaitForWindowExposed(&wizard));
            QStringList cut;
            auto look = [&] {
                QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
                for (const QString& text : cutTexts(&wizard))
                    cut << QString("%1, page %2: %3").arg(language).arg(wizard.currentId()).arg(text);
            };
            for (int page = ui::CWizard::PlaylistPage; page < ui::CWizard::ProgressPage; ++page) {
                look();
                wizard.next();
            }
            look();
            QVERIFY(waitFor([&] { return wizard.currentId() == ui::CWizard::FinishPage; }, 60000));
            look();
            QVERIFY2(cut.isEmpty(), qPrintable(cut.join('\n')));
        }
        speak("C");
    }

    // The step and the system's reason come in German, never in the lower
    // layers' English.
    void aGermanFailureBoxHoldsNoEnglishReason() {
        speak("de_DE");
        WizardFixture fixture;
        std::string mp3 = fixture.makeMp3("a", "--resample 22.05");
        std::string notes = fixture.path("notes.mp3");
        std::ofstream(notes) << "just some words";
        std::string joined = fixture.path("joined.mp3");
        std::ofstream(joined) << std::ifstream(fixture.makeMp3("b")).rdbuf() << std::ifstream(mp3).rdbuf();
        fs::create_directories(fixture.path("blocked"));
        std::ofstream(fixture.path("blocked/output")) << "a file, not a folder";
        ui::CWizard wizard(fixture.context);
        wizard.show();
        BoxCounter boxes;
        wizard.playlistPage()->addFiles(
            {QString::fromStdString(mp3), QString::fromStdString(notes), QString::fromStdString(joined)});
        QVERIFY(waitFor([&] { return boxes.texts.size() == 1; }, 60000));
        QVERIFY2(boxes.texts[0].contains("notes.mp3: keine Klangdatei, die Tunemill lesen kann: es ist Text"),
                 qPrintable(boxes.texts[0]));
        QVERIFY2(boxes.texts[0].contains("joined.mp3: kann nicht in MP3 umgewandelt werden: das MP3 wechselt "
                                         "mittendrin von 44100 Hz Stereo zu 22050 Hz Stereo"),
                 qPrintable(boxes.texts[0]));
        audio::Refusal text{audio::RefusalReason::NotSound, notes, "", {}, {}, {audio::ForeignContent::Text, 0}};
        audio::ConversionProblem changes(audio::ConversionCause::Mp3StreamChanges);
        changes.from = {44100, 2};
        changes.to = {22050, 2};
        for (const audio::Refusal& refusal : {text, audio::Refusal{audio::RefusalReason::ConversionFailed, joined, "",
                                                                   {}, changes}})
            QVERIFY2(!boxes.texts[0].contains(QString::fromStdString(audio::describe(refusal))),
                     qPrintable(boxes.texts[0]));
        wizard.next();
        wizard.next();
        wizard.folderPage()->folderEdit()->setText(QString::fromStdString(fixture.path("blocked")));
        wizard.next();
        QVERIFY(waitFor([&] { return boxes.texts.size() == 2; }, 60000));
        QString said = boxes.texts[1];
        QString output = QString::fromStdString(fixture.path("blocked/output"));
        QVERIFY2(said.contains(QString("In %1 kann nicht veröffentlicht werden. (Ist kein Verzeichnis)").arg(output)),
                 qPrintable(said));
        publish::StepFailure failure{publish::PublishStep::OutputFolder, fixture.path("blocked/output"), {}, {}};
        QVERIFY2(!said.contains(QString::fromStdString(publish::describe(failure))), qPrintable(said));
        for (int code : {ENOENT, EACCES, EPERM, EROFS, ENOSPC, EDQUOT, ENOTDIR, EISDIR, EEXIST, EIO, ENAMETOOLONG, ELOOP})
            QVERIFY2(!said.contains(QString::fromStdString(std::generic_category().message(code))), qPrintable(said));

        // A track deleted before publishing is named with the intake's reason.
        wizard.back();
        wizard.folderPage()->chooseParentFolder(QString::fromStdString(fixture.path("fine")));
        fs::remove(mp3);
        wizard.next();
        QVERIFY(waitFor([&] { return boxes.texts.size() == 3; }, 60000));
        QVERIFY2(boxes.texts[2].contains(
                     "übersprungen, die Datei kann nicht geöffnet werden: Datei oder Verzeichnis nicht gefunden"),
                 qPrintable(boxes.texts[2]));
        audio::Refusal gone{audio::RefusalReason::CannotOpen, mp3, "",
                            std::make_error_code(std::errc::no_such_file_or_directory)};
        QVERIFY2(!boxes.texts[2].contains(QString::fromStdString(audio::describe(gone))), qPrintable(boxes.texts[2]));

        // A settings file the XML reader stops in: the choices cannot be
        // kept in it, and the publish cannot read it.
        wizard.back();
        std::string settings = fixture.context.settings.settingsFile().string();
        std::ofstream(settings, std::ios::trunc) << "<settings></wrong>";
        wizard.next();
        QVERIFY(waitFor([&] { return boxes.texts.size() == 5; }, 60000));
        QVERIFY2(boxes.texts[3].contains("Start- und End-Tag passen nicht zusammen"), qPrintable(boxes.texts[3]));
        publish::PublishResult unreadable;
        unreadable.reason = publish::NothingPublishedReason::SettingsUnreadable;
        unreadable.settingsFile = settings;
        pugi::xml_document document;
        unreadable.settingsProblem = publish::readXmlDocument(settings, document);
        QCOMPARE(boxes.texts[4].trimmed(),
                 QString("Die Einstellungsdatei %1 kann nicht gelesen werden. (Start- und End-Tag passen nicht "
                         "zusammen bei Byte %2)")
                     .arg(QString::fromStdString(settings))
                     .arg(unreadable.settingsProblem.offset));
        for (const QString& box : boxes.texts.mid(3))
            QVERIFY2(!box.contains(QString::fromStdString(unreadable.settingsProblem.message())), qPrintable(box));

        // The recorder's error and the end of its recording.
        fixture.context.makeWaveInput = [] {
            audio::SyntheticDeviceSettings failing;
            failing.openResult = 77;
            return std::make_unique<audio::SyntheticWaveInput>(failing);
        };
        ui::CWizard recording(fixture.context);
        recording.show();
        QTest::mouseClick(recording.playlistPage()->recordButton(), Qt::LeftButton);
        QVERIFY(waitFor([&] { return boxes.texts.size() == 6; }));
        QVERIFY2(QRegularExpression("^Datei: Page1Mp3 ,Zeilennummer:[0-9]+: Fehler 1 beim Abfragen des Fehlertexts "
                                    "für Fehlercode 77\\s*$")
                     .match(boxes.texts[5])
                     .hasMatch(),
                 qPrintable(boxes.texts[5]));
        QVERIFY(waitFor([&] { return recording.playlistPage()->recordBox()->title() == "Aufnahme beendet."; }));
        speak("C");
    }

    void choosingAFolderCreatesNothing() {
        WizardFixture fixture;
        ui::CPage4Folder page(fixture.context);
        page.initializePage();
        page.chooseParentFolder(QString::fromStdString(fixture.path("picked")));
        QCOMPARE(page.folderEdit()->text().toStdString(), fixture.path("picked/Tunemill"));
        QVERIFY(!fs::exists(fixture.path("picked")));
        QCOMPARE(page.chosenParentFolder().toStdString(), fixture.path("picked"));
    }
};

QTEST_MAIN(WizardUseTest)
#include "WizardUseTest.moc"
