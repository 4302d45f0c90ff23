#include "ui/pages/PublishWorker.h"

#include "publish/PublishJob.h"
#include "publish/SpectrumAnalyser.h"
#include "ui/wait/CWaitDialog.h"

#include <QMessageBox>

namespace ui {

PublishWorker::PublishWorker(const WizardContext& shared, QWidget* ownerWidget)
    : context(shared), owner(ownerWidget) {}

PublishWorker::~PublishWorker() {
    if (thread.joinable())
        thread.join();
}

void PublishWorker::start() {
    if (thread.joinable())
        thread.join();
    finished = false;
    failure.clear();
    thread = std::thread([this] {
        publish::MusicLibraryAnalyser analyser(context.analyserFolders);
        publish::PublishJob(context.settings, analyser, *this, context.runtimeFolder).run();
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

void PublishWorker::showAlert(const publish::Alert& alert) {
    onInterfaceThread([this, alert] {
        QMessageBox::warning(owner, QString::fromStdString(alert.caption), QString::fromStdString(alert.text));
    });
}

void PublishWorker::trackDone(const publish::TrackReport& report) {
    if (report.outcome != publish::TrackOutcome::Published)
        showAlert(publish::alertFor(report));
}

void PublishWorker::stepFailed(const publish::StepFailure& stepFailure) { showAlert(publish::alertFor(stepFailure)); }

void PublishWorker::done(bool ran, const std::string& whyNot) {
    if (!ran)
        onInterfaceThread([this, whyNot] { failure = QString::fromStdString(whyNot); });
}

} // namespace ui
