#ifndef TRANSFORM_FSMP3FRAMES_H
#define TRANSFORM_FSMP3FRAMES_H

#include <cstddef>
#include <cstdint>
#include <vector>

namespace transform {

// MPEG versions as a frame header codes them.
enum FSMpegVersion { FSMpeg25 = 0, FSMpegReserved = 1, FSMpeg2 = 2, FSMpeg1 = 3 };

// Samples per channel in one Layer III frame: 1152 for MPEG-1, 576 for
// MPEG-2 and MPEG-2.5.
int mp3SamplesPerFrame(int version);
// The same told by the sample rate alone: only MPEG-1 runs at 32 kHz and up.
int mp3SamplesPerFrameAtRate(int sampleRate);

// The header of one MPEG audio Layer III frame, at any of its nine rates.
struct FSMp3FrameHeader {
    int version = 0;     // an FSMpegVersion
    int bitRate = 0;     // kbit/s
    int sampleRate = 0;  // Hz
    int padding = 0;
    int channelMode = 0; // 3: mono
    int frameLength = 0; // bytes, header included

    int channels() const { return channelMode == 3 ? 1 : 2; }
    int samplesPerFrame() const { return mp3SamplesPerFrame(version); }
    // Frames of one stream share version, rate and channel count.
    bool sameStreamAs(const FSMp3FrameHeader& other) const;
};

// Reads a Layer III frame header from the first four bytes; false when they
// are none (no sync, reserved values, free format, other layers).
bool readMp3FrameHeader(const unsigned char* bytes, size_t available, FSMp3FrameHeader& header);

// The length of the well-formed ID3v2 tag at the start of `bytes` (header,
// body and footer), or 0 when there is none.
size_t id3v2TagLength(const unsigned char* bytes, size_t size);

// How far past the ID3v2 tag header in `header` (`available` bytes of it)
// the search for the audio goes on, where the file has `remaining` bytes
// from the tag on: past the whole tag, or, when the tag's size runs past
// the end of the file, past its 10-byte header only, as the size is wrong
// and the frames lie somewhere after it. 0 when no tag starts there.
size_t id3v2TagSkip(const unsigned char* header, size_t available, std::uint64_t remaining);

// How many bytes after the leading tags are searched for a first frame
// before a file is taken for no MP3 at all: enough for the padding and junk
// found before real audio, and a bound on the time that gigabytes of
// something else take.
inline constexpr size_t FSMp3SearchLimit = 1 << 20;

// How many frames must follow one another exactly, each header where the
// previous frame ends, before a frame sync is believed.
inline constexpr int FSMp3ChainRun = 4;
// The longest Layer III frame (320 kbit/s at 32 kHz, padded), and so the
// bytes that hold a chain of frames from its first header on.
inline constexpr size_t FSMp3LongestFrame = 1441;
inline constexpr size_t FSMp3ChainBytes = FSMp3ChainRun * FSMp3LongestFrame;

// True when a frame starts at `offset` and frames of the same stream follow
// it back to back for FSMp3ChainRun frames, or up to the end of the data.
// Tags, pictures and random bytes hold frame syncs, but never such chains.
bool mp3FramesChainAt(const unsigned char* bytes, size_t size, size_t offset);

// The first offset from `from` on, and before `from + searched`, where
// frames chain; `size` when none.
size_t findChainedMp3Frame(const unsigned char* bytes, size_t size, size_t from, size_t searched);

// Where the audio of an MP3 file starts: past its leading ID3v2 tags.
size_t mp3AudioStart(const unsigned char* bytes, size_t size);

// The frames of an MP3 file, from the first that chains after its tags
// (within FSMp3SearchLimit bytes of them) to the last of the same stream.
// Junk and tags between and after them are passed over; the walk goes on
// only where frames chain again.
struct FSMp3Walk {
    struct Frame {
        size_t offset;  // from the start of the file
        size_t size;    // cut short at the end of the file
    };
    std::vector<Frame> frames;
    FSMp3FrameHeader stream;    // the first frame's header
    bool changes = false;       // frames of another rate or channel count follow
    FSMp3FrameHeader changedTo; // the first of them
    bool tooManyFrames = false;
};

// False when no frames chain anywhere in the data. Stops at `mostFrames`.
bool walkMp3Frames(const unsigned char* bytes, size_t size, size_t mostFrames, FSMp3Walk& walk);

} // namespace transform

#endif
