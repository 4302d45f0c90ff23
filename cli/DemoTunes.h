#ifndef CLI_DEMOTUNES_H
#define CLI_DEMOTUNES_H

#include "publish/Playlist.h"

#include <filesystem>
#include <vector>

namespace cli {

// Synthesises three short tunes and encodes them with LAME, each at another
// rate and channel count (44100 Hz stereo, 22050 Hz mono, 11025 Hz mono),
// into `folder`. Empty when encoding failed.
std::vector<publish::PlaylistItem> makeDemoTunes(const std::filesystem::path& folder);

} // namespace cli

#endif
