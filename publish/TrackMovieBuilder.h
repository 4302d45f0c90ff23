#ifndef PUBLISH_TRACKMOVIEBUILDER_H
#define PUBLISH_TRACKMOVIEBUILDER_H

#include "publish/PublishReports.h"
#include "text_formats/TimedLyrics.h"

#include <filesystem>
#include <stop_token>
#include <string>
#include <system_error>
#include <utility>

namespace publish {

struct TrackResult {
    TrackResult(TrackOutcome outcome = TrackOutcome::Published, std::string detail = "",
                std::error_code systemError = {})
        : outcome(outcome), detail(std::move(detail)), systemError(systemError) {}

    TrackOutcome outcome;
    std::string detail;  // the SWF library's message when the movie could not be written
    // Why the system refused the movie's file, when it did (CannotWrite):
    // the publish cannot go on. Empty when the movie could not be encoded.
    std::error_code systemError;
};

// Turns one MP3 file into a track movie: its sound streamed one block per
// frame, its length and title on the first frame and, when `dataPath` holds
// the analyser's output, the bar heights on every frame. The data file is
// deleted once the movie is written. Timed lyrics set "LRC" in the frame
// where each line begins; without them the movie has no "LRC" at all. A
// track that cannot be built, or whose build is stopped through `stop`, is
// written not at all.
TrackResult buildTrackMovie(const std::string& mp3Path, const std::string& title, const std::string& moviePath,
                            const std::filesystem::path& dataPath, std::stop_token stop = {},
                            const std::vector<LyricLine>& lyrics = {});

} // namespace publish

#endif
