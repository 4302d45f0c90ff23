#ifndef AUDIO_LYRICSLOOKUP_H
#define AUDIO_LYRICSLOOKUP_H

#include <optional>
#include <string>

namespace audio {

// Timed lyrics found for a sound file: LRC text (as the file holds it, or
// made from the tag's time stamps) and where it came from, in plain words.
struct FoundLyrics {
    std::string lrc;
    std::string source;
};

// The first of: an ".lrc" file beside it with the same stem (the extension
// in any case), an ID3v2 SYLT frame, a Vorbis comment LYRICS or
// UNSYNCEDLYRICS holding LRC text, an APE Lyrics item holding LRC text.
// Lyrics without time stamps do not count.
std::optional<FoundLyrics> findLyrics(const std::string& soundFile);

// The ".lrc" file that goes beside `soundFile`.
std::string lyricsFileBeside(const std::string& soundFile);

} // namespace audio

#endif
