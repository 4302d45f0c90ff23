#include "ui/pages/PublishWorker.h"

#include "audio/TrackIntake.h"
#include "publish/PublishJob.h"
#include "publish/SpectrumAnalyser.h"
#include "ui/pages/NothingPublishedText.h"
#include "ui/pages/RefusalText.h"
#include "ui/pages/StepFailureText.h"
#include "ui/wait/CWaitDialog.h"

namespace ui {

PublishWorker::PublishWorker(const WizardContext& shared) : context(shared) {}

PublishWorker::~PublishWorker() {
    if (thread.joinable())
        thread.join();
}

void PublishWorker::start() {
    if (thread.joinable())
        thread.join();
    finished = false;
    outcome = {};
    stopSource = std::stop_source();
    thread = std::thread([this, stop = stopSource.get_token()] {
        publish::MusicLibraryAnalyser analyser(context.analyserFolders);
        publish::PublishJobOptions options;
        options.cacheFolder = publish::defaultCacheFolder();
        publish::PublishJob job(context.settings, analyser, *this, context.runtimeFolder, options);
        audio::PlaylistLyrics lyrics;
        job.findLyricsWith([&lyrics](const std::string& soundFile) { return lyrics.textOf(soundFile); });
        job.run(stop);
        finished = true;
    });
}

bool PublishWorker::takeFinished() { return finished.exchange(false); }

template <typename Step>
void PublishWorker::onInterfaceThread(Step step) {
    QMetaObject::invokeMethod(this, step, Qt::BlockingQueuedConnection);
}

void PublishWorker::progress(int position) { emit progressed(position); }

void PublishWorker::waitBegins(const std::string& caption) {
    onInterfaceThread([this, caption] { waitDialog = std::make_unique<CWaitDialog>(QString::fromStdString(caption)); });
}

void PublishWorker::waitEnds() {
    onInterfaceThread([this] { waitDialog.reset(); });
}

void PublishWorker::trackDone(const publish::TrackReport& report) {
    ++outcome.tracks;
    if (report.outcome == publish::TrackOutcome::Published) {
        ++outcome.published;
        return;
    }
    // A file the movie builder cannot read was taken in before: the intake
    // says what became of it since (deleted, replaced by something else).
    std::optional<audio::Refusal> refusal;
    if (report.outcome == publish::TrackOutcome::Unsupported)
        refusal = audio::recheckTrack(report.source);
    QString why = refusal ? tr("skipped, %1").arg(refusalText(*refusal)) : trackOutcomeText(report);
    outcome.failures << tr("Track %1, %2: %3").arg(report.number).arg(QString::fromStdString(report.source), why);
}

void PublishWorker::done(const publish::PublishResult& result) {
    outcome.playerWritten = result.outcome == publish::PublishOutcome::AllPublished ||
                            result.outcome == publish::PublishOutcome::SomeSkipped;
    outcome.cancelled = result.outcome == publish::PublishOutcome::Cancelled;
    outcome.output = QString::fromStdString(result.output.string());
    outcome.stepFailed = result.failure.has_value();
    if (result.failure)
        outcome.failures << stepFailureText(*result.failure);
    // When no step and not every track failed, the reason is all the user
    // learns of it.
    else if (result.outcome == publish::PublishOutcome::NothingPublished &&
             (outcome.published > 0 || outcome.tracks == 0))
        outcome.whyNotRun = nothingPublishedText(result);
}

} // namespace ui
