#ifndef PLAYER_CONTRACT_TRACKLENGTH_H
#define PLAYER_CONTRACT_TRACKLENGTH_H

#include "player_contract/PlayerContract.h"

#include <cstdint>
#include <string>

namespace publish {

// The movie frames a sound of `samples` (per channel) at `sampleRate`
// fills: each frame streams sampleRate / TrackFrameRate samples.
inline std::int64_t trackMovieFrames(std::int64_t samples, int sampleRate) {
    int perFrame = sampleRate / contract::TrackFrameRate;
    return perFrame > 0 ? samples / perFrame : 0;
}

// The longest track, in whole seconds, that a movie holds.
inline constexpr int LongestTrackSeconds = contract::LongestTrackFrames / contract::TrackFrameRate;

// Why a longer one is refused, in the words both front ends show.
inline std::string tooLongText() {
    return "too long for a track movie (at most " + std::to_string(LongestTrackSeconds / 60) + " min " +
           std::to_string(LongestTrackSeconds % 60) + " s)";
}

} // namespace publish

#endif
