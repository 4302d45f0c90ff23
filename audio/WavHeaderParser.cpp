#include "audio/AudioByteReader.h"
#include "audio/AudioHeaderParsers.h"


namespace audio {

namespace {

constexpr int MostChunksBeforeData = 20;

struct WavFormat {
    uint32_t formatTag = 0;
    uint32_t channels = 0;
    uint32_t sampleRate = 0;
    uint32_t bitsPerSample = 0;
};

bool readFormatChunk(std::FILE* file, WavFormat& format) {
    uint32_t size, ignored;
    if (!readLittle32(file, size) || size < 16)
        return false;
    bool read = readLittle16(file, format.formatTag) && readLittle16(file, format.channels) &&
                readLittle32(file, format.sampleRate) && readLittle32(file, ignored) &&
                readLittle16(file, ignored) && readLittle16(file, format.bitsPerSample);
    return read && (size == 16 || skipBytes(file, static_cast<long>(size - 16)));
}

} // namespace

HeaderResult parseWavHeader(AudioInput& input, lame_t encoder) {
    std::FILE* file = input.stream;
    uint32_t riffLength;
    unsigned char tag[4];
    if (!readLittle32(file, riffLength) || readBytes(file, tag, 4) != 4 || !hasTag(tag, "WAVE"))
        return HeaderResult::Declined;

    WavFormat format;
    bool foundData = false;
    uint32_t dataLength = 0;
    for (int chunk = 0; chunk < MostChunksBeforeData && !foundData; ++chunk) {
        if (readBytes(file, tag, 4) != 4)
            return HeaderResult::Declined;
        if (hasTag(tag, "fmt ")) {
            if (!readFormatChunk(file, format))
                return HeaderResult::Declined;
        } else if (hasTag(tag, "data")) {
            if (!readLittle32(file, dataLength))
                return HeaderResult::Declined;
            foundData = true;
        } else {
            uint32_t size;
            if (!readLittle32(file, size) || !skipBytes(file, static_cast<long>(size)))
                return HeaderResult::Declined;
        }
    }
    if (format.formatTag != 1 || !foundData)
        return HeaderResult::Declined;

    if (!acceptPcmFormat(input, encoder, static_cast<int>(format.channels), static_cast<int>(format.sampleRate),
                         static_cast<int>(format.bitsPerSample)))
        return HeaderResult::Failed;
    lame_set_num_samples(encoder, dataLength / (format.channels * ((format.bitsPerSample + 7) / 8)));
    return HeaderResult::Accepted;
}

} // namespace audio
