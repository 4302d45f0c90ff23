#ifndef CLI_STOPSIGNALS_H
#define CLI_STOPSIGNALS_H

#include <atomic>
#include <functional>
#include <mutex>
#include <stop_token>
#include <thread>

namespace cli {

// Turns SIGINT and SIGTERM into a stop request while it lives: both are
// blocked in every thread (so it must be made before any other thread) and
// one thread of its own waits for them. They stay blocked afterwards, for
// whoever waits for them next.
class StopSignals {
public:
    StopSignals();
    ~StopSignals();
    StopSignals(const StopSignals&) = delete;
    StopSignals& operator=(const StopSignals&) = delete;

    std::stop_token token() const { return source.get_token(); }
    // The signal that asked to stop; 0 while none did.
    int received() const { return signal.load(); }

    // While set, a signal calls `abandon` (on the waiting thread) instead of
    // waiting for the work to stop: for work that cannot be stopped and
    // leaves nothing that must be kept.
    void setAbandon(std::function<void(int signal)> abandon);

private:
    void watch();

    std::stop_source source;
    std::atomic<int> signal{0};
    std::atomic<bool> finished{false};
    std::mutex abandonMutex;
    std::function<void(int)> abandon;
    std::thread watcher;
};

} // namespace cli

#endif
