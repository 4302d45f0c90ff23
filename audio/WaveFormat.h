#ifndef AUDIO_WAVEFORMAT_H
#define AUDIO_WAVEFORMAT_H

#include <array>
#include <cstddef>
#include <cstdint>

namespace audio {

// The standard capture formats a device can report, one flag each: four
// per rate group (mono 8-bit, stereo 8-bit, mono 16-bit, stereo 16-bit).
enum WaveFormatFlag : uint32_t {
    Format11kMono8 = 0x1, Format11kStereo8 = 0x2, Format11kMono16 = 0x4, Format11kStereo16 = 0x8,
    Format22kMono8 = 0x10, Format22kStereo8 = 0x20, Format22kMono16 = 0x40, Format22kStereo16 = 0x80,
    Format44kMono8 = 0x100, Format44kStereo8 = 0x200, Format44kMono16 = 0x400, Format44kStereo16 = 0x800,
    Format96kMono8 = 0x10000, Format96kStereo8 = 0x20000, Format96kMono16 = 0x40000, Format96kStereo16 = 0x80000,
};

// The PCM format record, also written as the "fmt " chunk of a recording.
struct WaveFormat {
    uint16_t formatTag = 1;
    uint16_t channels = 1;
    uint32_t samplesPerSecond = 0;
    uint32_t averageBytesPerSecond = 0;
    uint16_t blockAlign = 0;
    uint16_t bitsPerSample = 16;
    uint16_t extraSize = 18;
};

constexpr size_t WaveFormatRecordSize = 18;

// The format a capability flag stands for; a flag outside the standard set
// gives a format with no rate.
WaveFormat waveFormatForFlag(uint32_t flag);
// The 18 little-endian bytes of the record.
std::array<unsigned char, WaveFormatRecordSize> waveFormatBytes(const WaveFormat& format);

} // namespace audio

#endif
