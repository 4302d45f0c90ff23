// The real wizard under Qt Test: each page's behaviour, recording with the
// synthetic device, conversions of real files, the skin preview in the web
// view, and a whole run whose output equals the command line's.

#include "WizardFixture.h"

#include "audio/SyntheticWaveInput.h"
#include "publish/Playlist.h"
#include "publish/PublishOptions.h"
#include "ui/controls/CHyperLink.h"
#include "ui/controls/CLabel.h"
#include "ui/pages/CChangeTextDlg.h"
#include "ui/pages/CPage1Mp3.h"
#include "ui/pages/CPage2Player.h"
#include "ui/pages/CPage4Folder.h"
#include "ui/pages/CPage5Progress.h"
#include "ui/pages/CPage6Finish.h"
#include "ui/pages/RecordingText.h"
#include "ui/wait/CWaitDialog.h"
#include "ui/wizard/CWizard.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <QWebEngineView>

#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace {

QStringList column(QTreeWidget* list, int column) {
    QStringList texts;
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        texts << list->topLevelItem(i)->text(column);
    return texts;
}

void selectRow(QTreeWidget* list, int row) {
    list->clearSelection();
    list->setCurrentItem(list->topLevelItem(row));
    list->topLevelItem(row)->setSelected(true);
}

std::string setting(const WizardFixture& fixture, const char* key) {
    publish::PublishOptions options(fixture.context.settings.settingsFile());
    options.Load();
    return options.Get(key);
}

// Every file under `folder`, by its path relative to it.
std::map<std::string, std::string> filesUnder(const fs::path& folder) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        if (!entry.is_regular_file())
            continue;
        std::ifstream in(entry.path(), std::ios::binary);
        files[fs::relative(entry.path(), folder).string()] =
            std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    }
    return files;
}

} // namespace

class WizardTest : public QObject {
    Q_OBJECT

private slots:
    void playlistNumbersRowsAfterMovesAndDeletes() {
        WizardFixture fixture;
        std::string mp3 = fixture.makeMp3("tone", "--resample 22.05");
        ui::CWizard wizard(fixture.context);
        wizard.show();
        ui::CPage1Mp3* page = wizard.playlistPage();
        page->addFiles({QString::fromStdString(mp3), QString::fromStdString(mp3), QString::fromStdString(mp3)});
        QTreeWidget* list = page->list();
        list->topLevelItem(0)->setText(1, "one");
        list->topLevelItem(1)->setText(1, "two");
        list->topLevelItem(2)->setText(1, "three");
        selectRow(list, 2);
        page->moveUp();
        QCOMPARE(column(list, 1), QStringList({"one", "three", "two"}));
        QCOMPARE(column(list, 0), QStringList({"1", "2", "3"}));
        selectRow(list, 0);
        page->moveUp();
        selectRow(list, 2);
        page->moveDown();
        QVERIFY2(column(list, 1) == QStringList({"one", "three", "two"}), "the ends do not move");
        list->topLevelItem(1)->setText(1, "");
        selectRow(list, 1);
        page->moveDown();
        QVERIFY2(column(list, 1) == QStringList({"one", "two", "tone"}), "an empty title is derived again");
        selectRow(list, 0);
        list->topLevelItem(1)->setSelected(true);
        page->deleteSelected();
        QCOMPARE(column(list, 0), QStringList({"1"}));
        QCOMPARE(list->currentItem(), list->topLevelItem(0));
    }

    void emptyPlaylistWarnsOnNextAndStays() {
        WizardFixture fixture;
        ui::CWizard wizard(fixture.context);
        wizard.show();
        QString said;
        acceptNextModal(&said);
        wizard.next();
        QCOMPARE(said, QString("Please add some mp3 files to the playlist!"));
        QCOMPARE(wizard.currentId(), int(ui::CWizard::PlaylistPage));
    }

    void playlistIsSavedWhenLeftAndLoadedOnCreation() {
        WizardFixture fixture;
        std::string mp3 = fixture.makeMp3("song", "--resample 44.1");
        {
            ui::CWizard wizard(fixture.context);
            wizard.show();
            wizard.playlistPage()->addFiles({QString::fromStdString(mp3)});
            wizard.playlistPage()->list()->topLevelItem(0)->setText(1, "Caf\u00e9 & \"friends\"");
            wizard.next();
            QCOMPARE(wizard.currentId(), int(ui::CWizard::PlayerPage));
        }
        std::vector<std::string> paths, titles;
        QVERIFY(publish::LoadPlaylist(paths, titles, fixture.context.settings.settingsFile()));
        QCOMPARE(titles.at(0), std::string("Caf\xC3\xA9 & \"friends\""));
        ui::CWizard again(fixture.context);
        again.show();
        QCOMPARE(column(again.playlistPage()->list(), 2), QStringList({QString::fromStdString(mp3)}));
    }

    // A long stored playlist comes back whole, numbered, its titles made
    // storable (a settings file edited by hand may hold anything).
    void aLongStoredPlaylistLoadsWholeAndClean() {
        WizardFixture fixture;
        std::string items;
        for (int i = 0; i < 5000; ++i)
            items += "<item><file text=\"T&#1;" + std::to_string(i) + "\">/m/" + std::to_string(i) + ".mp3</file></item>";
        std::ofstream(fixture.context.settings.settingsFile()) << "<data>" << items << "</data>";
        ui::CWizard wizard(fixture.context);
        wizard.show();
        QTreeWidget* list = wizard.playlistPage()->list();
        QCOMPARE(list->topLevelItemCount(), 5000);
        QCOMPARE(list->topLevelItem(4999)->text(0), QString("5000"));
        QCOMPARE(list->topLevelItem(4999)->text(1), QString("T4999"));
        QCOMPARE(list->topLevelItem(0)->text(2), QString("/m/0.mp3"));
    }

    void addingConvertsWhatCannotStreamAndRefusesWhatIsNoSound() {
        WizardFixture fixture;
        std::string high = fixture.makeMp3("high", "--resample 48");
        std::string tagged = fixture.makeMp3("tagged", "--tt 'From the tag'");
        std::string notes = fixture.path("notes.mp3");
        std::ofstream(notes) << "just some words";
        ui::CWizard wizard(fixture.context);
        wizard.show();
        QString said;
        acceptNextModal(&said);
        wizard.playlistPage()->addFiles(
            {QString::fromStdString(high), QString::fromStdString(tagged), QString::fromStdString(notes)});
        QTreeWidget* list = wizard.playlistPage()->list();
        QCOMPARE(list->topLevelItemCount(), 2);
        QString converted = list->topLevelItem(0)->text(2);
        QVERIFY(converted.startsWith(QString::fromStdString(fixture.path("Documents/Tunemill/"))));
        QCOMPARE(list->topLevelItem(0)->text(1), QString("high"));
        QCOMPARE(list->topLevelItem(1)->text(1), QString("From the tag"));
        QVERIFY2(list->topLevelItem(1)->text(2) == QString::fromStdString(tagged), "streamed as it is");
        QVERIFY(said.contains("notes.mp3: not a sound file Tunemill can read: it is text"));
    }

    void changeTitleDialogAcceptsAndCancels() {
        ui::CChangeTextDlg dialog("Old");
        QCOMPARE(dialog.windowTitle(), QString("Change item title"));
        auto* edit = dialog.findChild<QLineEdit*>("titleEdit");
        QCOMPARE(edit->text(), QString("Old"));
        QCOMPARE(edit->maxLength(), 1023);
        edit->setText("New");
        QTimer::singleShot(0, &dialog, [&] { QTest::keyClick(edit, Qt::Key_Return); });
        QCOMPARE(dialog.exec(), int(QDialog::Accepted));
        QCOMPARE(dialog.text(), QString("New"));
        ui::CChangeTextDlg cancelled("Kept");
        cancelled.findChild<QLineEdit*>("titleEdit")->setText("Gone");
        QTimer::singleShot(0, &cancelled, [&] { cancelled.reject(); });
        QCOMPARE(cancelled.exec(), int(QDialog::Rejected));
        QCOMPARE(cancelled.text(), QString("Kept"));
    }

    void recordingWithTheSyntheticDeviceAddsItsMp3() {
        WizardFixture fixture;
        ui::CWizard wizard(fixture.context);
        wizard.show();
        ui::CPage1Mp3* page = wizard.playlistPage();
        QVERIFY(page->qualityList()->count() > 0);
        QVERIFY(!page->playButton()->isEnabled());
        page->qualityList()->setCurrentIndex(0);
        QTest::mouseClick(page->recordButton(), Qt::LeftButton);
        QCOMPARE(page->recordButton()->text(), QString("&Stop"));
        QVERIFY(!page->qualityList()->isEnabled());
        QVERIFY(waitFor([&] { return page->recordBox()->title().startsWith("00:01."); }));
        QVERIFY(page->recordBox()->title().endsWith(" - Recording..."));
        QCOMPARE(ui::recordingTimeText(75400), QString("01:15.4 - Recording..."));
        QCOMPARE(ui::recordingTimeText(100 * 60 * 1000), QString("100:00.0 - Recording..."));
        QTest::mouseClick(page->recordButton(), Qt::LeftButton);
        QCOMPARE(page->recordButton()->text(), QString("&Record"));
        QCOMPARE(page->list()->topLevelItemCount(), 1);
        QString mp3 = page->list()->topLevelItem(0)->text(2);
        QVERIFY(mp3.startsWith(QString::fromStdString(fixture.path("Documents/Tunemill/"))));
        QVERIFY(mp3.endsWith(".mp3"));
        QVERIFY(fs::file_size(mp3.toStdString()) > 1000);
        QVERIFY(page->playButton()->isEnabled());
        QVERIFY(page->qualityList()->isEnabled());
    }

    void noInputDeviceIsSaid() {
        WizardFixture fixture;
        fixture.context.makeWaveInput = [] {
            audio::SyntheticDeviceSettings none;
            none.formats = 0;
            return std::make_unique<audio::SyntheticWaveInput>(none);
        };
        QString said;
        acceptNextModal(&said);
        ui::CWizard wizard(fixture.context);
        wizard.show();
        QVERIFY(waitFor([&] { return !said.isEmpty(); }));
        QCOMPARE(said, QString("NO Input Devices Found.."));
        QVERIFY(!wizard.playlistPage()->recordButton()->isEnabled());
    }

    void playerAndFolderPagesStoreTheirChoicesWhenLeft() {
        WizardFixture fixture;
        ui::CWizard wizard(fixture.context);
        wizard.show();
        wizard.playlistPage()->addFiles({QString::fromStdString(fixture.makeMp3("a", "--resample 22.05"))});
        wizard.next();
        ui::CPage2Player* player = wizard.playerPage();
        QCOMPARE(player->skinList()->item(0)->text(), QString("Real-like Player"));
        QCOMPARE(player->skinList()->item(1)->text(), QString("WMP-like  Player"));
        QCOMPARE(player->skinList()->item(2)->text(), QString("simple player"));
        QCOMPARE(player->skinList()->currentRow(), -1);
        QCOMPARE(player->titleEdit()->text(), QString("Tunemill Player"));
        QVERIFY(fs::exists(fixture.path("Tunemill/players/1.swf")));
        wizard.next();
        QCOMPARE(setting(fixture, "Player"), fixture.path("Tunemill/players/2.swf"));
        QCOMPARE(setting(fixture, "AutoStart"), std::string("1"));
        QCOMPARE(setting(fixture, "AutoNext"), std::string("1"));
        QCOMPARE(setting(fixture, "Loop"), std::string("1"));
        QCOMPARE(setting(fixture, "Random"), std::string("0"));
        QCOMPARE(setting(fixture, "Title"), std::string("Tunemill Player"));
        QVERIFY(player->lyricsBox()->isChecked());
        QVERIFY2(setting(fixture, "Lyrics").empty(), "stored only when off");

        ui::CPage4Folder* folder = wizard.folderPage();
        QCOMPARE(folder->folderEdit()->text().toStdString(), fixture.path("Documents/Tunemill"));
        QVERIFY(folder->folderEdit()->isReadOnly());
        folder->chooseParentFolder(QString::fromStdString(fixture.path("Documents/Tunemill")));
        QVERIFY2(!fs::exists(fixture.path("Documents/Tunemill/Tunemill")), "made only when publishing");
        folder->htmlBox()->setChecked(false);
        wizard.back();
        QCOMPARE(setting(fixture, "Folder"), fixture.path("Documents/Tunemill/Tunemill"));
        QCOMPARE(setting(fixture, "HTML"), std::string("0"));
        QCOMPARE(setting(fixture, "Runtime"), std::string("1"));

        player->skinList()->setCurrentRow(2);
        player->shuffleBox()->setChecked(true);
        player->titleEdit()->clear();
        wizard.next();
        QCOMPARE(setting(fixture, "Player"), fixture.path("Tunemill/players/3.swf"));
        QCOMPARE(setting(fixture, "Random"), std::string("1"));
        QVERIFY2(setting(fixture, "Title") == "Tunemill Player", "an empty title is not written");
        QCOMPARE(folder->folderEdit()->text().toStdString(), fixture.path("Documents/Tunemill/Tunemill"));

        wizard.back();
        player->lyricsBox()->setChecked(false);
        wizard.next();
        QCOMPARE(setting(fixture, "Lyrics"), std::string("0"));
        wizard.back();
        player->lyricsBox()->setChecked(true);
        wizard.next();
        QVERIFY2(setting(fixture, "Lyrics").empty(), "turned on again, the key goes");
    }

    void thePlayerPreviewPlaysTheSkinThroughTheRuntime() {
        WizardFixture fixture;
        ui::CWizard wizard(fixture.context);
        wizard.show();
        wizard.playlistPage()->addFiles({QString::fromStdString(fixture.makeMp3("a", "--resample 22.05"))});
        wizard.next();
        QWebEngineView* view = wizard.playerPage()->previewView();
        QVERIFY(waitForLoadedMovie(view, "document.getElementById('skin')"));
        QVERIFY(view->url().toString().endsWith("preview.htm?2.swf"));
        wizard.playerPage()->skinList()->setCurrentRow(1);
        QVERIFY(waitFor([&] { return view->url().toString().endsWith("preview.htm?1.swf"); }));
    }

    void progressStepsByTracksAndUnreadableSettingsLetTheUserGoBack() {
        WizardFixture fixture;
        std::string mp3 = fixture.makeMp3("a", "--resample 11.025");
        for (int tracks : {1, 7}) {
            fs::remove(fixture.context.settings.settingsFile());
            ui::CWizard wizard(fixture.context);
            wizard.show();
            QStringList files;
            for (int i = 0; i < tracks; ++i)
                files << QString::fromStdString(mp3);
            wizard.playlistPage()->addFiles(files);
            wizard.next();
            wizard.next();
            QSignalSpy steps(&wizard.progressPage()->publisher(), &ui::PublishWorker::progressed);
            wizard.next();
            QVERIFY(!wizard.button(QWizard::NextButton)->isEnabled());
            QVERIFY(waitFor([&] { return wizard.currentId() == ui::CWizard::FinishPage; }, 60000));
            QList<int> positions;
            for (const QList<QVariant>& step : steps)
                positions << step.at(0).toInt();
            QList<int> expected;
            for (int n = 1; n <= tracks; ++n)
                expected << 300 / tracks * n;
            QCOMPARE(positions, expected);
            QVERIFY(!wizard.button(QWizard::CancelButton)->isEnabled());
        }

        ui::CWizard broken(fixture.context);
        broken.show();
        broken.playlistPage()->addFiles({QString::fromStdString(mp3)});
        broken.next();
        broken.next();
        fs::remove(fixture.context.settings.settingsFile());
        QString notSaved, said;
        bool fitsItsLine = false;
        // Leaving the folder page cannot save its choices into the missing
        // file and says so; then the publish cannot read it.
        answerNextModal([&](QWidget* first) {
            auto* notice = qobject_cast<QMessageBox*>(first);
            notSaved = notice->text();
            answerNextModal([&](QWidget* modal) {
                auto* box = qobject_cast<QMessageBox*>(modal);
                said = box->text();
                int room = box->screen()->availableGeometry().width() * 2 / 3;
                fitsItsLine = box->width() >= std::min(box->fontMetrics().horizontalAdvance(said), room);
                box->accept();
            });
            notice->accept();
        });
        broken.next();
        QVERIFY(waitFor([&] { return !said.isEmpty(); }));
        QCOMPARE(notSaved, QString("The folder and page choices cannot be saved in %1: No such file or directory")
                               .arg(QString::fromStdString(fixture.context.settings.settingsFile().string())));
        QVERIFY(said.startsWith("Cannot read the settings file"));
        QVERIFY2(fitsItsLine, "the box is as wide as the path it names");
        QVERIFY2(broken.progressPage()->busyLabel()->isHidden(), "no longer at work once nothing was published");
        QCOMPARE(broken.currentId(), int(ui::CWizard::ProgressPage));
        QVERIFY(broken.button(QWizard::BackButton)->isEnabled());
        QVERIFY(broken.button(QWizard::CancelButton)->isEnabled());

        // Back to the playlist, which writes the settings file again, and
        // through the pages once more: a new job runs. On the way the folder
        // and player pages say they cannot save into the missing file.
        QString folderNotice, playerNotice;
        answerNextModal([&](QWidget* first) {
            auto* notice = qobject_cast<QMessageBox*>(first);
            folderNotice = notice->text();
            acceptNextModal(&playerNotice);
            notice->accept();
        });
        broken.back();
        broken.back();
        broken.back();
        QCOMPARE(broken.currentId(), int(ui::CWizard::PlaylistPage));
        QVERIFY2(folderNotice.startsWith("The folder and page choices cannot be saved in "), qPrintable(folderNotice));
        QVERIFY2(playerNotice.startsWith("The player choices cannot be saved in "), qPrintable(playerNotice));
        broken.next();
        broken.next();
        broken.next();
        QVERIFY(waitFor([&] { return broken.currentId() == ui::CWizard::FinishPage; }, 60000));
    }

    // Presses `key` with Alt where the keyboard's input goes; the button it
    // names is clicked a moment later, as it animates its press.
    static void altKey(QWizard* wizard, Qt::Key key) {
        QWidget* focus = QApplication::focusWidget();
        if (!focus || !focus->isEnabled() || !focus->isVisible())
            focus = wizard;
        int page = wizard->currentId();
        QTest::keyClick(focus, key, Qt::AltModifier);
        waitFor([&] { return wizard->currentId() != page; }, 2000);
    }

    void aWholeRunEqualsTheCommandLineAndBackLeadsToThePlaylist() {
        WizardFixture fixture;
        std::string a = fixture.makeMp3("a", "--resample 22.05", 2.0), b = fixture.makeMp3("b", "", 2.0);
        std::ofstream(fixture.path("a.lrc")) << "[00:00.50]Half\n[00:01.00]One\n";
        publish::SavePlaylist({a, b}, {"First", "Second"}, fixture.context.settings.settingsFile());
        ui::CWizard wizard(fixture.context);
        wizard.show();
        // The keyboard's mnemonics reach the active window only.
        wizard.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&wizard));
        QCOMPARE(wizard.windowTitle(), QString("Tunemill v1.2.2"));
        QCOMPARE(wizard.websiteLink()->label(), QString("Visit Website"));
        altKey(&wizard, Qt::Key_N);
        QCOMPARE(wizard.currentId(), int(ui::CWizard::PlayerPage));
        altKey(&wizard, Qt::Key_N);
        altKey(&wizard, Qt::Key_N);
        QVERIFY(waitFor([&] { return wizard.currentId() == ui::CWizard::FinishPage; }, 60000));

        std::string cli = std::string(TUNEMILL_BUILD) + "/tunemill-publish --folder '" + fixture.path("cli") + "' '" +
                          a + "=First' '" + b + "=Second' 2>/dev/null";
        QCOMPARE(std::system(cli.c_str()), 0);
        auto wizardFiles = filesUnder(fixture.path("Documents/Tunemill/output"));
        auto cliFiles = filesUnder(fixture.path("cli/output"));
        QCOMPARE(wizardFiles.size(), cliFiles.size());
        for (const auto& [name, bytes] : cliFiles)
            QVERIFY2(wizardFiles[name] == bytes, name.c_str());
        QVERIFY(wizardFiles.count("Player.htm") && wizardFiles.count("2.swf") && wizardFiles.count("ruffle/ruffle.js"));
        std::string withoutLyrics = std::string(TUNEMILL_BUILD) + "/tunemill-publish --lyrics 0 --folder '" +
                                    fixture.path("cli0") + "' '" + a + "=First' '" + b + "=Second' 2>/dev/null";
        QCOMPARE(std::system(withoutLyrics.c_str()), 0);
        QVERIFY2(filesUnder(fixture.path("cli0/output")) != cliFiles, "the lyrics beside the first track were published");

        QVERIFY(!wizard.button(QWizard::CancelButton)->isEnabled());
        QVERIFY(wizard.button(QWizard::CustomButton1)->isVisible());
        QCOMPARE(wizard.button(QWizard::CustomButton1)->text(), wizard.buttonText(QWizard::BackButton));
        QVERIFY(!wizard.button(QWizard::BackButton)->isVisible());
        QVERIFY(QTest::qWaitForWindowActive(&wizard));
        altKey(&wizard, Qt::Key_B);
        QCOMPARE(wizard.currentId(), int(ui::CWizard::PlaylistPage));
        QVERIFY(wizard.button(QWizard::CancelButton)->isEnabled());
        QCOMPARE(wizard.playlistPage()->list()->topLevelItemCount(), 2);
        altKey(&wizard, Qt::Key_N);
        QCOMPARE(wizard.currentId(), int(ui::CWizard::PlayerPage));
        QCOMPARE(wizard.playerPage()->titleEdit()->text(), QString("Tunemill Player"));
    }

    // After each page change the keyboard is on the page's first control,
    // so that Return goes on, and never on the link to the web site.
    void returnGoesOnFromEveryPageAndTheKeyboardStaysOnThePage() {
        WizardFixture fixture;
        publish::SavePlaylist({fixture.makeMp3("a", "--resample 22.05", 2.0)}, {"First"},
                              fixture.context.settings.settingsFile());
        ui::CWizard wizard(fixture.context);
        wizard.show();
        wizard.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&wizard));
        auto focusOnPage = [&wizard] {
            QWidget* focus = QApplication::focusWidget();
            return focus && wizard.currentPage()->isAncestorOf(focus) && !qobject_cast<QPushButton*>(focus);
        };
        QVERIFY(waitFor(focusOnPage));
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(wizard.playlistPage()->list()));
        for (int page : {ui::CWizard::PlayerPage, ui::CWizard::FolderPage, ui::CWizard::FinishPage}) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            QVERIFY2(waitFor([&] { return wizard.currentId() == page; }, 60000), qPrintable(QString::number(page)));
            QVERIFY2(waitFor(focusOnPage), qPrintable(QString::number(page)));
        }
        wizard.button(QWizard::CustomButton1)->click();
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(wizard.playlistPage()->list()));
        QCOMPARE(wizard.websiteLink()->accessibleName(), QString("Visit Website"));
        QVERIFY(wizard.websiteLink()->focusPolicy() & Qt::TabFocus);
    }

    void theFinishPageServesThePreviewAndComposesFeedback() {
        WizardFixture fixture;
        fixture.makePublishedSite();
        ui::CPage6Finish page(fixture.context);
        QFont font = page.heading()->font();
        QCOMPARE(font.pixelSize(), 20);
        QCOMPARE(font.weight(), QFont::ExtraBold);
        QCOMPARE(page.heading()->text(), QString("Conversion Complete!"));
        QList<QUrl> opened;
        page.openUrl = [&](const QUrl& url) {
            opened << url;
            return true;
        };
        page.openPublishFolder();
        page.previewPlayer();
        QCOMPARE(opened.size(), 2);
        QCOMPARE(opened[0], QUrl::fromLocalFile(QString::fromStdString(fixture.path("site"))));
        QVERIFY(opened[1].toString().startsWith("http://127.0.0.1:"));
        QVERIFY(opened[1].toString().endsWith("/Player.htm"));
    }

    void theHyperLinkKeepsItsColourRulesAndOpensOnlyOnARealClick() {
        ui::CHyperLink link;
        link.setTarget("https://tunemill.example.org/");
        link.setLabel("Visit Website");
        link.resize(120, 20);
        QColor blue = link.linkColour();
        link.setLinkColourText("0,128");
        QVERIFY2(link.linkColour() == blue, "two numbers are ignored");
        link.setLinkColourText("0,128,");
        QVERIFY2(link.linkColour() == blue, "nothing after the second comma is ignored");
        link.setLinkColourText("0,128,0");
        QCOMPARE(link.linkColour(), QColor(0, 128, 0));
        link.setEnabled(false);
        QCOMPARE(link.currentColour(), link.palette().color(QPalette::Disabled, QPalette::WindowText));
        link.setEnabled(true);
        QSignalSpy opened(&link, &ui::CHyperLink::opened);
        link.show();
        QTest::mousePress(&link, Qt::LeftButton, {}, QPoint(5, 10));
        QTest::mouseRelease(&link, Qt::LeftButton, {}, QPoint(300, 10));
        QVERIFY2(opened.count() == 0, "dragged out before release");
        QTest::keyClick(&link, Qt::Key_Space);
        QCOMPARE(opened.count(), 1);
        QCOMPARE(link.toolTip(), QString("https://tunemill.example.org/"));
        QCOMPARE(link.cursor().shape(), Qt::PointingHandCursor);
    }

    void theWaitDialogShowsItsCaptionAndText() {
        ui::CWaitDialog wait("Generate specrum data");
        QCOMPARE(wait.window()->windowTitle(), QString("Generate specrum data"));
        QVERIFY(wait.window()->isVisible());
        auto* text = wait.window()->findChild<QLabel*>("waitText");
        QCOMPARE(text->text(), QString("It make take several minutes\n\nPlease be patient."));
    }
};

QTEST_MAIN(WizardTest)
#include "WizardTest.moc"
