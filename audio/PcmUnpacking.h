#ifndef AUDIO_PCMUNPACKING_H
#define AUDIO_PCMUNPACKING_H

#include <cstddef>
#include <cstdint>

namespace audio {

// Turns `count` packed samples of `bitWidth` bits (8, 16, 24 or 32) into
// left-justified 32-bit samples. 8-bit samples are unsigned; wider ones are
// taken least significant byte first when `littleEndian`.
void unpackPcmSamples(const unsigned char* bytes, size_t count, int bitWidth, bool littleEndian, int32_t* samples);

// Splits interleaved samples into left and right; mono goes to the left and
// the right is zeroed.
void splitChannels(const int32_t* samples, size_t perChannel, int channels, int* left, int* right);

} // namespace audio

#endif
