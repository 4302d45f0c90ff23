#ifndef AUDIO_SOUNDOUTPUT_H
#define AUDIO_SOUNDOUTPUT_H

#include <cstddef>
#include <cstdint>

namespace audio {

// Where a preview plays: 16-bit interleaved samples at a rate, written as
// fast as the output takes them.
class SoundOutput {
public:
    virtual ~SoundOutput() = default;
    virtual bool open(int sampleRate, int channels) = 0;
    // Blocks while the output is busy; false when it cannot take samples.
    virtual bool write(const int16_t* samples, size_t frames) = 0;
    virtual void close() = 0;
};

} // namespace audio

#endif
