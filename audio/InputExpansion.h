#ifndef AUDIO_INPUTEXPANSION_H
#define AUDIO_INPUTEXPANSION_H

#include "audio/IntakeRefusal.h"

#include <string>
#include <vector>

namespace audio {

// A sound file that a given file, folder or playlist stands for, with the
// title a playlist gave it (empty when none) and the innermost playlist
// that names it ("" when none does).
struct InputTrack {
    std::string path;
    std::string title;
    std::string playlist;
};

struct ExpandedInput {
    std::vector<InputTrack> tracks;
    // Entries that could not be followed, named as the playlist wrote them
    // and blamed on the playlist that holds them.
    std::vector<Refusal> skipped;
};

// True for folders and M3U, M3U8, PLS and XSPF files: what expandInput opens.
bool isCollection(const std::string& path);

// A folder becomes its sound files in album order; a playlist its entries,
// relative ones taken from its own folder, and the playlists and folders
// among them opened in turn, each playlist at most once. Missing entries and
// web addresses are skipped with the reason. Anything else is one track.
ExpandedInput expandInput(const std::string& path);

} // namespace audio

#endif
