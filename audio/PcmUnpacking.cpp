#include "audio/PcmUnpacking.h"

namespace audio {

namespace {

int32_t unpackUnsigned8(unsigned char byte) {
    uint32_t value = (static_cast<uint32_t>(byte ^ 0x80) << 24) | (0x7Fu << 16);
    return static_cast<int32_t>(value);
}

int32_t unpackWide(const unsigned char* bytes, int width, bool littleEndian) {
    uint32_t value = 0;
    for (int i = 0; i < width; ++i) {
        unsigned char byte = littleEndian ? bytes[width - 1 - i] : bytes[i];
        value |= static_cast<uint32_t>(byte) << (24 - 8 * i);
    }
    return static_cast<int32_t>(value);
}

} // namespace

void unpackPcmSamples(const unsigned char* bytes, size_t count, int bitWidth, bool littleEndian, int32_t* samples) {
    int width = bitWidth / 8;
    for (size_t i = 0; i < count; ++i, bytes += width)
        samples[i] = width == 1 ? unpackUnsigned8(*bytes) : unpackWide(bytes, width, littleEndian);
}

void splitChannels(const int32_t* samples, size_t perChannel, int channels, int* left, int* right) {
    for (size_t i = 0; i < perChannel; ++i) {
        left[i] = channels == 2 ? samples[2 * i] : samples[i];
        right[i] = channels == 2 ? samples[2 * i + 1] : 0;
    }
}

} // namespace audio
