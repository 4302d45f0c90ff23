#include "ui/pages/CPage1Mp3.h"

#include "audio/Mp3Converter.h"
#include "audio/SoundFileNames.h"
#include "audio/TrackTitle.h"
#include "audio/WorkFolder.h"
#include "input_files/InputFile.h"
#include "content_cache/PublishCache.h"
#include "text_formats/PlaylistFile.h"
#include "publish/ProductName.h"
#include "text_formats/StorableText.h"
#include "ui/controls/AccessibleText.h"
#include "ui/pages/CChangeTextDlg.h"
#include "ui/pages/ConversionProblemText.h"
#include "ui/pages/RecordingText.h"
#include "ui/pages/RefusalText.h"
#include "ui/translations/SystemReason.h"
#include "ui/wait/RunWithWaitDialog.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QStyle>
#include <QTimer>
#include <QToolBar>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <optional>

namespace ui {

namespace {

// The lyrics column comes last, so that the file stays where it was for
// whoever reads the rows; the header shows it beside the title.
enum Column { NumberColumn, TitleColumn, FileColumn, LyricsColumn };

// On the lyrics cell: whether the lookup has been made.
constexpr int LyricsLookedUpRole = Qt::UserRole;
// Stored rows are looked up a few at a time, so that the page keeps
// answering while a long playlist is gone through.
constexpr int LyricsLookupBudgetMs = 15;

const char* const AllSourcesFilter = QT_TRANSLATE_NOOP("ui::CPage1Mp3", "Sound files and playlists (%1)");
const char* const SoundFilesFilter = QT_TRANSLATE_NOOP("ui::CPage1Mp3", "Sound files (%1)");
const char* const PlaylistsFilter = QT_TRANSLATE_NOOP("ui::CPage1Mp3", "Playlists (%1)");
const char* const Mp3Filter = QT_TRANSLATE_NOOP("ui::CPage1Mp3", "Mp3 file(*.mp3)");
const char* const AllFilesFilter = QT_TRANSLATE_NOOP("ui::CPage1Mp3", "All files (*)");

const char* const NoLyricsTip =
    QT_TRANSLATE_NOOP("ui::CPage1Mp3", "No timed lyrics: a .lrc file of the same name beside the sound file gives them.");
const char* const LyricsFileTip = QT_TRANSLATE_NOOP("ui::CPage1Mp3", "Timed lyrics from the file %1");
const char* const SyltTip = QT_TRANSLATE_NOOP("ui::CPage1Mp3", "Timed lyrics from the ID3v2 SYLT frame");
const char* const ApeTip = QT_TRANSLATE_NOOP("ui::CPage1Mp3", "Timed lyrics from the APE Lyrics item");
const char* const TagTip = QT_TRANSLATE_NOOP("ui::CPage1Mp3", "Timed lyrics from the %1 tag");
const char* const HasLyricsText = QT_TRANSLATE_NOOP("ui::CPage1Mp3", "Lyrics");
const char* const NoLyricsText = QT_TRANSLATE_NOOP("ui::CPage1Mp3", "No lyrics");

QString translated(const char* text) { return QCoreApplication::translate("ui::CPage1Mp3", text); }

QString patterns(const QStringList& extensions) {
    QStringList globs;
    for (const QString& extension : extensions)
        globs << "*" + extension;
    return globs.join(' ');
}

QStringList soundExtensions() {
    QStringList extensions;
    for (const char* extension : audio::SoundFileExtensions)
        extensions << extension;
    return extensions;
}

QStringList playlistExtensions() {
    QStringList extensions;
    for (const publish::PlaylistExtension& known : publish::PlaylistFileExtensions)
        extensions << known.extension;
    return extensions;
}

// Every kind of file Add takes comes first, so that no name typed into the
// dialog is hidden by a narrower filter.
QStringList addFilters() {
    return {translated(AllSourcesFilter).arg(patterns(soundExtensions() + playlistExtensions())),
            translated(SoundFilesFilter).arg(patterns(soundExtensions())),
            translated(PlaylistsFilter).arg(patterns(playlistExtensions())), translated(Mp3Filter),
            translated(AllFilesFilter)};
}

QString lyricsTip(const std::optional<audio::FoundLyrics>& lyrics) {
    if (!lyrics)
        return translated(NoLyricsTip);
    QString name = QString::fromStdString(lyrics->name);
    switch (lyrics->origin) {
    case audio::LyricsOrigin::LyricsFile: return translated(LyricsFileTip).arg(name);
    case audio::LyricsOrigin::SyltFrame: return translated(SyltTip);
    case audio::LyricsOrigin::ApeLyricsItem: return translated(ApeTip);
    case audio::LyricsOrigin::Tag: break;
    }
    return translated(TagTip).arg(name);
}

void showLyrics(QTreeWidgetItem* item, const std::optional<audio::FoundLyrics>& lyrics) {
    item->setText(LyricsColumn, lyrics ? QString(QChar(0x266A)) : QString());
    item->setToolTip(LyricsColumn, lyricsTip(lyrics));
    item->setData(LyricsColumn, Qt::AccessibleTextRole, translated(lyrics ? HasLyricsText : NoLyricsText));
    item->setData(LyricsColumn, LyricsLookedUpRole, true);
}

bool lyricsLookedUp(const QTreeWidgetItem* item) { return item->data(LyricsColumn, LyricsLookedUpRole).toBool(); }

QIcon themedIcon(const char* name, QStyle::StandardPixmap fallback, const QStyle* style) {
    return QIcon::fromTheme(name, style->standardIcon(fallback));
}

// An empty title is the file's own, from its tags or name.
QString shownTitle(const QString& path, const QString& title) {
    if (!title.isEmpty())
        return title;
    return QString::fromStdString(publish::storableText(audio::titleForFile(path.toStdString())).text);
}

// The title as the playlist stores it; `notes` gets a line when it changed.
// A title from a tag may be bytes that are not UTF-8, which a QString would
// not keep.
QString storableTitle(const std::string& title, const QString& whose, QStringList& notes) {
    publish::StorableText stored = publish::storableText(title);
    if (stored.readAsLatin1)
        notes << whose + QCoreApplication::translate("ui::CPage1Mp3",
                                                     ": the title is not UTF-8; its bytes are read as Latin-1.");
    if (stored.controlsRemoved)
        notes << whose + QCoreApplication::translate("ui::CPage1Mp3", ": control characters were removed from the title.");
    return QString::fromStdString(stored.text);
}

// Qt shows a file name that is not UTF-8 with replacement characters, and
// such a name no longer finds the file.
bool lostItsName(const QString& file) { return file.contains(QChar::ReplacementCharacter) && !QFileInfo::exists(file); }


} // namespace

CPage1Mp3::CPage1Mp3(const WizardContext& shared, QWidget* parent)
    : WizardPage(parent), context(shared), rows(new QTreeWidget(this)), tools(new QToolBar(this)),
      recordGroup(new QGroupBox(tr("Record"), this)), qualities(new QComboBox(recordGroup)),
      record(new QPushButton(tr("&Record"), recordGroup)), playRecording(new QPushButton(tr("&Play"), recordGroup)) {
    rows->setObjectName("playlist");
    rows->setColumnCount(4);
    rows->setHeaderLabels({"", tr("Title"), tr("File"), tr("Lyrics")});
    rows->headerItem()->setToolTip(LyricsColumn, tr("Which tracks have timed lyrics; point at a mark to see from where."));
    rows->setRootIsDecorated(false);
    rows->setSelectionMode(QAbstractItemView::ExtendedSelection);
    rows->setAllColumnsShowFocus(true);
    rows->setContextMenuPolicy(Qt::CustomContextMenu);
    rows->header()->resizeSection(NumberColumn, 28);
    rows->header()->resizeSection(TitleColumn, 160);
    rows->header()->moveSection(LyricsColumn, FileColumn);
    // Wide enough for the mark and for the heading in any language.
    rows->header()->resizeSection(LyricsColumn, std::max(48, rows->header()->sectionSizeHint(LyricsColumn)));
    rows->headerItem()->setTextAlignment(LyricsColumn, Qt::AlignCenter);
    rows->headerItem()->setTextAlignment(TitleColumn, Qt::AlignCenter);
    setAcceptDrops(true);
    buildToolBar();
    buildContextMenu();

    playRecording->setEnabled(false);
    setAccessibleText(rows, tr("Playlist"),
                      tr("The tracks in the order the player plays them. Delete removes, Ctrl+Up and Ctrl+Down move, "
                         "F2 changes the title, Insert or Ctrl+O adds files."));
    setAccessibleText(qualities, tr("Recording quality"), tr("The rate and channels of the next recording."));
    setAccessibleText(record, tr("Record"), tr("Starts recording from the sound card; pressed again, stops and adds "
                                               "the recording to the playlist."));
    setAccessibleText(playRecording, tr("Play"), tr("Plays the selected track."));
    auto* recordLayout = new QHBoxLayout(recordGroup);
    recordLayout->addWidget(qualities, 1);
    recordLayout->addWidget(record);
    recordLayout->addWidget(playRecording);

    auto* header = new QHBoxLayout;
    header->addWidget(new QLabel(tr("Playlist:"), this));
    header->addStretch();
    header->addWidget(tools);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(header);
    layout->addWidget(rows, 1);
    layout->addWidget(recordGroup);

    lyricsLookup.setInterval(0);
    connect(&lyricsLookup, &QTimer::timeout, this, &CPage1Mp3::lookUpStoredLyrics);
    connect(rows, &QTreeWidget::itemDoubleClicked, this, &CPage1Mp3::playSelected);
    connect(record, &QPushButton::clicked, this, &CPage1Mp3::recordOrStop);
    connect(playRecording, &QPushButton::clicked, this, &CPage1Mp3::playSelected);
}

CPage1Mp3::~CPage1Mp3() {
    if (recorder && recorder->isRecording())
        recorder->stop();
}

void CPage1Mp3::buildToolBar() {
    tools->setObjectName("playlistTools");
    tools->setIconSize(QSize(16, 16));
    const QStyle* look = style();
    struct Tool {
        const char* theme;
        QStyle::StandardPixmap fallback;
        const char* text;
        const char* tip;
        QList<QKeySequence> keys;
        void (CPage1Mp3::*slot)();
    };
    const Tool toolList[] = {
        {"list-add", QStyle::SP_FileDialogNewFolder, QT_TR_NOOP("Add"), QT_TR_NOOP("Add one or more mp3 files"),
         {QKeySequence(Qt::Key_Insert), QKeySequence(Qt::CTRL | Qt::Key_O)}, &CPage1Mp3::addFromDialog},
        {"folder-open", QStyle::SP_DirOpenIcon, QT_TR_NOOP("Add folder…"),
         QT_TR_NOOP("Add the sound files of a folder and the folders in it"),
         {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_O)}, &CPage1Mp3::addFolderFromDialog},
        {"list-remove", QStyle::SP_TrashIcon, QT_TR_NOOP("Delete"), QT_TR_NOOP("Delete selected items"),
         {QKeySequence(Qt::Key_Delete)}, &CPage1Mp3::deleteSelected},
        {"go-up", QStyle::SP_ArrowUp, QT_TR_NOOP("Up"), QT_TR_NOOP("move up current item"),
         {QKeySequence(Qt::CTRL | Qt::Key_Up)}, &CPage1Mp3::moveUp},
        {"go-down", QStyle::SP_ArrowDown, QT_TR_NOOP("Down"), QT_TR_NOOP("move down item"),
         {QKeySequence(Qt::CTRL | Qt::Key_Down)}, &CPage1Mp3::moveDown},
        {"document-edit", QStyle::SP_FileDialogDetailedView, QT_TR_NOOP("Change title"),
         QT_TR_NOOP("Change item title, title will be showed in playlist"), {QKeySequence(Qt::Key_F2)},
         &CPage1Mp3::changeTitle},
        {"media-playback-start", QStyle::SP_MediaPlay, QT_TR_NOOP("Play"), QT_TR_NOOP("Play"), {},
         &CPage1Mp3::playSelected},
        {"media-playback-stop", QStyle::SP_MediaStop, QT_TR_NOOP("Stop"), QT_TR_NOOP("Stop"), {},
         &CPage1Mp3::stopPlaying},
    };
    for (const Tool& tool : toolList) {
        QAction* action = tools->addAction(themedIcon(tool.theme, tool.fallback, look), tr(tool.text));
        action->setToolTip(tr(tool.tip));
        // The keys work wherever the page has the keyboard, the list above all.
        action->setShortcuts(tool.keys);
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        addAction(action);
        // Reachable with Tab, as the menu's commands are.
        QWidget* button = tools->widgetForAction(action);
        button->setFocusPolicy(Qt::TabFocus);
        button->setAccessibleName(tr(tool.text));
        button->setAccessibleDescription(tr(tool.tip));
        connect(action, &QAction::triggered, this, tool.slot);
        // Compared untranslated: the groups are the same in every language.
        QString text = tool.text;
        if (text == "Delete" || text == "Down" || text == "Change title")
            tools->addSeparator();
    }
}

void CPage1Mp3::buildContextMenu() {
    connect(rows, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        QMenu menu(this);
        menu.addAction(tr("&Play"), this, &CPage1Mp3::playSelected);
        menu.addSeparator();
        menu.addAction(tr("&Up"), this, &CPage1Mp3::moveUp);
        menu.addAction(tr("&Down"), this, &CPage1Mp3::moveDown);
        menu.addSeparator();
        menu.addAction(tr("&Add..."), this, &CPage1Mp3::addFromDialog);
        menu.addAction(tr("Add &folder…"), this, &CPage1Mp3::addFolderFromDialog);
        menu.addAction(tr("D&elete"), this, &CPage1Mp3::deleteSelected);
        menu.addSeparator();
        menu.addAction(tr("Change Title..."), this, &CPage1Mp3::changeTitle);
        menu.exec(rows->viewport()->mapToGlobal(at));
    });
}

void CPage1Mp3::initializePage() {
    if (initialised)
        return;
    initialised = true;
    loadStoredPlaylist();
    fillQualities();
}

void CPage1Mp3::loadStoredPlaylist() {
    std::vector<std::string> paths, titles;
    publish::LoadPlaylist(paths, titles, context.settings.settingsFile());
    // All rows at once: adding them one by one makes the view redo its
    // layout each time, which grows with the square of the playlist.
    QList<QTreeWidgetItem*> entries;
    entries.reserve(static_cast<qsizetype>(paths.size()));
    for (size_t i = 0; i < paths.size(); ++i)
        entries << makeEntry(static_cast<int>(i), QString::fromStdString(paths[i]), QString::fromStdString(titles[i]));
    rows->addTopLevelItems(entries);
    lyricsCursor = 0;
    storedLyrics = std::make_unique<audio::PlaylistLyrics>();
    lyricsLookup.start();
}

void CPage1Mp3::lookUpStoredLyrics() {
    QElapsedTimer spent;
    spent.start();
    for (; lyricsCursor < rows->topLevelItemCount(); ++lyricsCursor) {
        if (spent.elapsed() >= LyricsLookupBudgetMs)
            return;
        QTreeWidgetItem* item = rows->topLevelItem(lyricsCursor);
        if (!lyricsLookedUp(item))
            showLyrics(item, storedLyrics->of(item->text(FileColumn).toStdString()));
    }
    lyricsLookup.stop();
    storedLyrics.reset();
}

void CPage1Mp3::fillQualities() {
    device = context.makeWaveInput ? context.makeWaveInput() : nullptr;
    if (device) {
        audio::Recorder::Callbacks callbacks;
        callbacks.recording = [this](uint32_t elapsed) {
            QMetaObject::invokeMethod(this, [this, elapsed] { recordGroup->setTitle(recordingTimeText(elapsed)); },
                                      Qt::QueuedConnection);
        };
        callbacks.stopped = [this] {
            QMetaObject::invokeMethod(this, [this] { recordGroup->setTitle(tr("Record stopped.")); },
                                      Qt::QueuedConnection);
        };
        callbacks.error = [this](const audio::RecordingError& error) {
            QMetaObject::invokeMethod(
                this, [this, error] { QMessageBox::critical(this, publish::ProductName, recordingErrorText(error)); },
                Qt::QueuedConnection);
        };
        recorder = std::make_unique<audio::Recorder>(*device, callbacks);
    }
    if (!recorder || recorder->fillQualities() == 0) {
        record->setEnabled(false);
        // Once the wizard is on screen, so that the box has a window to sit on.
        QTimer::singleShot(0, this, [this] { QMessageBox::information(this, "", tr("NO Input Devices Found..")); });
        return;
    }
    for (const audio::RecordingQuality& quality : recorder->qualities())
        qualities->addItem(QString::fromStdString(quality.text));
    std::string work = audio::workFolder(context.documentsFolder);
    recordingPath = work.empty() ? "" : work + "/record.wav";
}

QTreeWidgetItem* CPage1Mp3::makeEntry(int row, const QString& path, const QString& title) {
    auto* item = new QTreeWidgetItem({QString::number(row + 1), shownTitle(path, title), path});
    item->setTextAlignment(TitleColumn, Qt::AlignCenter);
    item->setTextAlignment(LyricsColumn, Qt::AlignCenter);
    return item;
}

void CPage1Mp3::addEntry(int row, const QString& path, const QString& title,
                         const std::optional<audio::FoundLyrics>& lyrics) {
    QTreeWidgetItem* item = makeEntry(row, path, title);
    showLyrics(item, lyrics);
    rows->insertTopLevelItem(row, item);
    renumber(row);
}

void CPage1Mp3::renumber(int from) {
    // Rows from here on moved: the stored rows' lookup goes over them again.
    lyricsCursor = std::min(lyricsCursor, from);
    for (int i = from; i < rows->topLevelItemCount(); ++i)
        rows->topLevelItem(i)->setText(NumberColumn, QString::number(i + 1));
}

std::vector<publish::PlaylistItem> CPage1Mp3::playlist() const {
    std::vector<publish::PlaylistItem> items;
    for (int i = 0; i < rows->topLevelItemCount(); ++i) {
        QTreeWidgetItem* item = rows->topLevelItem(i);
        items.push_back({item->text(FileColumn).toStdString(), item->text(TitleColumn).toStdString()});
    }
    return items;
}

QFileDialog* CPage1Mp3::makeAddDialog() {
    auto* dialog = new QFileDialog(this, tr("Add"));
    dialog->setObjectName("addDialog");
    dialog->setFileMode(QFileDialog::ExistingFiles);
    dialog->setNameFilters(addFilters());
    dialog->selectNameFilter(addFilters().front());
    dialog->setDirectory(addFolder.isEmpty() ? QString::fromStdString(context.documentsFolder) : addFolder);
    return dialog;
}

QFileDialog* CPage1Mp3::makeAddFolderDialog() {
    auto* dialog = new QFileDialog(this, tr("Add folder"));
    dialog->setObjectName("addFolderDialog");
    dialog->setFileMode(QFileDialog::Directory);
    dialog->setOption(QFileDialog::ShowDirsOnly);
    dialog->setDirectory(addFolder.isEmpty() ? QString::fromStdString(context.documentsFolder) : addFolder);
    return dialog;
}

void CPage1Mp3::addFromDialog() {
    std::unique_ptr<QFileDialog> dialog(makeAddDialog());
    if (dialog->exec() == QDialog::Accepted)
        addFiles(dialog->selectedFiles());
}

void CPage1Mp3::addFolderFromDialog() {
    std::unique_ptr<QFileDialog> dialog(makeAddFolderDialog());
    if (dialog->exec() == QDialog::Accepted)
        addFiles(dialog->selectedFiles());
}

void CPage1Mp3::rememberFolderOf(const QString& file) { addFolder = QFileInfo(file).absolutePath(); }

void CPage1Mp3::savePlaylist() {
    std::filesystem::path file = context.settings.settingsFile();
    if (std::error_code error = publish::updatePlaylist(playlist(), file))
        QMessageBox::warning(this, publish::ProductName,
                             tr("The playlist cannot be saved in %1: %2")
                                 .arg(QString::fromStdString(file.string()), systemReason(error)));
}

std::vector<audio::InputTrack> CPage1Mp3::tracksOf(const audio::TrackIntake& intake, const QString& given,
                                                   QStringList& refused) {
    std::string path = given.toStdString();
    if (lostItsName(given)) {
        refused << given + ": " + refusalText({audio::RefusalReason::PathNotUtf8, path});
        return {};
    }
    // A large folder's tags take a while to read for the order.
    auto expand = [&] { return intake.expand(path, ""); };
    audio::ExpandedInput input = audio::TrackIntake::standsForMany(path)
                                     ? runWithWaitDialog(tr("Reading %1").arg(QFileInfo(given).fileName()), window(), expand)
                                     : expand();
    for (const audio::Refusal& entry : input.skipped) {
        if (entry.reason == audio::RefusalReason::NoSoundFiles) {
            refused << tr("%1: holds no sound files").arg(given);
            continue;
        }
        QString holder = entry.playlist.empty() ? given : QString::fromStdString(entry.playlist);
        refused << tr("%1: %2 %3, skipped").arg(holder, QString::fromStdString(entry.file), refusalText(entry));
    }
    return input.tracks;
}

void CPage1Mp3::addTrack(audio::TrackIntake& intake, const audio::InputTrack& track, const QString& caption,
                         QStringList& refused, QStringList& notes) {
    QString file = QString::fromStdString(track.path);
    audio::TakenTrack taken = intake.take(track, [&](const std::function<audio::PreparedTrack()>& convert) {
        return runWithWaitDialog(caption, window(), convert);
    });
    if (taken.refusal) {
        refused << file + ": " + refusalText(*taken.refusal);
        return;
    }
    QString title = storableTitle(taken.title, file, notes);
    if (taken.conversionNotKept)
        notes << tr("%1: the cache %2 cannot keep its conversion (%3); it is converted again next time.")
                     .arg(file, QString::fromStdString(intake.cacheFolder().string()),
                          systemReason(taken.conversionNotKept));
    audio::CarriedLyrics& lyrics = taken.lyrics;
    if (lyrics.passedOverBecause == publish::InputFileError::TooLarge)
        notes << tr("%1: the lyrics file %2 is over %3 MB, longer than any lyrics file; it is not read.")
                     .arg(file, QString::fromStdString(lyrics.passedOver))
                     .arg(audio::LargestLyricsFile / (1024 * 1024));
    else if (!lyrics.passedOver.empty())
        notes << tr("%1: the lyrics file %2 %3; it is not read.")
                     .arg(file, QString::fromStdString(lyrics.passedOver),
                          fileOpeningText(lyrics.passedOverBecause));
    if (!lyrics.unwritten.empty()) {
        notes << tr("%1: its lyrics cannot be written to %2; it is published without them.")
                     .arg(file, QString::fromStdString(lyrics.unwritten));
        lyrics.found.reset();
    }
    addEntry(rows->topLevelItemCount(), QString::fromStdString(taken.path), title, lyrics.found);
}

void CPage1Mp3::addFiles(const QStringList& files) {
    // Conversions go to the work folder, reusing an earlier one of the same
    // bytes kept in the publish's cache.
    audio::TrackIntake intake({audio::workFolder(context.documentsFolder), publish::defaultCacheFolder(),
                               publish::PublishCache::DefaultLimit, true});
    QString caption = files.size() == 1 ? tr("Converting mp3") : tr("Convert mp3");
    QStringList refused, notes;
    for (const QString& given : files) {
        rememberFolderOf(given);
        for (const audio::InputTrack& track : tracksOf(intake, given, refused))
            addTrack(intake, track, caption, refused, notes);
    }
    savePlaylist();
    if (!refused.isEmpty())
        QMessageBox::warning(this, publish::ProductName, tr("These files were not added:") + "\n\n" + refused.join("\n"));
    if (!notes.isEmpty())
        QMessageBox::information(this, publish::ProductName, notes.join("\n"));
}

void CPage1Mp3::deleteSelected() {
    QList<QTreeWidgetItem*> selected = rows->selectedItems();
    if (selected.isEmpty())
        return;
    int first = rows->topLevelItemCount();
    for (QTreeWidgetItem* item : selected)
        first = std::min(first, rows->indexOfTopLevelItem(item));
    for (QTreeWidgetItem* item : selected)
        delete item;
    // The row that came after the deleted ones, or the last one.
    if (rows->topLevelItemCount() > 0)
        selectOnly(std::min(first, rows->topLevelItemCount() - 1));
    renumber();
    savePlaylist();
}

void CPage1Mp3::move(int offset) {
    QTreeWidgetItem* item = rows->currentItem();
    if (!item)
        return;
    int row = rows->indexOfTopLevelItem(item);
    int target = row + offset;
    if (target < 0 || target >= rows->topLevelItemCount())
        return;
    rows->insertTopLevelItem(target, rows->takeTopLevelItem(row));
    item->setText(TitleColumn, shownTitle(item->text(FileColumn), item->text(TitleColumn)));
    renumber(std::min(row, target));
    selectOnly(target);
    savePlaylist();
}

void CPage1Mp3::selectOnly(int row) {
    rows->clearSelection();
    rows->setCurrentItem(rows->topLevelItem(row));
    rows->topLevelItem(row)->setSelected(true);
}

void CPage1Mp3::moveUp() { move(-1); }
void CPage1Mp3::moveDown() { move(1); }

void CPage1Mp3::changeTitle() {
    QList<QTreeWidgetItem*> selected = rows->selectedItems();
    if (selected.isEmpty())
        return;
    QTreeWidgetItem* item = selected.front();
    CChangeTextDlg dialog(item->text(TitleColumn), this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    QStringList notes;
    item->setText(TitleColumn, storableTitle(dialog.text().toStdString(), tr("The title"), notes));
    savePlaylist();
    if (!notes.isEmpty())
        QMessageBox::information(this, publish::ProductName, notes.join("\n"));
}

void CPage1Mp3::playSelected() {
    if (preview)
        preview->close();
    QTreeWidgetItem* item = rows->currentItem();
    if (!item)
        return;
    if (!context.makeSoundOutput) {
        QMessageBox::information(this, publish::ProductName, tr("There is no sound output to play on."));
        return;
    }
    if (!preview)
        preview = std::make_unique<audio::PreviewPlayer>(context.makeSoundOutput());
    // A file that cannot be read plays nothing; a missing output is said.
    if (preview->open(item->text(FileColumn).toStdString()) && !preview->play())
        QMessageBox::information(this, publish::ProductName, tr("There is no sound output to play on."));
}

void CPage1Mp3::stopPlaying() {
    if (!preview || !rows->currentItem())
        return;
    preview->stop();
    preview->close();
}

void CPage1Mp3::recordOrStop() {
    record->setEnabled(false);
    if (recorder && recorder->isRecording())
        stopRecording();
    else
        startRecording();
    record->setEnabled(true);
}

void CPage1Mp3::startRecording() {
    if (!recorder || recordingPath.empty())
        return;
    recorder->selectQuality(qualities->currentIndex());
    if (!recorder->start(recordingPath))
        return;
    record->setText(tr("&Stop"));
    qualities->setEnabled(false);
}

void CPage1Mp3::stopRecording() {
    recorder->stop();
    record->setText(tr("&Record"));
    std::string work = audio::workFolder(context.documentsFolder);
    std::string converted = audio::convertedFileName(work, audio::localTimeNow());
    audio::ConversionFailure failure;
    bool done = runWithWaitDialog(tr("Converting mp3"), window(), [&] {
        return audio::ConvertToMp3(recordingPath, converted, audio::ConverterInput::Pcm, audio::EncoderSampleRate, failure);
    });
    if (done) {
        addEntry(rows->topLevelItemCount(), QString::fromStdString(converted), "", std::nullopt);
        selectOnly(rows->topLevelItemCount() - 1);
        savePlaylist();
    } else
        QMessageBox::warning(this, publish::ProductName,
                             tr("The recording cannot be converted to MP3: %1")
                                 .arg(conversionProblemText(failure.cause)));
    playRecording->setEnabled(true);
    qualities->setEnabled(true);
}

bool CPage1Mp3::validatePage() {
    if (rows->topLevelItemCount() > 0)
        return true;
    QMessageBox::warning(this, publish::ProductName, tr("Please add some mp3 files to the playlist!"));
    return false;
}

void CPage1Mp3::pageLeft() {
    if (preview)
        preview->close();
    savePlaylist();
}

void CPage1Mp3::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void CPage1Mp3::dropEvent(QDropEvent* event) {
    QStringList files;
    for (const QUrl& url : event->mimeData()->urls())
        if (url.isLocalFile())
            files << url.toLocalFile();
    addFiles(files);
}

} // namespace ui
