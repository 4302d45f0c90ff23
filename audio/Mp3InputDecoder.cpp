#include "audio/Mp3InputDecoder.h"

#include "audio/AudioByteReader.h"
#include "transform/FSMp3Frames.h"

#include <cstdint>
#include <cstring>
#include <limits>
#include <string>
#include <sys/stat.h>
#include <vector>

namespace audio {

namespace {

constexpr size_t StartupPiece = 100;
constexpr size_t DecodingPiece = 1024;
constexpr size_t ChainLookahead = 4 + transform::FSMp3ChainBytes;

void releaseDecoder(AudioInput& input) {
    if (input.decoder)
        hip_decode_exit(input.decoder);
    input.decoder = nullptr;
}

int decodeChunk(AudioInput& input, unsigned char* bytes, size_t count, short left[], short right[]) {
    mp3data_struct facts{};
    int samples = hip_decode1_headers(input.decoder, bytes, count, left, right, &facts);
    if (facts.header_parsed) {
        input.mp3.headerParsed = true;
        input.mp3.channels = facts.stereo;
        input.mp3.sampleRate = facts.samplerate;
        input.mp3.bitrate = facts.bitrate;
        input.mp3.totalFrames = facts.totalframes;
        input.mp3.sampleCount = facts.nsamp;
    }
    return samples;
}

// The bytes from `back` bytes before the stream's position to the end of
// its file; for a stream that cannot tell, as many as there could be.
std::uint64_t bytesToEnd(std::FILE* file, long back) {
    struct stat status;
    long at = std::ftell(file);
    if (at < back || fstat(fileno(file), &status) != 0 || !S_ISREG(status.st_mode) || status.st_size < at - back)
        return std::numeric_limits<std::uint64_t>::max();
    return static_cast<std::uint64_t>(status.st_size - (at - back));
}

// Skips ID3v2 tags and an "AiD" header; leaves the next four bytes in
// `window`.
bool skipLeadingTags(std::FILE* file, unsigned char window[4]) {
    if (readBytes(file, window, 4) != 4)
        return false;
    while (std::memcmp(window, "ID3", 3) == 0) {
        unsigned char header[10];
        std::memcpy(header, window, 4);
        if (readBytes(file, header + 4, 6) != 6)
            return false;
        size_t skip = transform::id3v2TagSkip(header, sizeof header, bytesToEnd(file, sizeof header));
        if (skip == 0)
            break;
        if (!skipBytes(file, static_cast<long>(skip - sizeof header)) || readBytes(file, window, 4) != 4)
            return false;
    }
    if (std::memcmp(window, "AiD\1", 4) == 0) {
        uint32_t length;
        if (!readLittle16(file, length) || !skipBytes(file, static_cast<long>(length) - 6) ||
            readBytes(file, window, 4) != 4)
            return false;
    }
    return true;
}

// Whether frames chain from the header in `window`, the file being just
// past it; the file is left where it was. A stream that cannot seek back
// is taken at its word.
bool framesChainFrom(std::FILE* file, const unsigned char window[4]) {
    long at = std::ftell(file);
    if (at < 0)
        return true;
    unsigned char ahead[ChainLookahead];
    std::memcpy(ahead, window, 4);
    size_t count = 4 + readBytes(file, ahead + 4, ChainLookahead - 4);
    bool chained = transform::mp3FramesChainAt(ahead, count, 0);
    return std::fseek(file, at, SEEK_SET) == 0 && chained;
}

// The first header from which frames chain, within the search limit; a
// header that does not read as one is passed over before looking ahead.
bool findFrameHeader(std::FILE* file, unsigned char window[4]) {
    transform::FSMp3FrameHeader header;
    for (size_t next = 1; !transform::readMp3FrameHeader(window, 4, header) || !framesChainFrom(file, window);
         ++next) {
        std::memmove(window, window + 1, 3);
        if (next == transform::FSMp3SearchLimit || readBytes(file, window + 3, 1) != 1)
            return false;
    }
    return true;
}

bool readDecoderHeader(AudioInput& input, unsigned char window[4]) {
    short left[BlockSamples], right[BlockSamples];
    if (decodeChunk(input, window, 4, left, right) == -1)
        return false;
    unsigned char piece[StartupPiece];
    while (!input.mp3.headerParsed) {
        if (readBytes(input.stream, piece, StartupPiece) != StartupPiece)
            return false;
        if (decodeChunk(input, piece, StartupPiece, left, right) == -1)
            return false;
    }
    return true;
}

StreamShape shapeOf(const transform::FSMp3FrameHeader& header) {
    return {static_cast<int>(header.sampleRate), static_cast<int>(header.channels())};
}

// The decoder drops frames of another rate or channel count without a
// word, so a file that changes part way would lose its second part: such a
// file is refused. Streams that cannot seek are taken as they come.
bool holdsOneStream(AudioInput& input) {
    std::FILE* file = input.stream;
    long at = std::ftell(file);
    if (at < 0 || std::fseek(file, 0, SEEK_END) != 0)
        return true;
    long size = std::ftell(file);
    std::vector<unsigned char> bytes(size > 0 ? static_cast<size_t>(size) : 0);
    bool read = std::fseek(file, 0, SEEK_SET) == 0 && readBytes(file, bytes.data(), bytes.size()) == bytes.size();
    std::fseek(file, at, SEEK_SET);
    transform::FSMp3Walk walk;
    if (!read || !transform::walkMp3Frames(bytes.data(), bytes.size(), std::numeric_limits<size_t>::max(), walk) ||
        !walk.changes)
        return true;
    input.problem.cause = ConversionCause::Mp3StreamChanges;
    input.problem.from = shapeOf(walk.stream);
    input.problem.to = shapeOf(walk.changedTo);
    return false;
}

} // namespace

bool startMp3Input(AudioInput& input) {
    if (!holdsOneStream(input))
        return false;
    unsigned char window[4];
    for (;;) {
        input.mp3 = Mp3InputFacts();
        releaseDecoder(input);
        input.decoder = hip_decode_init();
        if (!input.decoder) {
            input.problem.cause = ConversionCause::Mp3DecoderNotStarted;
            return false;
        }
        if (!skipLeadingTags(input.stream, window) || !findFrameHeader(input.stream, window)) {
            input.problem.cause = ConversionCause::NoMp3Frame;
            return false;
        }
        if (!readDecoderHeader(input, window)) {
            input.problem.cause = ConversionCause::Mp3FirstFrameUnreadable;
            return false;
        }
        // A frame whose bitrate the decoder cannot tell was a false header
        // (chained frames are never of free format).
        if (input.mp3.bitrate != 0)
            break;
    }
    if (input.mp3.totalFrames <= 0)
        input.mp3.sampleCount = UnknownSampleCount;
    return true;
}

int decodeMp3Block(AudioInput& input, short left[], short right[]) {
    if (!input.decoder)
        return 0;
    unsigned char piece[DecodingPiece];
    int samples = decodeChunk(input, piece, 0, left, right);
    while (samples == 0) {
        size_t count = readBytes(input.stream, piece, DecodingPiece);
        samples = decodeChunk(input, piece, count, left, right);
        if (count == 0)
            break;
    }
    if (samples > 0)
        return samples;
    releaseDecoder(input);
    return 0;
}

} // namespace audio
