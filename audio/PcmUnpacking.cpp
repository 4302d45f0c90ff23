#include "audio/PcmUnpacking.h"

#include <cmath>
#include <cstring>

namespace audio {

namespace {

int32_t unpackUnsigned8(unsigned char byte) {
    uint32_t value = (static_cast<uint32_t>(byte ^ 0x80) << 24) | (0x7Fu << 16);
    return static_cast<int32_t>(value);
}

uint64_t unpackWord(const unsigned char* bytes, int width, bool littleEndian) {
    uint64_t value = 0;
    for (int i = 0; i < width; ++i)
        value = (value << 8) | (littleEndian ? bytes[width - 1 - i] : bytes[i]);
    return value;
}

int32_t unpackInteger(const unsigned char* bytes, int width, bool littleEndian) {
    return static_cast<int32_t>(static_cast<uint32_t>(unpackWord(bytes, width, littleEndian)) << (32 - 8 * width));
}

int32_t unpackFloat(const unsigned char* bytes, int width, bool littleEndian) {
    uint64_t word = unpackWord(bytes, width, littleEndian);
    double value;
    if (width == 4) {
        float single;
        auto bits = static_cast<uint32_t>(word);
        std::memcpy(&single, &bits, sizeof single);
        value = single;
    } else {
        std::memcpy(&value, &word, sizeof value);
    }
    if (std::isnan(value))
        return 0;
    if (value >= 1.0)
        return INT32_MAX;
    if (value <= -1.0)
        return INT32_MIN;
    return static_cast<int32_t>(std::lround(value * 2147483647.0));
}

int32_t clippedSample(double value) {
    if (value >= static_cast<double>(INT32_MAX))
        return INT32_MAX;
    if (value <= static_cast<double>(INT32_MIN))
        return INT32_MIN;
    return static_cast<int32_t>(std::lround(value));
}

} // namespace

bool PcmLayout::supported() const {
    if (channels < 1)
        return false;
    if (encoding == SampleEncoding::Float)
        return bitWidth == 32 || bitWidth == 64;
    if (encoding == SampleEncoding::UnsignedInteger)
        return bitWidth == 8;
    return bitWidth == 8 || bitWidth == 16 || bitWidth == 24 || bitWidth == 32;
}

void unpackPcmSamples(const unsigned char* bytes, size_t count, const PcmLayout& layout, int32_t* samples) {
    int width = layout.bytesPerSample();
    for (size_t i = 0; i < count; ++i, bytes += width) {
        switch (layout.encoding) {
        case SampleEncoding::UnsignedInteger: samples[i] = unpackUnsigned8(*bytes); break;
        case SampleEncoding::SignedInteger: samples[i] = unpackInteger(bytes, width, layout.littleEndian); break;
        case SampleEncoding::Float: samples[i] = unpackFloat(bytes, width, layout.littleEndian); break;
        }
    }
}

void mixToStereo(const int32_t* samples, size_t perChannel, const PcmLayout& layout, int* left, int* right) {
    int channels = layout.channels;
    if (channels <= 2) {
        for (size_t i = 0; i < perChannel; ++i) {
            left[i] = channels == 2 ? samples[2 * i] : samples[i];
            right[i] = channels == 2 ? samples[2 * i + 1] : 0;
        }
        return;
    }
    std::vector<Speaker> speakers =
        layout.speakers.size() == static_cast<size_t>(channels) ? layout.speakers : defaultSpeakers(channels);
    std::vector<StereoShare> shares;
    for (Speaker speaker : speakers)
        shares.push_back(stereoShareOf(speaker));
    for (size_t i = 0; i < perChannel; ++i) {
        const int32_t* frame = samples + i * static_cast<size_t>(channels);
        double mixedLeft = 0, mixedRight = 0;
        for (int channel = 0; channel < channels; ++channel) {
            mixedLeft += shares[static_cast<size_t>(channel)].left * frame[channel];
            mixedRight += shares[static_cast<size_t>(channel)].right * frame[channel];
        }
        left[i] = clippedSample(mixedLeft);
        right[i] = clippedSample(mixedRight);
    }
}

} // namespace audio
