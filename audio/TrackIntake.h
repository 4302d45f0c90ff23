#ifndef AUDIO_TRACKINTAKE_H
#define AUDIO_TRACKINTAKE_H

#include "audio/CachedConversion.h"
#include "audio/InputExpansion.h"
#include "audio/IntakeRefusal.h"
#include "audio/LyricsLookup.h"
#include "content_cache/PublishCache.h"

#include <ctime>
#include <filesystem>
#include <optional>
#include <string>

namespace audio {

// What one intake shares among the files it takes.
struct IntakeSettings {
    // Where conversions go; "" when there is none.
    std::string workFolder;
    // Where earlier conversions are kept; none: every file is converted.
    std::optional<std::filesystem::path> cacheFolder;
    std::uintmax_t cacheLimit = publish::PublishCache::DefaultLimit;
    // Whether timed lyrics are looked up and carried to conversions.
    bool lyrics = true;
};

// A file ready for the playlist, or why it is refused.
struct TakenTrack {
    std::optional<Refusal> refusal;
    // The file itself when the players stream it, else its conversion in
    // the work folder.
    std::string path;
    // The title given, else the playlist's, else the tags' or the name's,
    // as bytes: the front end makes them storable.
    std::string title;
    // Its timed lyrics, carried beside a conversion.
    CarriedLyrics lyrics;
    // Why the cache (in `cacheFolder`) could not keep its new conversion.
    std::error_code conversionNotKept;
};

// Takes in what the user gives, for both front ends alike: folders and
// playlists become the sound files they stand for, each file is checked,
// converted when the players cannot stream it (reusing an earlier
// conversion of the same bytes), and its timed lyrics are found. Every
// refusal is a value naming the file and the playlist that holds it.
class TrackIntake {
public:
    explicit TrackIntake(IntakeSettings settings);

    // The sound files that a given file, folder or playlist stands for, and
    // the entries that could not be followed. A web address given is
    // refused as a playlist's would be; anything else is one track, titled
    // `title`.
    ExpandedInput expand(const std::string& given, const std::string& title) const;

    // True for folders and playlists, which take a while to expand.
    static bool standsForMany(const std::string& given) { return isCollection(given); }

    // Makes one track ready; `run` runs a conversion when one is needed.
    TakenTrack take(const InputTrack& track, const ConversionRunner& run);

    // Where conversions are kept, "" when they are not.
    std::filesystem::path cacheFolder() const { return cache ? cache->folder() : std::filesystem::path(); }

private:
    IntakeSettings settings;
    std::tm now;
    std::optional<publish::PublishCache> cache;
    LyricsFileIndex lyricsFiles;
};

// Why a file on the playlist can no longer be published as it was taken
// (it is gone, or became something else), checked again as taking it did.
std::optional<Refusal> recheckTrack(const std::string& path);

// The timed lyrics of the files on a playlist, each folder listed once:
// what the playlist marks and a publish carries.
class PlaylistLyrics {
public:
    std::optional<FoundLyrics> of(const std::string& soundFile) { return findLyrics(soundFile, lyricsFiles).found; }
    // Their LRC text, "" when there are none.
    std::string textOf(const std::string& soundFile) { return timedLyricsText(soundFile, lyricsFiles); }

private:
    LyricsFileIndex lyricsFiles;
};

} // namespace audio

#endif
