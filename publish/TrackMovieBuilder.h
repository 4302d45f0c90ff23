#ifndef PUBLISH_TRACKMOVIEBUILDER_H
#define PUBLISH_TRACKMOVIEBUILDER_H

#include "publish/PublishObserver.h"

#include <filesystem>
#include <string>

namespace publish {

// Track movies play at 38 frames per second; the players count on it.
inline const int TrackFrameRate = 38;
// The SWF frame count field is 16 bits wide.
inline const int LongestTrackFrames = 65535;

// Turns one MP3 file into a track movie: its sound streamed one block per
// frame, its length and title on the first frame and, when `dataPath` holds
// the analyser's output, ten bar heights on every frame. The data file is
// deleted once the movie is written. A track that cannot be built is
// reported through the observer's alert and written not at all.
TrackOutcome buildTrackMovie(const std::string& mp3Path, const std::string& title, const std::string& moviePath,
                             const std::filesystem::path& dataPath, PublishObserver& observer);

} // namespace publish

#endif
