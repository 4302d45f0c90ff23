#ifndef AUDIO_WAVEINPUT_H
#define AUDIO_WAVEINPUT_H

#include "audio/WaveFormat.h"

#include <cstdint>
#include <functional>
#include <string>

namespace audio {

// One capture buffer: the caller owns the memory, the device fills it and
// hands it back through the buffer-done callback with `done` set.
struct WaveBuffer {
    unsigned char* data = nullptr;
    uint32_t length = 0;
    uint32_t bytesRecorded = 0;
    uintptr_t user = 0;
    bool done = false;
    bool prepared = false;
    bool queued = false;
};

// 0 is success; other values are device error codes, which errorText
// describes.
using WaveResult = int;
enum WaveError : WaveResult {
    WaveNoError = 0,
    WaveUnspecifiedError = 1,
    WaveNoDevice = 2,
    WaveNotOpen = 5,
    WaveBadFormat = 32,
    WaveStillQueued = 33,
    WaveUnprepared = 34,
};

// The wave-input device 0 (the default input device) as the recorder uses
// it: capabilities, open with a buffer-done callback, buffers prepared once
// and queued again after each delivery, start/stop/reset, close.
class WaveInput {
public:
    using BufferDone = std::function<void(WaveBuffer&)>;

    virtual ~WaveInput() = default;
    // The standard formats (WaveFormatFlag bits) the device can capture.
    virtual WaveResult capabilities(uint32_t& formats) = 0;
    virtual WaveResult open(const WaveFormat& format, BufferDone bufferDone) = 0;
    virtual WaveResult prepare(WaveBuffer& buffer) = 0;
    virtual WaveResult unprepare(WaveBuffer& buffer) = 0;
    virtual WaveResult add(WaveBuffer& buffer) = 0;
    virtual WaveResult start() = 0;
    virtual WaveResult stop() = 0;
    // Stops and hands back every queued buffer (the one being filled with
    // what it holds) before returning.
    virtual WaveResult reset() = 0;
    virtual WaveResult close() = 0;
    // Non-zero when there is no text for `code`.
    virtual WaveResult errorText(WaveResult code, std::string& text) = 0;
};

} // namespace audio

#endif
