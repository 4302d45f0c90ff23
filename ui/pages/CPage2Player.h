#ifndef UI_PAGES_CPAGE2PLAYER_H
#define UI_PAGES_CPAGE2PLAYER_H

#include "publish/Playlist.h"
#include "publish/PublishSettings.h"
#include "ui/WizardContext.h"
#include "ui/pages/SkinPreviewSite.h"
#include "ui/pages/WizardPage.h"

#include <QFutureWatcher>
#include <QTimer>

#include <memory>
#include <optional>

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
    // Builds the stored playlist's first track into the preview (again,
    // when it changed), off the interface thread.
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
    void showSkin(int position);
    void startFromStoredChoices();
    void trackBuilt();
    // Writes the preview's playlist with the typed title and reloads it.
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
    QFutureWatcher<bool> trackBuild;
    std::optional<publish::PlaylistItem> builtTrack, wantedTrack;
    bool hasTrack = false;
    bool initialised = false;
};

} // namespace ui

#endif
