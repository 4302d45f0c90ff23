#include "cli/StopSignals.h"

#include <csignal>
#include <pthread.h>

namespace cli {

namespace {

sigset_t stopSignals() {
    sigset_t signals;
    sigemptyset(&signals);
    sigaddset(&signals, SIGINT);
    sigaddset(&signals, SIGTERM);
    return signals;
}

} // namespace

StopSignals::StopSignals() {
    sigset_t signals = stopSignals();
    pthread_sigmask(SIG_BLOCK, &signals, nullptr);
    watcher = std::thread([this] { watch(); });
}

StopSignals::~StopSignals() {
    finished = true;
    // Wakes the waiting thread at once; it sees it is finished and does
    // not act on the signal.
    pthread_kill(watcher.native_handle(), SIGINT);
    watcher.join();
}

void StopSignals::setAbandon(std::function<void(int)> whenStopped) {
    std::lock_guard<std::mutex> lock(abandonMutex);
    abandon = std::move(whenStopped);
}

void StopSignals::watch() {
    sigset_t signals = stopSignals();
    while (true) {
        int caught = sigwaitinfo(&signals, nullptr);
        if (finished)
            return;
        if (caught <= 0)
            continue;
        signal = caught;
        std::lock_guard<std::mutex> lock(abandonMutex);
        if (abandon)
            abandon(caught);
        source.request_stop();
        return;
    }
}

} // namespace cli
