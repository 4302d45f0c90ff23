#ifndef UI_PAGES_CPAGE1MP3_H
#define UI_PAGES_CPAGE1MP3_H

#include "audio/PreviewPlayer.h"
#include "audio/Recorder.h"
#include "audio/TrackIntake.h"
#include "publish/Playlist.h"
#include "ui/WizardContext.h"
#include "ui/pages/WizardPage.h"

#include <QTimer>

#include <memory>
#include <optional>
#include <vector>

class QComboBox;
class QFileDialog;
class QGroupBox;
class QPushButton;
class QToolBar;
class QTreeWidget;
class QTreeWidgetItem;

namespace ui {

// The playlist: files added from disk (converted when the players cannot
// stream them) or recorded from the sound card, with their titles, in
// order. Loaded from the settings file when the page is made, saved there
// after every change, so that nothing added is lost.
class CPage1Mp3 : public WizardPage {
    Q_OBJECT
public:
    CPage1Mp3(const WizardContext& context, QWidget* parent = nullptr);
    ~CPage1Mp3() override;

    void initializePage() override;
    bool validatePage() override;
    void pageLeft() override;

    std::vector<publish::PlaylistItem> playlist() const;
    // Adds the files as the Add command does, converting where needed and
    // carrying their lyrics; folders and playlists add the sound files
    // they stand for. What is not added is said in one box at the end.
    void addFiles(const QStringList& files);
    // The Add command's dialog, not yet shown: in the folder of the last
    // file added (the documents folder at first), every sound file and
    // playlist shown.
    QFileDialog* makeAddDialog();
    // The same for "Add folder…", which picks a folder.
    QFileDialog* makeAddFolderDialog();
    // Every row's lyrics have been looked up.
    bool lyricsKnown() const { return !lyricsLookup.isActive(); }

    QTreeWidget* list() const { return rows; }
    QToolBar* toolBar() const { return tools; }
    QPushButton* recordButton() const { return record; }
    QPushButton* playButton() const { return playRecording; }
    QComboBox* qualityList() const { return qualities; }
    QGroupBox* recordBox() const { return recordGroup; }

public slots:
    void addFromDialog();
    void addFolderFromDialog();
    void deleteSelected();
    void moveUp();
    void moveDown();
    void changeTitle();
    void playSelected();
    void stopPlaying();
    void recordOrStop();

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void buildToolBar();
    void buildContextMenu();
    QTreeWidgetItem* makeEntry(int row, const QString& path, const QString& title);
    void addEntry(int row, const QString& path, const QString& title, const std::optional<audio::FoundLyrics>& lyrics);
    // The tracks a given file, folder or playlist stands for; what cannot be
    // followed goes into `refused`.
    std::vector<audio::InputTrack> tracksOf(const audio::TrackIntake& intake, const QString& given,
                                            QStringList& refused);
    void addTrack(audio::TrackIntake& intake, const audio::InputTrack& track, const QString& caption,
                  QStringList& refused, QStringList& notes);
    void lookUpStoredLyrics();
    // Numbers the rows from `from` on.
    void renumber(int from = 0);
    void move(int offset);
    void loadStoredPlaylist();
    void fillQualities();
    void startRecording();
    void stopRecording();
    // Selects `row` alone and makes it current.
    void selectOnly(int row);
    void savePlaylist();
    void rememberFolderOf(const QString& file);

    WizardContext context;
    QTreeWidget* rows;
    QToolBar* tools;
    QGroupBox* recordGroup;
    QComboBox* qualities;
    QPushButton* record;
    QPushButton* playRecording;
    std::unique_ptr<audio::WaveInput> device;
    std::unique_ptr<audio::Recorder> recorder;
    std::unique_ptr<audio::PreviewPlayer> preview;
    std::string recordingPath;
    QString addFolder;
    QTimer lyricsLookup;
    int lyricsCursor = 0;
    // The stored rows' lyrics, while their lookup goes on.
    std::unique_ptr<audio::PlaylistLyrics> storedLyrics;
    bool initialised = false;
};

} // namespace ui

#endif
