#include "audio/AudioByteReader.h"
#include "audio/AudioHeaderParsers.h"

#include <cmath>

namespace audio {

namespace {

struct AiffFormat {
    uint32_t channels = 0;
    uint32_t sampleFrames = 0;
    uint32_t sampleSize = 0;
    double sampleRate = 0;
    unsigned char compression[4] = {'N', 'O', 'N', 'E'};
};

// The common chunk; an AIFF-C file also names its compression.
bool readCommonChunk(std::FILE* file, bool compressed, AiffFormat& format, long long& remaining) {
    uint32_t size;
    if (!readBig32(file, size) || !readBig16(file, format.channels) || !readBig32(file, format.sampleFrames) ||
        !readBig16(file, format.sampleSize) || !readExtendedFloat(file, format.sampleRate))
        return false;
    remaining -= size + (size & 1);
    long long left = static_cast<long long>(size) - 18;
    if (compressed) {
        if (readBytes(file, format.compression, 4) != 4)
            return false;
        left -= 4;
    }
    // A chunk shorter than its own fields would send the skip backwards.
    return skipChunkRest(file, left, size);
}

bool readSoundDataStart(std::FILE* file) {
    uint32_t size, offset, blockSize;
    return readBig32(file, size) && readBig32(file, offset) && readBig32(file, blockSize) &&
           skipBytes(file, static_cast<long>(offset));
}

bool isUsableRate(double rate) { return std::isfinite(rate) && rate >= 1 && rate <= 1e9; }

// The layouts the reader unpacks itself; the rest go to libsndfile.
std::optional<PcmLayout> layoutFor(const AiffFormat& format) {
    PcmLayout layout;
    layout.channels = static_cast<int>(format.channels);
    layout.bitWidth = static_cast<int>((format.sampleSize + 7) / 8 * 8);
    layout.encoding = SampleEncoding::SignedInteger;
    layout.littleEndian = false;
    const unsigned char* name = format.compression;
    if (hasTag(name, "NONE") || hasTag(name, "twos"))
        return layout;
    if (hasTag(name, "sowt")) {
        layout.littleEndian = true;
        return layout;
    }
    layout.encoding = SampleEncoding::Float;
    if (hasTag(name, "fl32") || hasTag(name, "FL32"))
        layout.bitWidth = 32;
    else if (hasTag(name, "fl64") || hasTag(name, "FL64"))
        layout.bitWidth = 64;
    else
        return std::nullopt;
    return layout;
}

} // namespace

HeaderResult parseAiffHeader(AudioInput& input, lame_t encoder) {
    std::FILE* file = input.stream;
    ContainerHeader form;
    if (!readContainerHeader(file, ByteOrder::BigEndian, form))
        return HeaderResult::Declined;
    bool compressed = hasTag(form.formType, "AIFC");
    long long remaining = form.size;
    if ((!compressed && !hasTag(form.formType, "AIFF")) || remaining < 1)
        return HeaderResult::Declined;

    AiffFormat format;
    bool foundCommon = false;
    unsigned char tag[4];
    for (;;) {
        if (readBytes(file, tag, 4) != 4)
            return HeaderResult::Declined;
        remaining -= 4;
        if (hasTag(tag, "SSND"))
            break;
        if (hasTag(tag, "COMM")) {
            if (!readCommonChunk(file, compressed, format, remaining))
                return HeaderResult::Declined;
            foundCommon = true;
        } else {
            uint32_t size;
            if (!skipChunk(file, ByteOrder::BigEndian, size))
                return HeaderResult::Declined;
            remaining -= size + (size & 1);
        }
        if (remaining < 1)
            return HeaderResult::Declined;
    }
    if (!foundCommon || !readSoundDataStart(file) || !isUsableRate(format.sampleRate))
        return HeaderResult::Declined;
    return acceptHeader(input, encoder, layoutFor(format), static_cast<int>(std::lround(format.sampleRate)),
                        [&format](const PcmLayout&) { return format.sampleFrames; });
}

} // namespace audio
