#include "audio/AudioByteReader.h"
#include "audio/AudioHeaderParsers.h"

#include <sys/stat.h>

namespace audio {

namespace {

constexpr int MostChunksBeforeData = 20;
constexpr uint32_t PcmTag = 1;
constexpr uint32_t FloatTag = 3;
constexpr uint32_t ExtensibleTag = 0xFFFE;
// What streaming writers put in a size they could not know.
constexpr uint32_t UnknownLength = 0xFFFFFFFF;

struct WavFormat {
    uint32_t formatTag = 0;
    uint32_t channels = 0;
    uint32_t sampleRate = 0;
    uint32_t bitsPerSample = 0;
    uint32_t channelMask = 0;  // 0: the default order
    bool read = false;
};

// WAVE_FORMAT_EXTENSIBLE names the real format in the first two bytes of
// its sub-format GUID.
bool readExtension(std::FILE* file, uint32_t size, WavFormat& format, uint64_t& consumed) {
    if (format.formatTag != ExtensibleTag || size < 40)
        return true;
    uint32_t extensionSize, validBits, subFormat;
    if (!readLittle16(file, extensionSize) || !readLittle16(file, validBits) ||
        !readLittle32(file, format.channelMask) || !readLittle16(file, subFormat))
        return false;
    format.formatTag = subFormat;
    consumed += 10;
    return true;
}

bool readFormatChunk(std::FILE* file, WavFormat& format) {
    uint32_t size, ignored;
    if (!readLittle32(file, size) || size < 16)
        return false;
    bool read = readLittle16(file, format.formatTag) && readLittle16(file, format.channels) &&
                readLittle32(file, format.sampleRate) && readLittle32(file, ignored) &&
                readLittle16(file, ignored) && readLittle16(file, format.bitsPerSample);
    uint64_t consumed = 16;
    if (!read || !readExtension(file, size, format, consumed))
        return false;
    format.read = true;
    return skipChunkRest(file, static_cast<long long>(size - consumed), size);
}

// The bytes left in the file from here, for a data chunk whose length the
// writer could not fill in.
uint64_t bytesLeft(std::FILE* file) {
    struct stat status;
    long at = std::ftell(file);
    if (at < 0 || fstat(fileno(file), &status) != 0 || status.st_size < at)
        return 0;
    return static_cast<uint64_t>(status.st_size - at);
}

std::optional<PcmLayout> layoutFor(const WavFormat& format) {
    PcmLayout layout;
    layout.channels = static_cast<int>(format.channels);
    if (format.channels > 2)
        layout.speakers = speakersOfWaveMask(format.channelMask, layout.channels);
    layout.bitWidth = static_cast<int>((format.bitsPerSample + 7) / 8 * 8);
    layout.littleEndian = true;
    switch (format.formatTag) {
    case PcmTag:
        layout.encoding = layout.bitWidth == 8 ? SampleEncoding::UnsignedInteger : SampleEncoding::SignedInteger;
        return layout;
    case FloatTag: layout.encoding = SampleEncoding::Float; return layout;
    default: return std::nullopt;
    }
}

} // namespace

HeaderResult parseWavHeader(AudioInput& input, lame_t encoder) {
    std::FILE* file = input.stream;
    ContainerHeader riff;
    if (!readContainerHeader(file, ByteOrder::LittleEndian, riff) || !hasTag(riff.formType, "WAVE"))
        return HeaderResult::Declined;

    WavFormat format;
    bool foundData = false;
    uint32_t dataLength = 0;
    unsigned char tag[4];
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
            if (!skipChunk(file, ByteOrder::LittleEndian, size))
                return HeaderResult::Declined;
        }
    }
    if (!format.read || !foundData)
        return HeaderResult::Declined;
    return acceptHeader(input, encoder, layoutFor(format), static_cast<int>(format.sampleRate),
                        [file, dataLength](const PcmLayout& layout) {
                            bool lengthKnown = dataLength != UnknownLength && dataLength != 0;
                            return framesIn(lengthKnown ? dataLength : bytesLeft(file), layout);
                        });
}

} // namespace audio
