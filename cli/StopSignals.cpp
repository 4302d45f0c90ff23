#include "cli/StopSignals.h"

#include <csignal>
#include <ctime>

namespace cli {

namespace {

sigset_t stopSignals() {
    sigset_t signals;
    sigemptyset(&signals);
    sigaddset(&signals, SIGINT);
    sigaddset(&signals, SIGTERM);
    return signals;
}

// How often the waiting thread looks whether it may end.
const long PollNanoseconds = 100'000'000;

} // namespace

StopSignals::StopSignals() {
    sigset_t signals = stopSignals();
    pthread_sigmask(SIG_BLOCK, &signals, nullptr);
    watcher = std::thread([this] { watch(); });
}

StopSignals::~StopSignals() {
    finished = true;
    watcher.join();
}

void StopSignals::setAbandon(std::function<void(int)> whenStopped) {
    std::lock_guard<std::mutex> lock(abandonMutex);
    abandon = std::move(whenStopped);
}

void StopSignals::watch() {
    sigset_t signals = stopSignals();
    const timespec poll{0, PollNanoseconds};
    while (!finished) {
        int caught = sigtimedwait(&signals, nullptr, &poll);
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
