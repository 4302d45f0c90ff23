#ifndef ANALYSER_CHUNKQUEUE_H
#define ANALYSER_CHUNKQUEUE_H

#include <condition_variable>
#include <deque>
#include <mutex>
#include <optional>
#include <vector>

namespace analyser {

// Decoded sound handed from the decoding thread to the analysing one. At
// most `capacity` chunks wait, so memory stays small whatever the length.
class ChunkQueue {
public:
    struct Chunk {
        int sampleRate;
        std::vector<float> samples;
    };

    explicit ChunkQueue(size_t capacity) : capacity(capacity) {}

    // Waits while the queue is full.
    void push(int sampleRate, const std::vector<float>& samples) {
        std::unique_lock<std::mutex> lock(mutex);
        changed.wait(lock, [this] { return chunks.size() < capacity; });
        chunks.push_back({sampleRate, samples});
        changed.notify_all();
    }

    // No more chunks will come.
    void close() {
        std::lock_guard<std::mutex> lock(mutex);
        closed = true;
        changed.notify_all();
    }

    // The next chunk, or nothing once the queue is closed and empty.
    std::optional<Chunk> pop() {
        std::unique_lock<std::mutex> lock(mutex);
        changed.wait(lock, [this] { return !chunks.empty() || closed; });
        if (chunks.empty())
            return std::nullopt;
        Chunk chunk = std::move(chunks.front());
        chunks.pop_front();
        changed.notify_all();
        return chunk;
    }

private:
    size_t capacity;
    std::mutex mutex;
    std::condition_variable changed;
    std::deque<Chunk> chunks;
    bool closed = false;
};

} // namespace analyser

#endif
