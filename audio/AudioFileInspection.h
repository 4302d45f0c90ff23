#ifndef AUDIO_AUDIOFILEINSPECTION_H
#define AUDIO_AUDIOFILEINSPECTION_H

#include "audio/ForeignFile.h"

#include <cstdint>
#include <string>

namespace audio {

// What a file holds, as far as turning it into a track goes.
enum class AudioFileKind {
    Mp3,        // MPEG Layer III frames that chain, after any ID3v2 tags
    Wav,        // RIFF WAVE
    Aiff,       // AIFF or AIFF-C
    Decodable,  // FLAC (libFLAC), Ogg (Vorbis, Opus), RF64 (libsndfile)
    RawPcm,     // no header, named .raw or .pcm: 16-bit stereo at 44100 Hz
    Foreign,    // anything else: never published
    Unreadable, // cannot be opened or read
};

struct AudioFileInspection {
    AudioFileKind kind = AudioFileKind::Foreign;
    // For Foreign files: what they hold instead.
    ForeignFile foreign;
    // For MP3 files: where the first frame from which frames chain begins.
    std::uint64_t firstFrame = 0;
};

// Looks at the first bytes of the open file `descriptor` (and, for MP3, at
// its frames); `name` is the file's name, which marks raw PCM.
AudioFileInspection inspectAudioFile(int descriptor, const std::string& name);

} // namespace audio

#endif
