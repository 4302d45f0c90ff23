#ifndef TESTS_AUDIO_AUDIOFILES_H
#define TESTS_AUDIO_AUDIOFILES_H

#include "tests/support/TestSupport.h"

#include <string>
#include <utility>
#include <vector>

namespace testing_support {

// A WAV file chunk by chunk, for the layouts the reader must cope with.
struct WavLayout {
    int formatTag = 1;
    int channels = 1;
    int rate = 22050;
    int bits = 16;
    int formatChunkSize = 16;
    // With `formatTag` 0xFFFE: the extension naming PCM and this mask.
    unsigned channelMask = 0;
    std::vector<std::pair<std::string, Bytes>> chunksBeforeData;
    Bytes data;
    Bytes afterData;
};
Bytes wavBytes(const WavLayout& layout);

// `count` 16-bit samples of a tone, little-endian.
Bytes toneSamples(int count, int rate, double frequency = 440.0);

// What ffprobe says of a file's first audio stream: "codec rate channels",
// for example "mp3 22050 1"; empty when it is no audio file.
std::string probeAudio(const std::string& path);
// The duration ffprobe gives, in seconds; negative when it cannot tell.
double probeDuration(const std::string& path);
// True when LAME's own decoder reads the whole MP3 without an error.
bool lameDecodes(const std::string& mp3, const std::string& wav);

} // namespace testing_support

#endif
