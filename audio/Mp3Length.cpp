#include "audio/Mp3Length.h"

#include "transform/FSMp3Frames.h"

#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace audio {

namespace {

using transform::FSMp3FrameHeader;

// Where an encoder's summary (a frame of silence, streamed as the others)
// begins in its first frame: after the header and the side information.
constexpr size_t VbriOffset = 4 + 32;
size_t xingOffset(const FSMp3FrameHeader& header) {
    bool mono = header.channels() == 1;
    if (header.version == transform::FSMpeg1)
        return 4 + (mono ? 17 : 32);
    return 4 + (mono ? 9 : 17);
}

std::uint32_t big32(const unsigned char* bytes) {
    return static_cast<std::uint32_t>(bytes[0]) << 24 | static_cast<std::uint32_t>(bytes[1]) << 16 |
           static_cast<std::uint32_t>(bytes[2]) << 8 | bytes[3];
}

bool readAt(int descriptor, std::uint64_t at, unsigned char* bytes, size_t count) {
    return ::pread(descriptor, bytes, count, static_cast<off_t>(at)) == static_cast<ssize_t>(count);
}

// The frames a summary counts, 0 without one. A summary whose byte count
// is more than the file holds is of a file cut short, and not believed.
std::uint64_t summaryFrames(const unsigned char* frame, size_t size, const FSMp3FrameHeader& header,
                            std::uint64_t remaining) {
    size_t xing = xingOffset(header);
    if (xing + 16 <= size && (std::memcmp(frame + xing, "Xing", 4) == 0 || std::memcmp(frame + xing, "Info", 4) == 0)) {
        std::uint32_t flags = big32(frame + xing + 4);
        bool hasFrames = (flags & 1) != 0, hasBytes = (flags & 2) != 0;
        std::uint32_t bytes = hasBytes ? big32(frame + xing + (hasFrames ? 12 : 8)) : 0;
        return hasFrames && bytes <= remaining ? big32(frame + xing + 8) : 0;
    }
    if (VbriOffset + 18 <= size && std::memcmp(frame + VbriOffset, "VBRI", 4) == 0)
        return big32(frame + VbriOffset + 10) <= remaining ? big32(frame + VbriOffset + 14) : 0;
    return 0;
}

// Frames of the stream one after another from `at`, each header where the
// previous frame ends, until one does not follow or `enough` is passed.
std::uint64_t walkedSamples(int descriptor, std::uint64_t at, const FSMp3FrameHeader& first, std::uint64_t enough) {
    std::uint64_t samples = 0;
    unsigned char bytes[4];
    FSMp3FrameHeader header;
    while (samples <= enough && readAt(descriptor, at, bytes, sizeof bytes) &&
           transform::readMp3FrameHeader(bytes, sizeof bytes, header) && header.sameStreamAs(first)) {
        samples += static_cast<std::uint64_t>(header.samplesPerFrame());
        at += static_cast<std::uint64_t>(header.frameLength);
    }
    return samples;
}

} // namespace

Mp3Length measureMp3(int descriptor, std::uint64_t firstFrame, int enoughSeconds) {
    unsigned char frame[transform::FSMp3LongestFrame];
    struct stat status;
    FSMp3FrameHeader header;
    if (::fstat(descriptor, &status) != 0 || static_cast<std::uint64_t>(status.st_size) <= firstFrame)
        return {};
    std::uint64_t remaining = static_cast<std::uint64_t>(status.st_size) - firstFrame;
    size_t size = remaining < sizeof frame ? static_cast<size_t>(remaining) : sizeof frame;
    if (!readAt(descriptor, firstFrame, frame, size) || !transform::readMp3FrameHeader(frame, size, header))
        return {};
    auto samplesPerFrame = static_cast<std::uint64_t>(header.samplesPerFrame());
    if (std::uint64_t frames = summaryFrames(frame, size, header, remaining))
        return {(frames + 1) * samplesPerFrame, header.sampleRate};
    std::uint64_t enough = static_cast<std::uint64_t>(enoughSeconds) * static_cast<std::uint64_t>(header.sampleRate);
    return {walkedSamples(descriptor, firstFrame, header, enough), header.sampleRate};
}

} // namespace audio
