#include "cli/GivenTracks.h"

#include "input_files/InputFile.h"

#include <cstdio>

namespace cli {

std::vector<audio::InputTrack> expandGivenTracks(const audio::TrackIntake& intake,
                                                 const std::vector<publish::PlaylistItem>& given, int& skipped) {
    std::vector<audio::InputTrack> tracks;
    skipped = 0;
    for (const publish::PlaylistItem& item : given) {
        audio::ExpandedInput input = intake.expand(item.path, item.title);
        for (const audio::Refusal& entry : input.skipped) {
            if (entry.reason == audio::RefusalReason::NoSoundFiles) {
                std::fprintf(stderr, "%s: holds no sound files\n", item.path.c_str());
                continue;
            }
            const std::string& holder = entry.playlist.empty() ? item.path : entry.playlist;
            std::fprintf(stderr, "%s: %s %s, skipped\n", holder.c_str(), entry.file.c_str(),
                         audio::describe(entry).c_str());
            ++skipped;
        }
        tracks.insert(tracks.end(), input.tracks.begin(), input.tracks.end());
    }
    return tracks;
}

std::string sayLyrics(const std::string& name, const audio::CarriedLyrics& lyrics) {
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
