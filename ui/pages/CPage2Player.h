#ifndef UI_PAGES_CPAGE2PLAYER_H
#define UI_PAGES_CPAGE2PLAYER_H

#include "publish/Playlist.h"
#include "publish/PublishReports.h"
#include "publish/PublishSettings.h"
#include "ui/WizardContext.h"
#include "ui/pages/SkinPreviewSite.h"
#include "ui/pages/WizardPage.h"

#include <QFutureWatcher>
#include <QTimer>

#include <memory>
#include <optional>
#include <stop_token>
#include <string>

class QCheckBox;
class QLineEdit;
class QListWidget;
class QWebEngineView;

namespace ui {

// The player: one of the three skins, previewed as it will play, the four
// playback options, whether the tracks carry their lyrics, and the
// playlist's title.
class CPage2Player : public WizardPage {
    Q_OBJECT
public:
    CPage2Player(const WizardContext& context, QWidget* parent = nullptr);
    ~CPage2Player() override;

    void initializePage() override;
    void pageLeft() override;

    // What leaving the page stores now.
    publish::PlayerChoices choices() const;
    // Shows the preview, playing the stored playlist's first track as a
    // publish with the chosen options would: its movie is built (again,
    // when it changed) off the interface thread.
    void showFirstTrack();
    // The preview's playlist holds the track movie.
    bool previewHasTrack() const { return hasTrack; }

    QListWidget* skinList() const { return skins; }
    QWebEngineView* previewView() const { return view; }
    QLineEdit* titleEdit() const { return title; }
    QCheckBox* autoStartBox() const { return autoStart; }
    QCheckBox* autoNextBox() const { return autoNext; }
    QCheckBox* loopBox() const { return loop; }
    QCheckBox* shuffleBox() const { return shuffle; }
    QCheckBox* lyricsBox() const { return lyrics; }

private:
    // What the preview's track movie is made of.
    struct PreviewTrack {
        std::string path, title;
        bool lyrics = true;
        bool operator==(const PreviewTrack&) const = default;
    };

    void showSkin(int position);
    void startFromStoredChoices();
    void followChoices();
    // The playlist's first entry with the chosen lyrics; none when the
    // playlist is empty.
    std::optional<PreviewTrack> firstTrack() const;
    // Builds the wanted track unless its movie is there or being built.
    void followFirstTrack();
    void buildTrack(const PreviewTrack& track);
    void trackBuilt();
    // Writes the preview's playlist with the typed title and the chosen
    // options and, while the page shows, plays it anew.
    void refreshPreview();

    WizardContext context;
    QListWidget* skins;
    QCheckBox* autoStart;
    QCheckBox* autoNext;
    QCheckBox* loop;
    QCheckBox* shuffle;
    QCheckBox* lyrics;
    QLineEdit* title;
    QWebEngineView* view;
    std::unique_ptr<SkinPreviewSite> site;
    QTimer titlePause;
    QFutureWatcher<publish::TrackOutcome> trackBuild;
    std::stop_source buildStop;
    // The last build that ended, the one under way, and the one the
    // choices call for.
    std::optional<PreviewTrack> builtTrack, buildingTrack, wantedTrack;
    bool hasTrack = false;
    bool initialised = false;
    // The preview plays only while its page shows.
    bool showing = false;
};

} // namespace ui

#endif
