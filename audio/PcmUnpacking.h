#ifndef AUDIO_PCMUNPACKING_H
#define AUDIO_PCMUNPACKING_H

#include "audio/SpeakerLayout.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace audio {

enum class SampleEncoding { SignedInteger, UnsignedInteger, Float };

// How a PCM file packs its samples.
struct PcmLayout {
    int channels = 2;
    int bitWidth = 16;  // 8, 16, 24 or 32; 32 or 64 for floats
    SampleEncoding encoding = SampleEncoding::SignedInteger;
    bool littleEndian = false;
    // The speaker of each channel; empty for the default order.
    std::vector<Speaker> speakers;

    int bytesPerSample() const { return bitWidth / 8; }
    int frameBytes() const { return channels * bytesPerSample(); }
    // Whether the reader can unpack it.
    bool supported() const;
};

// Turns `count` packed samples into left-justified 32-bit samples; floats
// are clipped to full scale.
void unpackPcmSamples(const unsigned char* bytes, size_t count, const PcmLayout& layout, int32_t* samples);

// Hands interleaved samples of the layout's channels to the encoder's two
// arrays: mono goes to the left with the right zeroed, stereo is split, and
// more channels are mixed down to stereo by their speakers' shares
// (stereoShareOf), then clipped to full scale.
void mixToStereo(const int32_t* samples, size_t perChannel, const PcmLayout& layout, int* left, int* right);

} // namespace audio

#endif
