#include "ui/pages/CPage2Player.h"

#include "audio/TrackIntake.h"
#include "publish/Playlist.h"
#include "publish/PreviewTrack.h"
#include "publish/ProductName.h"
#include "content_cache/PublishCache.h"
#include "publish/SkinCatalogue.h"
#include "publish/SpectrumAnalyser.h"
#include "text_formats/StorableText.h"
#include "ui/controls/AccessibleText.h"
#include "ui/translations/SystemReason.h"

#include <QCheckBox>
#include <QChildEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QTimer>
#include <QVBoxLayout>
#include <QWebEngineSettings>
#include <QWebEngineView>
#include <QtConcurrent>

#include <algorithm>
#include <utility>

namespace ui {

namespace {

namespace contract = publish::contract;

// A box shown once the page is up: the page is still being made when it
// learns what failed.
void warnLater(QWidget* page, const QString& text) {
    QTimer::singleShot(0, page, [page, text] { QMessageBox::warning(page, publish::ProductName, text); });
}

const int LongestTitle = 1023;

QCheckBox* checkBox(const QString& text, bool checked, QWidget* parent) {
    auto* box = new QCheckBox(text, parent);
    box->setChecked(checked);
    return box;
}

// The preview is for the eyes and the mouse: a web page keeps Tab for
// itself, so neither the view nor the widgets it makes inside take the
// keyboard.
class TabKeptOut : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::ChildAdded || event->type() == QEvent::ChildPolished)
            if (auto* inside = qobject_cast<QWidget*>(static_cast<QChildEvent*>(event)->child()))
                inside->setFocusPolicy(Qt::NoFocus);
        return QObject::eventFilter(watched, event);
    }
};

void keepTabOutOf(QWebEngineView* view) {
    view->setFocusPolicy(Qt::NoFocus);
    view->installEventFilter(new TabKeptOut(view));
}

} // namespace

CPage2Player::CPage2Player(const WizardContext& shared, QWidget* parent)
    : WizardPage(parent), context(shared), skins(new QListWidget(this)),
      autoStart(checkBox(tr("Play start"), true, this)), autoNext(checkBox(tr("Play next auto"), true, this)),
      loop(checkBox(tr("Loop playlist"), true, this)), shuffle(checkBox(tr("Shuffle playlist"), false, this)),
      lyrics(checkBox(tr("Timed lyrics"), true, this)),
      title(new QLineEdit(this)), view(new QWebEngineView(this)) {
    skins->setObjectName("skins");
    for (const contract::BuiltInSkin& skin : contract::BuiltInSkins)
        skins->addItem(skin.name);
    skins->setSortingEnabled(false);
    skins->setMaximumHeight(72);
    title->setMaxLength(LongestTitle);
    view->setObjectName("skinPreview");
    view->setFixedSize(300, 60);
    // The published player starts by itself when asked to; so does its
    // preview, sound and all, without waiting for a click.
    view->settings()->setAttribute(QWebEngineSettings::PlaybackRequiresUserGesture, false);
    keepTabOutOf(view);
    setAccessibleText(skins, tr("Player skin"), tr("The look of the published player; the preview below shows it."));
    setAccessibleText(autoStart, tr("Play start"), tr("The player starts playing when its page opens."));
    setAccessibleText(autoNext, tr("Play next auto"), tr("The player goes on to the next track by itself."));
    setAccessibleText(loop, tr("Loop playlist"), tr("After the last track the player starts again at the first."));
    setAccessibleText(shuffle, tr("Shuffle playlist"), tr("The player plays the tracks in a random order."));
    setAccessibleText(lyrics, tr("Timed lyrics"),
                      tr("The tracks carry the timed lyrics found for them, which the Real-like skin shows."));
    setAccessibleText(title, tr("Title"), tr("The playlist's title, shown by the player."));
    setAccessibleText(view, tr("Skin preview"), tr("The chosen skin as it will play."));

    auto* options = new QGroupBox(tr("Play && playlist Setting"), this);
    auto* optionGrid = new QVBoxLayout(options);
    for (QCheckBox* box : {autoStart, autoNext, loop, shuffle, lyrics})
        optionGrid->addWidget(box);

    auto* top = new QHBoxLayout;
    top->addWidget(skins, 1);
    top->addWidget(options);
    auto* titleRow = new QFormLayout;
    titleRow->addRow(tr("Title:"), title);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("Player:"), this));
    layout->addLayout(top);
    layout->addLayout(titleRow);
    layout->addSpacing(8);
    layout->addWidget(view, 0, Qt::AlignHCenter);
    layout->addStretch();

    titlePause.setSingleShot(true);
    titlePause.setInterval(600);
    connect(&trackBuild, &QFutureWatcher<publish::TrackOutcome>::finished, this, &CPage2Player::trackBuilt);
}

CPage2Player::~CPage2Player() {
    buildStop.request_stop();
    trackBuild.waitForFinished();
}

// The preview follows every choice: the skin, the options, the lyrics, and
// the typed title once typing pauses.
void CPage2Player::followChoices() {
    connect(skins, &QListWidget::currentRowChanged, this, &CPage2Player::showSkin);
    for (QCheckBox* option : {autoStart, autoNext, loop, shuffle})
        connect(option, &QCheckBox::toggled, this, &CPage2Player::refreshPreview);
    connect(lyrics, &QCheckBox::toggled, this, &CPage2Player::followFirstTrack);
    connect(title, &QLineEdit::textEdited, this, [this] { titlePause.start(); });
    connect(&titlePause, &QTimer::timeout, this, &CPage2Player::refreshPreview);
}

void CPage2Player::showFirstTrack() {
    showing = true;
    refreshPreview();
    followFirstTrack();
}

std::optional<CPage2Player::PreviewTrack> CPage2Player::firstTrack() const {
    std::vector<std::string> paths, titles;
    publish::LoadPlaylist(paths, titles, context.settings.settingsFile());
    if (paths.empty())
        return std::nullopt;
    return PreviewTrack{paths.front(), titles.front(), lyrics->isChecked()};
}

void CPage2Player::followFirstTrack() {
    if (!site)
        return;
    wantedTrack = firstTrack();
    if (trackBuild.isRunning()) {
        // A track no longer wanted is given up; trackBuilt() goes on.
        if (wantedTrack != buildingTrack)
            buildStop.request_stop();
        return;
    }
    if (wantedTrack == builtTrack)
        return;
    // The playlist no longer names a movie that goes.
    if (std::exchange(hasTrack, false))
        refreshPreview();
    builtTrack.reset();
    if (wantedTrack)
        buildTrack(*wantedTrack);
}

// Off the interface thread; meanwhile the skin plays without a track.
void CPage2Player::buildTrack(const PreviewTrack& track) {
    buildingTrack = track;
    buildStop = std::stop_source();
    trackBuild.setFuture(QtConcurrent::run([track, folders = context.analyserFolders,
                                            folder = site->trackMovie().parent_path(),
                                            dataFile = context.settings.previewDataFile(),
                                            stop = buildStop.get_token()] {
        publish::MusicLibraryAnalyser analyser(folders);
        audio::PlaylistLyrics lyrics;
        publish::TrackTask task =
            publish::trackTask(1, track.path, track.title, track.lyrics,
                               [&lyrics](const std::string& soundFile) { return lyrics.textOf(soundFile); });
        return publish::buildPreviewTrack(task, analyser, publish::defaultCacheFolder(), folder, dataFile, stop)
            .outcome;
    }));
}

void CPage2Player::trackBuilt() {
    publish::TrackOutcome outcome = trackBuild.result();
    if (outcome == publish::TrackOutcome::Cancelled) {
        builtTrack.reset();
    } else {
        builtTrack = buildingTrack;
        hasTrack = outcome == publish::TrackOutcome::Published;
        refreshPreview();
    }
    followFirstTrack();
}

void CPage2Player::refreshPreview() {
    if (!site)
        return;
    site->writePlaylist(title->text().toStdString(), hasTrack,
                        {autoStart->isChecked(), autoNext->isChecked(), loop->isChecked(), shuffle->isChecked()});
    showSkin(std::max(skins->currentRow(), 0));
}

void CPage2Player::initializePage() {
    if (initialised)
        return;
    initialised = true;
    std::filesystem::path players = context.settings.playersFolder();
    if (std::error_code error = publish::unpackBuiltInSkins(players))
        warnLater(this, tr("The skins cannot be written into %1: %2")
                      .arg(QString::fromStdString(players.string()), systemReason(error)));
    site = std::make_unique<SkinPreviewSite>(players, context.runtimeFolder);
    if (!site->start()) {
        site.reset();
        warnLater(this, tr("The skins cannot be shown: no web server could be started on 127.0.0.1."));
    }
    startFromStoredChoices();
    followChoices();
}

// As an earlier run left them; without a stored skin the first is shown
// and none is selected.
void CPage2Player::startFromStoredChoices() {
    publish::PlayerChoices stored = publish::storedPlayerChoices(context.settings.settingsFile());
    if (const contract::BuiltInSkin* skin = publish::builtInSkinOfMovie(stored.player))
        skins->setCurrentRow(static_cast<int>(skin - contract::BuiltInSkins));
    title->setText(QString::fromStdString(stored.title));
    autoStart->setChecked(stored.autoStart);
    autoNext->setChecked(stored.autoNext);
    loop->setChecked(stored.loop);
    shuffle->setChecked(stored.random);
    lyrics->setChecked(stored.lyrics);
}

void CPage2Player::showSkin(int position) {
    if (!site || !showing || position < 0 || position >= static_cast<int>(std::size(contract::BuiltInSkins)))
        return;
    view->load(QUrl(QString::fromStdString(site->addressOf(contract::BuiltInSkins[position].fileName))));
}

publish::PlayerChoices CPage2Player::choices() const {
    int position = skins->currentRow() < 0 ? 0 : skins->currentRow();
    publish::PlayerChoices chosen;
    chosen.player = publish::skinMovieFile(context.settings.playersFolder(), contract::BuiltInSkins[position]).string();
    chosen.autoStart = autoStart->isChecked();
    chosen.autoNext = autoNext->isChecked();
    chosen.loop = loop->isChecked();
    chosen.random = shuffle->isChecked();
    chosen.lyrics = lyrics->isChecked();
    chosen.title = title->text().toStdString();
    return chosen;
}

void CPage2Player::pageLeft() {
    // The line edit takes pasted control characters; the playlist cannot.
    publish::StorableText stored = publish::storableText(title->text().toStdString());
    if (stored.controlsRemoved) {
        title->setText(QString::fromStdString(stored.text));
        QMessageBox::information(this, publish::ProductName, tr("Control characters were removed from the playlist title."));
    }
    std::filesystem::path file = context.settings.settingsFile();
    if (std::error_code error = publish::savePlayerChoices(file, choices()))
        QMessageBox::warning(this, publish::ProductName,
                             tr("The player choices cannot be saved in %1: %2")
                                 .arg(QString::fromStdString(file.string()), systemReason(error)));
    showing = false;
    view->setUrl(QUrl(QStringLiteral("about:blank")));
}

} // namespace ui
