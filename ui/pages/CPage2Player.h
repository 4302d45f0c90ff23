#ifndef UI_PAGES_CPAGE2PLAYER_H
#define UI_PAGES_CPAGE2PLAYER_H

#include "publish/PublishSettings.h"
#include "ui/WizardContext.h"
#include "ui/pages/SkinPreviewSite.h"
#include "ui/pages/WizardPage.h"

#include <memory>

class QCheckBox;
class QLineEdit;
class QListWidget;
class QWebEngineView;

namespace ui {

// The player: one of the three skins, previewed as it will play, the four
// playback options and the playlist's title.
class CPage2Player : public WizardPage {
    Q_OBJECT
public:
    CPage2Player(const WizardContext& context, QWidget* parent = nullptr);

    void initializePage() override;
    void pageLeft() override;

    // What leaving the page stores now.
    publish::PlayerChoices choices() const;

    QListWidget* skinList() const { return skins; }
    QWebEngineView* previewView() const { return view; }
    QLineEdit* titleEdit() const { return title; }
    QCheckBox* autoStartBox() const { return autoStart; }
    QCheckBox* autoNextBox() const { return autoNext; }
    QCheckBox* loopBox() const { return loop; }
    QCheckBox* shuffleBox() const { return shuffle; }

private:
    void showSkin(int position);
    void startFromStoredChoices();

    WizardContext context;
    QListWidget* skins;
    QCheckBox* autoStart;
    QCheckBox* autoNext;
    QCheckBox* loop;
    QCheckBox* shuffle;
    QLineEdit* title;
    QWebEngineView* view;
    std::unique_ptr<SkinPreviewSite> site;
    bool initialised = false;
};

} // namespace ui

#endif
