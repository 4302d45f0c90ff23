#ifndef UI_WIZARD_CWIZARD_H
#define UI_WIZARD_CWIZARD_H

#include "ui/WizardContext.h"

#include <QStringList>
#include <QTimer>
#include <QWizard>

namespace ui {

class CHyperLink;
class CPage1Mp3;
class CPage2Player;
class CPage4Folder;
class CPage5Progress;
class CPage6Finish;

// The five pages in order: playlist, player, folder, progress, finish.
// Back on the finish page returns to the playlist to publish again.
class CWizard : public QWizard {
    Q_OBJECT
public:
    enum PageId { PlaylistPage, PlayerPage, FolderPage, ProgressPage, FinishPage };

    explicit CWizard(const WizardContext& context, QWidget* parent = nullptr);

    CPage1Mp3* playlistPage() const { return playlist; }
    CPage2Player* playerPage() const { return player; }
    CPage4Folder* folderPage() const { return folder; }
    CPage5Progress* progressPage() const { return progress; }
    CPage6Finish* finishPage() const { return finish; }
    CHyperLink* websiteLink() const { return link; }

    static const char* const Caption;

public slots:
    // Adds files to the playlist from outside (the command line, a second
    // start): the wizard comes to the front on its playlist page. Files that
    // come while a box or dialog is open wait until it closes; files that
    // come while publishing wait until the wizard is back on the playlist.
    void openFiles(const QStringList& files);
    // Closes the wizard; during a publish (Cancel, Escape) stops it instead.
    void reject() override;
    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void pageChanged(int id);
    void backToPlaylist();
    void publishCancelled(const QString& output);
    void placeLink();
    void centreOnce();
    void describeButtons();
    void focusFirstControl();
    void addHandedOverFiles();
    void askToStopPublishing();

    CPage1Mp3* playlist;
    CPage2Player* player;
    CPage4Folder* folder;
    CPage5Progress* progress;
    CPage6Finish* finish;
    CHyperLink* link;
    QStringList handedOver;
    QTimer handOverRetry;
    int shownPage = -1;
    bool centred = false;
};

} // namespace ui

#endif
