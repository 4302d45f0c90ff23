#ifndef UI_PAGES_PUBLISHWORKER_H
#define UI_PAGES_PUBLISHWORKER_H

#include "publish/PublishObserver.h"
#include "ui/WizardContext.h"

#include <QObject>
#include <QPointer>

#include <atomic>
#include <memory>
#include <thread>

namespace ui {

class CWaitDialog;

// Runs the publish job on a thread of its own and brings what it tells to
// the user-interface thread: the progress position at once, message boxes
// and the wait dialog while the job waits (as a message box on the job's
// thread made it wait). The end is a flag the page polls.
class PublishWorker : public QObject, public publish::PublishObserver {
    Q_OBJECT
public:
    PublishWorker(const WizardContext& context, QWidget* owner);
    ~PublishWorker() override;

    void start();
    // True once, the first time it is asked after the job ended.
    bool takeFinished();
    // Why the job could not run; empty when it ran.
    QString whyNotRun() const { return failure; }

signals:
    void progressed(int position);

private:
    void progress(int position) override;
    void waitBegins(const std::string& caption) override;
    void waitEnds() override;
    void trackDone(const publish::TrackReport& report) override;
    void stepFailed(const publish::StepFailure& failure) override;
    void staleMoviesRemoved(int) override {}
    void done(bool ran, const std::string& whyNot) override;

    void showAlert(const publish::Alert& alert);
    template <typename Step>
    void onInterfaceThread(Step step);

    WizardContext context;
    QPointer<QWidget> owner;
    std::thread thread;
    std::atomic<bool> finished{false};
    std::unique_ptr<CWaitDialog> waitDialog;
    QString failure;
};

} // namespace ui

#endif
