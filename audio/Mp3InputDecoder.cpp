#include "audio/Mp3InputDecoder.h"

#include "audio/AudioByteReader.h"

#include <cstring>

namespace audio {

namespace {

constexpr size_t StartupPiece = 100;
constexpr size_t DecodingPiece = 1024;

int bitrateIndex(const unsigned char header[4]) { return header[2] >> 4; }

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

// Skips an ID3v2 tag and an "AiD" header; leaves the next four bytes in
// `window`.
bool skipLeadingTags(std::FILE* file, unsigned char window[4]) {
    if (readBytes(file, window, 4) != 4)
        return false;
    if (std::memcmp(window, "ID3", 3) == 0) {
        unsigned char rest[6];
        if (readBytes(file, rest, 6) != 6)
            return false;
        long size = 0;
        for (int i = 2; i < 6; ++i)
            size = (size << 7) | (rest[i] & 0x7F);
        if (!skipBytes(file, size) || readBytes(file, window, 4) != 4)
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

bool findFrameHeader(std::FILE* file, unsigned char window[4]) {
    while (!isLayer3FrameHeader(window)) {
        std::memmove(window, window + 1, 3);
        if (readBytes(file, window + 3, 1) != 1)
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

} // namespace

bool isLayer3FrameHeader(const unsigned char header[4]) {
    int version = (header[1] >> 3) & 3;
    int layer = (header[1] >> 1) & 3;
    int rateIndex = (header[2] >> 2) & 3;
    int emphasis = header[3] & 3;
    return header[0] == 0xFF && (header[1] & 0xE0) == 0xE0 && version != 1 && layer == 1 &&
           bitrateIndex(header) != 15 && rateIndex != 3 && emphasis != 2;
}

bool startMp3Input(AudioInput& input) {
    unsigned char window[4];
    for (;;) {
        input.mp3 = Mp3InputFacts();
        releaseDecoder(input);
        input.decoder = hip_decode_init();
        if (!input.decoder) {
            input.error = "the MP3 decoder cannot be started";
            return false;
        }
        if (!skipLeadingTags(input.stream, window) || !findFrameHeader(input.stream, window)) {
            input.error = "no MPEG Layer III frame was found";
            return false;
        }
        if (!readDecoderHeader(input, window)) {
            input.error = "the MP3 decoder cannot read the first frame";
            return false;
        }
        // A frame whose bitrate the decoder cannot tell was a false header.
        if (input.mp3.bitrate != 0 || bitrateIndex(window) == 0)
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
