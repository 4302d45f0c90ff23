#ifndef AUDIO_MP3LENGTH_H
#define AUDIO_MP3LENGTH_H

#include <cstdint>

namespace audio {

// How long an MP3 file's stream is, told without decoding it or reading
// all of it.
struct Mp3Length {
    std::uint64_t samples = 0; // per channel
    int sampleRate = 0;
};

// The length of the stream whose first frame is at `firstFrame` of the open
// file `descriptor`: from the frame count in its Xing, Info or VBRI header,
// or else by walking its frame headers (a few bytes read per frame) until
// one does not follow, or it has run past `enoughSeconds`.
Mp3Length measureMp3(int descriptor, std::uint64_t firstFrame, int enoughSeconds);

} // namespace audio

#endif
