#include "transform/FSMp3Frames.h"

#include <cstdint>

namespace transform {

namespace {

constexpr int LayerIII = 1;
constexpr size_t HeaderSize = 4;
constexpr size_t Id3HeaderSize = 10;

const int BitRates[2][16] = {
    {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160, 0},
    {0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 0},
};
// By version (MPEG-2.5, reserved, MPEG-2, MPEG-1) and rate index.
const int SampleRates[4][3] = {{11025, 12000, 8000}, {0, 0, 0}, {22050, 24000, 16000}, {44100, 48000, 32000}};

bool startsWith(const unsigned char* bytes, size_t size, const char* text) {
    size_t i = 0;
    for (; text[i] != '\0'; ++i)
        if (i >= size || bytes[i] != static_cast<unsigned char>(text[i]))
            return false;
    return true;
}

// ID3v1, APEv2 and Lyrics3 tags follow the audio.
bool startsTrailingTag(const unsigned char* bytes, size_t size) {
    return startsWith(bytes, size, "TAG") || startsWith(bytes, size, "APETAGEX") ||
           startsWith(bytes, size, "LYRICSBEGIN");
}

} // namespace

int mp3SamplesPerFrame(int version) { return version == FSMpeg1 ? 1152 : 576; }

int mp3SamplesPerFrameAtRate(int sampleRate) { return mp3SamplesPerFrame(sampleRate >= 32000 ? FSMpeg1 : FSMpeg2); }

bool FSMp3FrameHeader::sameStreamAs(const FSMp3FrameHeader& other) const {
    return version == other.version && sampleRate == other.sampleRate && channels() == other.channels();
}

bool readMp3FrameHeader(const unsigned char* bytes, size_t available, FSMp3FrameHeader& header) {
    if (available < HeaderSize || bytes[0] != 0xFF || (bytes[1] & 0xE0) != 0xE0)
        return false;
    int version = (bytes[1] >> 3) & 3;
    int layer = (bytes[1] >> 1) & 3;
    int bitRateIndex = bytes[2] >> 4;
    int rateIndex = (bytes[2] >> 2) & 3;
    int emphasis = bytes[3] & 3;
    if (version == FSMpegReserved || layer != LayerIII || bitRateIndex == 0 || bitRateIndex == 15 || rateIndex == 3 ||
        emphasis == 2)
        return false;
    header.version = version;
    header.bitRate = BitRates[version == FSMpeg1][bitRateIndex];
    header.sampleRate = SampleRates[version][rateIndex];
    header.padding = (bytes[2] >> 1) & 1;
    header.channelMode = bytes[3] >> 6;
    header.frameLength = (version == FSMpeg1 ? 144 : 72) * header.bitRate * 1000 / header.sampleRate + header.padding;
    return true;
}

size_t id3v2TagLength(const unsigned char* bytes, size_t size) {
    if (size < Id3HeaderSize || bytes[0] != 'I' || bytes[1] != 'D' || bytes[2] != '3' || bytes[3] == 0xFF ||
        bytes[4] == 0xFF)
        return 0;
    size_t body = 0;
    for (int i = 6; i < 10; ++i) {
        if (bytes[i] & 0x80)
            return 0;
        body = (body << 7) | bytes[i];
    }
    bool footer = (bytes[5] & 0x10) != 0;
    size_t length = Id3HeaderSize + body + (footer ? Id3HeaderSize : 0);
    return length <= size ? length : 0;
}

size_t id3v2TagSkip(const unsigned char* header, size_t available, std::uint64_t remaining) {
    size_t declared = id3v2TagLength(header, available < Id3HeaderSize ? 0 : SIZE_MAX);
    if (declared == 0)
        return 0;
    return declared <= remaining ? declared : Id3HeaderSize;
}

bool mp3FramesChainAt(const unsigned char* bytes, size_t size, size_t offset) {
    FSMp3FrameHeader first;
    if (offset > size || !readMp3FrameHeader(bytes + offset, size - offset, first))
        return false;
    size_t at = offset + static_cast<size_t>(first.frameLength);
    for (int frame = 1; frame < FSMp3ChainRun; ++frame) {
        // A short file ends here: exactly after a frame, in a tag, or (once
        // frames have chained) inside a last frame cut short.
        if (at == size || (at < size && startsTrailingTag(bytes + at, size - at)))
            return true;
        if (at + HeaderSize > size)
            return frame > 1;
        FSMp3FrameHeader next;
        if (!readMp3FrameHeader(bytes + at, size - at, next) || !next.sameStreamAs(first))
            return false;
        at += static_cast<size_t>(next.frameLength);
    }
    return true;
}

size_t findChainedMp3Frame(const unsigned char* bytes, size_t size, size_t from, size_t searched) {
    if (from >= size)
        return size;
    size_t end = searched < size - from ? from + searched : size;
    for (size_t at = from; at < end && at + HeaderSize <= size; ++at)
        if (bytes[at] == 0xFF && mp3FramesChainAt(bytes, size, at))
            return at;
    return size;
}

size_t mp3AudioStart(const unsigned char* bytes, size_t size) {
    size_t start = 0;
    while (size_t skip = id3v2TagSkip(bytes + start, size - start, size - start))
        start += skip;
    return start;
}

} // namespace transform

namespace transform {

bool walkMp3Frames(const unsigned char* bytes, size_t size, size_t mostFrames, FSMp3Walk& walk) {
    walk = FSMp3Walk();
    size_t at = findChainedMp3Frame(bytes, size, mp3AudioStart(bytes, size), FSMp3SearchLimit);
    if (at >= size || !readMp3FrameHeader(bytes + at, size - at, walk.stream))
        return false;
    while (at < size) {
        FSMp3FrameHeader header;
        if (!readMp3FrameHeader(bytes + at, size - at, header) || !header.sameStreamAs(walk.stream)) {
            size_t next = findChainedMp3Frame(bytes, size, at + 1, size);
            if (next >= size)
                break;
            FSMp3FrameHeader resumed;
            readMp3FrameHeader(bytes + next, size - next, resumed);
            if (!resumed.sameStreamAs(walk.stream)) {
                walk.changes = true;
                walk.changedTo = resumed;
                break;
            }
            at = next;
            continue;
        }
        if (walk.frames.size() >= mostFrames) {
            walk.tooManyFrames = true;
            break;
        }
        size_t length = static_cast<size_t>(header.frameLength);
        walk.frames.push_back({at, length < size - at ? length : size - at});
        at += length;
    }
    return true;
}

} // namespace transform
