#ifndef UI_PAGES_PUBLISHWORKER_H
#define UI_PAGES_PUBLISHWORKER_H

#include "publish/PublishObserver.h"
#include "ui/WizardContext.h"
#include "ui/pages/PublishSummary.h"

#include <QObject>

#include <atomic>
#include <memory>
#include <stop_token>
#include <thread>

namespace ui {

class CWaitDialog;

// Runs the publish job on a thread of its own and brings what it tells to
// the user-interface thread: the progress position at once, the wait
// dialog while the job waits. Failures are gathered into the summary, to be
// shown together at the end. The end is a flag the page polls.
class PublishWorker : public QObject, public publish::PublishObserver {
    Q_OBJECT
public:
    explicit PublishWorker(const WizardContext& context);
    ~PublishWorker() override;

    void start();
    // Asks the running job to stop; it ends soon after with the old player
    // in place.
    void stop() { stopSource.request_stop(); }
    // True once, the first time it is asked after the job ended.
    bool takeFinished();
    // What the last job came to; complete once takeFinished() said so.
    const PublishSummary& summary() const { return outcome; }

signals:
    void progressed(int position);

private:
    void progress(int position) override;
    void trackStarts(int) override {}
    void waitBegins(const std::string& caption) override;
    void waitEnds() override;
    void trackDone(const publish::TrackReport& report) override;
    void notice(const publish::Notice&) override {}
    void staleMoviesRemoved(int) override {}
    void done(const publish::PublishResult& result) override;

    template <typename Step>
    void onInterfaceThread(Step step);

    WizardContext context;
    std::thread thread;
    std::stop_source stopSource;
    std::atomic<bool> finished{false};
    std::unique_ptr<CWaitDialog> waitDialog;
    // Written by the job's thread only, read after it has finished.
    PublishSummary outcome;
};

} // namespace ui

#endif
