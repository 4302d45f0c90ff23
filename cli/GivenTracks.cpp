#include "cli/GivenTracks.h"

#include "audio/InputExpansion.h"
#include "audio/LyricsLookup.h"
#include "audio/TrackTitle.h"
#include "input_files/InputFile.h"

#include <cstdio>

namespace cli {

int expandFoldersAndPlaylists(std::vector<publish::PlaylistItem>& tracks) {
    std::vector<publish::PlaylistItem> expanded;
    int skipped = 0;
    for (publish::PlaylistItem& track : tracks) {
        if (!audio::isCollection(track.path)) {
            expanded.push_back(std::move(track));
            continue;
        }
        audio::ExpandedInput input = audio::expandInput(track.path);
        for (const audio::SkippedEntry& entry : input.skipped)
            std::fprintf(stderr, "%s: %s %s, skipped\n", track.path.c_str(), entry.name.c_str(), entry.reason.c_str());
        skipped += static_cast<int>(input.skipped.size());
        if (input.tracks.empty())
            std::fprintf(stderr, "%s: holds no sound files\n", track.path.c_str());
        for (audio::InputTrack& found : input.tracks)
            expanded.push_back({found.path, found.title.empty() ? audio::titleForFile(found.path) : found.title});
    }
    tracks = std::move(expanded);
    return skipped;
}

std::string carryLyrics(const std::string& name, const std::string& given, const std::string& prepared,
                        audio::LyricsFileIndex& lyricsFiles) {
    audio::CarriedLyrics lyrics = audio::carryLyrics(given, prepared, lyricsFiles);
    if (lyrics.passedOverBecause == publish::InputFileError::TooLarge)
        std::fprintf(stderr, "%s: %s is over %ju MB, longer than any lyrics file; it is not read\n", name.c_str(),
                     lyrics.passedOver.c_str(), audio::LargestLyricsFile / (1024 * 1024));
    else if (!lyrics.passedOver.empty())
        std::fprintf(stderr, "%s: %s %s; it is not read\n", name.c_str(), lyrics.passedOver.c_str(),
                     publish::openingProblem(lyrics.passedOverBecause).c_str());
    if (!lyrics.found)
        return "";
    std::fprintf(stderr, "%s: timed lyrics from %s\n", name.c_str(), audio::describeSource(*lyrics.found).c_str());
    if (lyrics.unwritten.empty())
        return lyrics.found->lrc;
    std::fprintf(stderr, "%s: cannot write its lyrics to %s; it is published without them\n", name.c_str(),
                 lyrics.unwritten.c_str());
    return "";
}

} // namespace cli
