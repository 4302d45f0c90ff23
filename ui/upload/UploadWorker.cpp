#include "ui/upload/UploadWorker.h"

#include "player_contract/PlayerContract.h"
#include "upload/LocalFolder.h"

#include <QThread>

#include <chrono>

namespace ui {

namespace {

using Clock = std::chrono::steady_clock;

// Hands what the upload says to the worker's thread; the sending thread's
// frequent calls are passed on at most ten times a second.
class ForwardingObserver : public upload::UploadObserver {
public:
    explicit ForwardingObserver(UploadWorker* worker) : worker(worker) {}

    void planned(const upload::UploadPlan& plan) override {
        std::uint64_t bytes = plan.bytesToSend;
        std::size_t files = plan.sends.size();
        QMetaObject::invokeMethod(worker, [w = worker, bytes, files] { emit w->planned(bytes, files); },
                                  Qt::QueuedConnection);
    }
    void sending(std::uint64_t bytes, std::size_t files) override {
        Clock::time_point now = Clock::now();
        if (files == lastFiles && now - lastSent < std::chrono::milliseconds(100))
            return;
        lastSent = now;
        lastFiles = files;
        QMetaObject::invokeMethod(worker, [w = worker, bytes, files] { emit w->progressed(bytes, files); },
                                  Qt::QueuedConnection);
    }
    void switching() override {
        QMetaObject::invokeMethod(worker, [w = worker] { emit w->switching(); }, Qt::QueuedConnection);
    }

private:
    UploadWorker* worker;
    Clock::time_point lastSent;
    std::size_t lastFiles = 0;
};

} // namespace

UploadWorker::UploadWorker(QObject* parent) : QObject(parent) {}

UploadWorker::~UploadWorker() {
    stopping = true;
    if (thread)
        thread->wait();
    delete thread;
}

void UploadWorker::start(const UploadRequest& request) {
    stopping = false;
    thread = QThread::create([this, request] {
        UploadResult result = run(request);
        QMetaObject::invokeMethod(
            this,
            [this, result] {
                thread->wait();
                delete thread;
                thread = nullptr;
                emit finished(result);
            },
            Qt::QueuedConnection);
    });
    thread->start();
}

UploadResult UploadWorker::run(const UploadRequest& request) {
    UploadResult result;
    if (!std::filesystem::is_regular_file(request.output / publish::contract::PlayerMovieFileName)) {
        result.start = UploadResult::Start::NoPlayer;
        return result;
    }
    upload::LocalFolder local;
    result.localError = upload::describeLocalFolder(request.output, local, result.unreadable);
    if (result.localError) {
        result.start = UploadResult::Start::Unreadable;
        return result;
    }
    std::unique_ptr<upload::RemoteSite> site =
        upload::openRemoteSite(request.address, request.credentials, request.trust, stopping);
    ForwardingObserver observer(this);
    result.outcome = upload::uploadFolder(*site, request.output, local, observer, false);
    if (!result.outcome.failure && !request.siteUrl.empty())
        result.live = upload::checkLiveSite(request.siteUrl, result.outcome.plan, *site, request.trust, stopping);
    return result;
}

} // namespace ui
