#include "ui/wizard/CWizard.h"

#include "player_contract/PlayerContract.h"
#include "publish/ProductName.h"
#include "ui/controls/CHyperLink.h"
#include "ui/pages/CPage1Mp3.h"
#include "ui/pages/CPage2Player.h"
#include "ui/pages/CPage4Folder.h"
#include "ui/pages/CPage5Progress.h"
#include "ui/pages/CPage6Finish.h"
#include "ui/wizard/Watermark.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QToolButton>

namespace ui {

namespace {

// How often files handed over wait for an open box to close.
const int HandOverRetryMilliseconds = 100;

// Where the keyboard goes when a page is shown: a list or field, never a
// push button (Return would press it) or the link in the button row
// (Return would open the browser).
bool takesPageFocus(const QWidget* widget) {
    return widget->isVisible() && widget->isEnabled() && (widget->focusPolicy() & Qt::TabFocus) &&
           !qobject_cast<const QPushButton*>(widget) && !qobject_cast<const QToolButton*>(widget);
}

} // namespace

const char* const CWizard::Caption = "Tunemill v" TUNEMILL_VERSION;

CWizard::CWizard(const WizardContext& context, QWidget* parent)
    : QWizard(parent), playlist(new CPage1Mp3(context)), player(new CPage2Player(context)),
      folder(new CPage4Folder(context)), progress(new CPage5Progress(context)), finish(new CPage6Finish(context)),
      link(new CHyperLink(this)) {
    setWindowTitle(Caption);
    setWizardStyle(QWizard::ClassicStyle);
    setOption(QWizard::IndependentPages);
    setPixmap(QWizard::WatermarkPixmap, watermarkPicture());
    setPage(PlaylistPage, playlist);
    setPage(PlayerPage, player);
    setPage(FolderPage, folder);
    setPage(ProgressPage, progress);
    setPage(FinishPage, finish);
    setMinimumSize(720, 460);

    // Back on the finish page leads to the playlist, not to the progress page.
    setButtonText(QWizard::CustomButton1, buttonText(QWizard::BackButton));
    connect(this, &QWizard::customButtonClicked, this, [this](int which) {
        if (which == QWizard::CustomButton1)
            backToPlaylist();
    });

    describeButtons();
    link->setObjectName("websiteLink");
    link->setAccessibleName(tr("Visit Website"));
    link->setAccessibleDescription(tr("Opens our web site in the browser."));
    link->setTarget(publish::contract::VendorSite);
    link->setLabel(tr("Visit Website"));
    connect(this, &QWizard::currentIdChanged, this, &CWizard::pageChanged);
    connect(progress, &CPage5Progress::cancelled, this, &CWizard::publishCancelled);
    handOverRetry.setSingleShot(true);
    handOverRetry.setInterval(HandOverRetryMilliseconds);
    connect(&handOverRetry, &QTimer::timeout, this, &CWizard::addHandedOverFiles);
}

void CWizard::describeButtons() {
    const std::pair<QWizard::WizardButton, const char*> descriptions[] = {
        {QWizard::BackButton, QT_TR_NOOP("Goes back to the page before.")},
        {QWizard::NextButton, QT_TR_NOOP("Goes on to the next page.")},
        {QWizard::FinishButton, QT_TR_NOOP("Closes Tunemill; the published player stays.")},
        {QWizard::CancelButton, QT_TR_NOOP("Closes Tunemill.")},
        {QWizard::CustomButton1, QT_TR_NOOP("Goes back to the playlist, to publish again.")},
    };
    for (const auto& [which, description] : descriptions)
        button(which)->setAccessibleDescription(tr(description));
}

void CWizard::pageChanged(int id) {
    if (auto* left = qobject_cast<WizardPage*>(page(shownPage)))
        left->pageLeft();
    shownPage = id;
    if (id == PlayerPage)
        player->showFirstTrack();
    if (id == ProgressPage)
        progress->begin();
    if (id == FinishPage)
        finish->showOutcome(progress->publisher().summary());
    QList<QWizard::WizardButton> buttons{QWizard::Stretch, QWizard::BackButton, QWizard::NextButton,
                                         QWizard::FinishButton, QWizard::CancelButton};
    if (id == FinishPage)
        buttons[1] = QWizard::CustomButton1;
    setOption(QWizard::HaveCustomButton1, id == FinishPage);
    setButtonLayout(buttons);
    placeLink();
    focusFirstControl();
    if (id == PlaylistPage)
        addHandedOverFiles();
}

void CWizard::focusFirstControl() {
    QWidget* shown = currentPage();
    if (!shown)
        return;
    for (QWidget* widget = shown->nextInFocusChain(); widget != shown; widget = widget->nextInFocusChain())
        if (shown->isAncestorOf(widget) && takesPageFocus(widget)) {
            widget->setFocus(Qt::TabFocusReason);
            return;
        }
}

void CWizard::openFiles(const QStringList& files) {
    show();
    raise();
    activateWindow();
    handedOver += files;
    addHandedOverFiles();
}

void CWizard::addHandedOverFiles() {
    if (handedOver.isEmpty() || progress->publishing())
        return;
    if (QWidget* modal = QApplication::activeModalWidget(); modal && modal != this) {
        handOverRetry.start();
        return;
    }
    QStringList files;
    files.swap(handedOver);
    if (currentId() != PlaylistPage)
        backToPlaylist();
    playlist->addFiles(files);
}

void CWizard::backToPlaylist() {
    button(QWizard::CancelButton)->setEnabled(true);
    restart();
}

void CWizard::reject() {
    if (progress->publishing()) {
        progress->cancelPublishing(false);
        return;
    }
    QWizard::reject();
}

void CWizard::publishCancelled(const QString& output) {
    back();
    folder->sayCancelled(output);
}

// Closing the window while publishing would stop the job: asked first.
void CWizard::closeEvent(QCloseEvent* event) {
    if (!progress->publishing()) {
        QWizard::closeEvent(event);
        return;
    }
    event->ignore();
    askToStopPublishing();
}

// On Yes the publish stops, or has ended meanwhile, and the wizard closes.
void CWizard::askToStopPublishing() {
    // The publish may end while the question is open: its outcome waits for
    // the answer, so that the answer is about what the user saw.
    progress->holdOutcome(true);
    QMessageBox::StandardButton answer = QMessageBox::question(
        this, publish::ProductName, tr("Tunemill is publishing. Stop publishing and close? The player published before stays as it was."));
    progress->holdOutcome(false);
    if (answer == QMessageBox::Yes)
        progress->cancelPublishing(true);
}

void CWizard::done(int result) {
    // Whatever was on the page the user closes from is kept too.
    if (auto* current = qobject_cast<WizardPage*>(page(shownPage)))
        current->pageLeft();
    shownPage = -1;
    QWizard::done(result);
}

void CWizard::showEvent(QShowEvent* event) {
    QWizard::showEvent(event);
    centreOnce();
    placeLink();
}

void CWizard::resizeEvent(QResizeEvent* event) {
    QWizard::resizeEvent(event);
    placeLink();
}

void CWizard::centreOnce() {
    if (centred)
        return;
    centred = true;
    QRect area = (screen() ? screen() : QApplication::primaryScreen())->availableGeometry();
    QRect frame = frameGeometry();
    frame.moveCenter(area.center());
    // Inside the work area, the top left edges first.
    frame.moveRight(std::min(frame.right(), area.right()));
    frame.moveBottom(std::min(frame.bottom(), area.bottom()));
    frame.moveLeft(std::max(frame.left(), area.left()));
    frame.moveTop(std::max(frame.top(), area.top()));
    move(frame.topLeft());
}

// At the left end of the button row, level with the buttons.
void CWizard::placeLink() {
    QAbstractButton* cancel = button(QWizard::CancelButton);
    QPoint buttonRow = cancel->mapTo(this, QPoint(0, 0));
    link->setGeometry(20, buttonRow.y() + 5, 120, cancel->height() - 5);
    link->raise();
}

} // namespace ui
