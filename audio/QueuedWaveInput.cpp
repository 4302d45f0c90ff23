#include "audio/QueuedWaveInput.h"

#include <algorithm>
#include <cstring>

namespace audio {

QueuedWaveInput::~QueuedWaveInput() { stopDelivery(); }

WaveResult QueuedWaveInput::open(const WaveFormat& format, BufferDone done) {
    if (opened)
        return WaveUnspecifiedError;
    if (WaveResult result = openDevice(format); result != WaveNoError)
        return result;
    bufferDone = std::move(done);
    ending = false;
    opened = true;
    delivery = std::thread([this] { deliverFilled(); });
    return WaveNoError;
}

WaveResult QueuedWaveInput::prepare(WaveBuffer& buffer) {
    if (!opened)
        return WaveNotOpen;
    buffer.prepared = true;
    buffer.done = false;
    return WaveNoError;
}

WaveResult QueuedWaveInput::unprepare(WaveBuffer& buffer) {
    if (!opened)
        return WaveNotOpen;
    std::lock_guard lock(mutex);
    if (buffer.queued)
        return WaveStillQueued;
    buffer.prepared = false;
    return WaveNoError;
}

WaveResult QueuedWaveInput::add(WaveBuffer& buffer) {
    if (!opened)
        return WaveNotOpen;
    if (!buffer.prepared)
        return WaveUnprepared;
    std::lock_guard lock(mutex);
    buffer.done = false;
    buffer.bytesRecorded = 0;
    buffer.queued = true;
    queued.push_back(&buffer);
    return WaveNoError;
}

WaveResult QueuedWaveInput::start() { return opened ? startDevice() : WaveNotOpen; }

WaveResult QueuedWaveInput::stop() { return opened ? stopDevice() : WaveNotOpen; }

WaveResult QueuedWaveInput::reset() {
    if (!opened)
        return WaveNotOpen;
    WaveResult result = stopDevice();
    std::unique_lock lock(mutex);
    while (!queued.empty())
        finishCurrent(lock);
    changed.wait(lock, [this] { return filled.empty() && !delivering; });
    return result;
}

WaveResult QueuedWaveInput::close() {
    if (!opened)
        return WaveNotOpen;
    {
        std::lock_guard lock(mutex);
        if (!queued.empty())
            return WaveStillQueued;
    }
    shutDown();
    return WaveNoError;
}

void QueuedWaveInput::shutDown() {
    if (!opened)
        return;
    stopDevice();
    stopDelivery();
    closeDevice();
    opened = false;
}

WaveResult QueuedWaveInput::errorText(WaveResult code, std::string& text) {
    return standardErrorText(code, text) ? WaveNoError : WaveUnspecifiedError;
}

bool QueuedWaveInput::standardErrorText(WaveResult code, std::string& text) {
    switch (code) {
    case WaveNoError: text = "The command completed successfully."; return true;
    case WaveUnspecifiedError: text = "An unspecified error occurred."; return true;
    case WaveNoDevice: text = "No sound input device is available."; return true;
    case WaveNotOpen: text = "The sound input device is not open."; return true;
    case WaveBadFormat: text = "The sound input device cannot record in this format."; return true;
    case WaveStillQueued: text = "A buffer is still queued on the device."; return true;
    case WaveUnprepared: text = "The buffer has not been prepared."; return true;
    default: return false;
    }
}

void QueuedWaveInput::capture(const unsigned char* bytes, size_t size) {
    std::unique_lock lock(mutex);
    while (size > 0 && !queued.empty()) {
        WaveBuffer& buffer = *queued.front();
        size_t room = buffer.length - buffer.bytesRecorded;
        size_t piece = std::min(room, size);
        std::memcpy(buffer.data + buffer.bytesRecorded, bytes, piece);
        buffer.bytesRecorded += static_cast<uint32_t>(piece);
        bytes += piece;
        size -= piece;
        if (buffer.bytesRecorded == buffer.length)
            finishCurrent(lock);
    }
}

void QueuedWaveInput::finishCurrent(std::unique_lock<std::mutex>&) {
    WaveBuffer* buffer = queued.front();
    queued.pop_front();
    buffer->queued = false;
    buffer->done = true;
    filled.push_back(buffer);
    changed.notify_all();
}

void QueuedWaveInput::deliverFilled() {
    std::unique_lock lock(mutex);
    for (;;) {
        changed.wait(lock, [this] { return ending || !filled.empty(); });
        if (filled.empty())
            return;
        WaveBuffer* buffer = filled.front();
        filled.pop_front();
        delivering = true;
        lock.unlock();
        bufferDone(*buffer);
        lock.lock();
        delivering = false;
        changed.notify_all();
    }
}

void QueuedWaveInput::stopDelivery() {
    {
        std::lock_guard lock(mutex);
        ending = true;
    }
    changed.notify_all();
    if (delivery.joinable())
        delivery.join();
}

} // namespace audio
