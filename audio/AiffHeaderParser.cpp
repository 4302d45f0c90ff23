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
};

// The common chunk; an AIFF-C file also names its compression, of which
// only uncompressed big- and little-endian ("sowt") samples are taken.
bool readCommonChunk(AudioInput& input, bool compressed, AiffFormat& format, long long& remaining) {
    std::FILE* file = input.stream;
    uint32_t size;
    if (!readBig32(file, size) || !readBig16(file, format.channels) || !readBig32(file, format.sampleFrames) ||
        !readBig16(file, format.sampleSize) || !readExtendedFloat(file, format.sampleRate))
        return false;
    remaining -= size;
    long long left = static_cast<long long>(size) - 18;
    if (compressed) {
        unsigned char compression[4];
        if (readBytes(file, compression, 4) != 4)
            return false;
        left -= 4;
        if (!hasTag(compression, "NONE") && !hasTag(compression, "twos") && !hasTag(compression, "sowt"))
            return false;
        if (format.sampleSize == 16)
            input.swapBytes = hasTag(compression, "sowt");
    }
    // A chunk shorter than its own fields would send the skip backwards.
    return left >= 0 && skipBytes(file, static_cast<long>(left));
}

bool readSoundDataStart(std::FILE* file, uint32_t& blockSize) {
    uint32_t size, offset;
    return readBig32(file, size) && readBig32(file, offset) && readBig32(file, blockSize) &&
           skipBytes(file, static_cast<long>(offset));
}

bool isUsableRate(double rate) { return std::isfinite(rate) && rate >= 1 && rate <= 1e9; }

} // namespace

HeaderResult parseAiffHeader(AudioInput& input, lame_t encoder) {
    std::FILE* file = input.stream;
    uint32_t formSize;
    unsigned char tag[4];
    if (!readBig32(file, formSize) || readBytes(file, tag, 4) != 4)
        return HeaderResult::Declined;
    bool compressed = hasTag(tag, "AIFC");
    long long remaining = formSize;
    if ((!compressed && !hasTag(tag, "AIFF")) || remaining < 1)
        return HeaderResult::Declined;

    AiffFormat format;
    for (;;) {
        if (readBytes(file, tag, 4) != 4)
            return HeaderResult::Declined;
        remaining -= 4;
        if (hasTag(tag, "SSND"))
            break;
        if (hasTag(tag, "COMM")) {
            if (!readCommonChunk(input, compressed, format, remaining))
                return HeaderResult::Declined;
        } else {
            uint32_t size;
            if (!readBig32(file, size) || !skipBytes(file, static_cast<long>(size)))
                return HeaderResult::Declined;
            remaining -= size;
        }
        if (remaining < 1)
            return HeaderResult::Declined;
    }

    uint32_t blockSize;
    if (!readSoundDataStart(file, blockSize))
        return HeaderResult::Declined;
    if (format.sampleSize != 16 || (format.channels != 1 && format.channels != 2) || blockSize != 0 ||
        !isUsableRate(format.sampleRate))
        return HeaderResult::Declined;

    if (!acceptPcmFormat(input, encoder, static_cast<int>(format.channels), static_cast<int>(format.sampleRate),
                         static_cast<int>(format.sampleSize)))
        return HeaderResult::Failed;
    lame_set_num_samples(encoder, format.sampleFrames);
    return HeaderResult::Accepted;
}

} // namespace audio
