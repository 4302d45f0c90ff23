#ifndef PUBLISH_TRACKPOOL_H
#define PUBLISH_TRACKPOOL_H

#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <stop_token>
#include <thread>
#include <vector>

namespace publish {

// How many processors this process may run on (its affinity, not the
// machine's count); at least 1.
int usableProcessors();

// Runs `work` for the indices 0..count-1 on worker threads, each index once
// and in order of start, and hands the results back in index order, so that
// whoever reports them can report them as if they were made one by one.
// A stop (from outside or through stop()) reaches the work through its
// token; results not ready by then are not handed back.
template <typename Result>
class TrackPool {
public:
    // `work(index, worker, stop)`: `worker` counts the threads from 0.
    using Work = std::function<Result(int index, int worker, std::stop_token stop)>;

    TrackPool(int count, int workers, Work work, std::stop_token stop)
        : work(std::move(work)), results(static_cast<size_t>(count)),
          forward(stop, [this] { halt(); }) {
        for (int worker = 0; worker < workers && worker < count; ++worker)
            threads.emplace_back([this, worker] { run(worker); });
    }

    ~TrackPool() {
        halt();
        for (std::thread& thread : threads)
            thread.join();
    }

    TrackPool(const TrackPool&) = delete;
    TrackPool& operator=(const TrackPool&) = delete;

    // Waits for the next index's result; nothing once stopped before it.
    std::optional<Result> next() {
        std::unique_lock<std::mutex> lock(mutex);
        size_t index = handed++;
        ready.wait(lock, [&] { return results[index].has_value() || stopping.stop_requested(); });
        return std::move(results[index]);
    }

    // Lets the work under way know, and starts no more.
    void halt() {
        std::lock_guard<std::mutex> lock(mutex);
        stopping.request_stop();
        ready.notify_all();
    }

private:
    void run(int worker) {
        for (;;) {
            size_t index;
            {
                std::lock_guard<std::mutex> lock(mutex);
                if (stopping.stop_requested() || started == results.size())
                    return;
                index = started++;
            }
            Result result = work(static_cast<int>(index), worker, stopping.get_token());
            std::lock_guard<std::mutex> lock(mutex);
            results[index] = std::move(result);
            ready.notify_all();
        }
    }

    Work work;
    std::mutex mutex;
    std::condition_variable ready;
    std::stop_source stopping;
    std::vector<std::optional<Result>> results;
    size_t started = 0;
    size_t handed = 0;
    std::vector<std::thread> threads;
    std::stop_callback<std::function<void()>> forward;
};

} // namespace publish

#endif
