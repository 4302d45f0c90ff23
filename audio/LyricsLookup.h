#ifndef AUDIO_LYRICSLOOKUP_H
#define AUDIO_LYRICSLOOKUP_H

#include "audio/LyricsFileIndex.h"

#include <cstdint>
#include <optional>
#include <string>
#include <system_error>

namespace audio {

// No lyrics file is this long; a longer one is something else, and is not
// read.
inline constexpr std::uintmax_t LargestLyricsFile = 4 * 1024 * 1024;

// Where timed lyrics were found.
enum class LyricsOrigin { LyricsFile, SyltFrame, ApeLyricsItem, Tag };

// Timed lyrics found for a sound file: LRC text (as the file holds it, or
// made from the tag's time stamps) and where it came from: `name` is the
// lyrics file's name, or the tag's item name.
struct FoundLyrics {
    std::string lrc;
    LyricsOrigin origin = LyricsOrigin::LyricsFile;
    std::string name;
};

// Where they came from, in plain words: "Song.lrc", "the LYRICS tag".
std::string describeSource(const FoundLyrics& lyrics);

// The lyrics found for a sound file, and the lyrics file beside it that was
// passed over unread, for the front end to say.
struct LyricsSearch {
    std::optional<FoundLyrics> found;
    // Its path, or "" when none was, and why it was not read (as a file the
    // user names is read: publish::InputFileError::TooLarge when it is longer
    // than LargestLyricsFile).
    std::string passedOver;
    std::error_code passedOverBecause;
};

// The first of: an ".lrc" file beside it with the same stem (the extension
// in any case, through `lyricsFiles`), an ID3v2 SYLT frame, a Vorbis comment
// LYRICS or UNSYNCEDLYRICS holding LRC text, an APE Lyrics item holding LRC
// text. Lyrics without time stamps do not count.
LyricsSearch findLyrics(const std::string& soundFile, LyricsFileIndex& lyricsFiles);

// The LRC text of findLyrics, "" when there is none: what the publish job
// asks for each track.
std::string timedLyricsText(const std::string& soundFile, LyricsFileIndex& lyricsFiles);

// The ".lrc" file that goes beside `soundFile`.
std::string lyricsFileBeside(const std::string& soundFile);

// The lyrics found for the file the user gave, and when it was converted
// to `prepared`, whether they could be written beside that as its ".lrc",
// so that the publish finds them there.
struct CarriedLyrics : LyricsSearch {
    // The ".lrc" that could not be written, or "".
    std::string unwritten;
};
[[nodiscard]] CarriedLyrics carryLyrics(LyricsSearch found, const std::string& given, const std::string& prepared);

} // namespace audio

#endif
