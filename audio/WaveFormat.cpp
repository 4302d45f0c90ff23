#include "audio/WaveFormat.h"

namespace audio {

namespace {

struct RateGroup {
    uint32_t firstFlag;
    uint32_t rate;
};
const RateGroup RateGroups[] = {{Format11kMono8, 11025}, {Format22kMono8, 22050},
                                {Format44kMono8, 44100}, {Format96kMono8, 96000}};

void putLittle(unsigned char*& out, uint32_t value, int size) {
    for (int i = 0; i < size; ++i)
        *out++ = static_cast<unsigned char>(value >> (8 * i));
}

} // namespace

WaveFormat waveFormatForFlag(uint32_t flag) {
    WaveFormat format;
    format.samplesPerSecond = 0;
    for (const RateGroup& group : RateGroups) {
        for (uint32_t step = 0; step < 4; ++step) {
            if (flag != group.firstFlag << step)
                continue;
            format.samplesPerSecond = group.rate;
            format.channels = (step % 2 == 1) ? 2 : 1;
            format.bitsPerSample = step >= 2 ? 16 : 8;
        }
    }
    format.blockAlign = static_cast<uint16_t>(format.bitsPerSample * format.channels / 8);
    format.averageBytesPerSecond = format.blockAlign * format.samplesPerSecond;
    return format;
}

std::array<unsigned char, WaveFormatRecordSize> waveFormatBytes(const WaveFormat& format) {
    std::array<unsigned char, WaveFormatRecordSize> bytes{};
    unsigned char* out = bytes.data();
    putLittle(out, format.formatTag, 2);
    putLittle(out, format.channels, 2);
    putLittle(out, format.samplesPerSecond, 4);
    putLittle(out, format.averageBytesPerSecond, 4);
    putLittle(out, format.blockAlign, 2);
    putLittle(out, format.bitsPerSample, 2);
    putLittle(out, format.extraSize, 2);
    return bytes;
}

} // namespace audio
