#include "WizardFixture.h"

#include "audio/SyntheticWaveInput.h"
#include "publish/Playlist.h"
#include "publish/PublishSettings.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QLabel>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>

namespace {

// Counts what a preview would play; no sound card needed.
struct SilentOutput : audio::SoundOutput {
    bool open(int, int) override { return true; }
    bool write(const int16_t*, size_t) override { return true; }
    void close() override {}
};

} // namespace

WizardFixture::WizardFixture() {
    // A cache of the test's own: no cached movie or analysis of another run
    // shortens a publish the test means to catch in progress.
    qputenv("XDG_CACHE_HOME", QByteArray::fromStdString(path("cache")));
    std::filesystem::create_directories(path("Tunemill"));
    std::filesystem::create_directories(path("Documents"));
    context.settings = publish::SettingsFolder(path("Tunemill"));
    context.documentsFolder = path("Documents");
    context.runtimeFolder = std::string(TUNEMILL_BUILD) + "/ruffle";
    context.analyserFolders = {TUNEMILL_BUILD};
    context.makeWaveInput = [] { return std::make_unique<audio::SyntheticWaveInput>(); };
    context.makeSoundOutput = [] { return std::make_unique<SilentOutput>(); };
}

std::string WizardFixture::path(const std::string& name) const { return home.path().toStdString() + "/" + name; }

std::string WizardFixture::makeMp3(const std::string& name, const std::string& lameOptions, double seconds) {
    std::string wav = path(name + ".wav"), mp3 = path(name + ".mp3");
    std::string command = "sox -n -r 44100 -c 2 -b 16 '" + wav + "' synth " + std::to_string(seconds) +
                          " sine 440 && lame --quiet " + lameOptions + " '" + wav + "' '" + mp3 + "'";
    return std::system(command.c_str()) == 0 ? mp3 : "";
}

void WizardFixture::makePublishedSite() {
    std::filesystem::create_directories(path("site/output"));
    std::ofstream(path("site/output/Player.htm")) << "page";
    publish::SavePlaylist({}, {}, context.settings.settingsFile());
    QVERIFY(!publish::saveFolderChoices(context.settings.settingsFile(), {path("site"), true, true}));
}

void answerNextModal(std::function<void(QWidget*)> answer) {
    // The application owns it, so that an answer armed for a box that never
    // came goes with the application.
    auto* poll = new QTimer(qApp);
    QObject::connect(poll, &QTimer::timeout, [poll, answer] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        poll->stop();
        // An answer that waits runs the event loop, which would delete the
        // timer, and this call with it, under the answer.
        answer(modal);
        poll->deleteLater();
    });
    poll->start(20);
}

void acceptNextModal(QString* text) {
    answerNextModal([text](QWidget* modal) {
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            if (text)
                *text = box->text();
            box->accept();
        } else if (auto* dialog = qobject_cast<QDialog*>(modal)) {
            dialog->accept();
        }
    });
}

bool waitFor(const std::function<bool()>& condition, int milliseconds) {
    QElapsedTimer clock;
    clock.start();
    while (!condition()) {
        if (clock.elapsed() > milliseconds)
            return false;
        QTest::qWait(20);
    }
    return true;
}

bool waitForLoadedMovie(QWebEngineView* view, const QString& element, int milliseconds) {
    // Shared: the page may answer after this call, when the view goes.
    auto readyState = std::make_shared<int>(-1);
    QString script = QString("(function(){var p=%1;return p ? p.readyState : -1;})()").arg(element);
    return waitFor(
        [&] {
            view->page()->runJavaScript(script, [readyState](const QVariant& value) { *readyState = value.toInt(); });
            return *readyState == 2;
        },
        milliseconds);
}

QVariant evaluate(QWebEngineView* view, const QString& script, int milliseconds) {
    // Shared: the page may answer after this call, when the view goes.
    auto answer = std::make_shared<std::optional<QVariant>>();
    view->page()->runJavaScript(script, [answer](const QVariant& value) { *answer = value; });
    return waitFor([&] { return answer->has_value(); }, milliseconds) ? **answer : QVariant();
}
