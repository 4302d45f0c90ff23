#ifndef CLI_GIVENTRACKS_H
#define CLI_GIVENTRACKS_H

#include "audio/LyricsFileIndex.h"
#include "publish/Playlist.h"

#include <string>
#include <vector>

namespace cli {

// Replaces each folder and playlist among the given tracks by the sound
// files it stands for, titled by the playlist or else by their tags or
// names. Entries that cannot be followed are named on standard error;
// returns how many.
int expandFoldersAndPlaylists(std::vector<publish::PlaylistItem>& tracks);

// Says where the lyrics of `given` come from, if it has any, and which
// lyrics file was passed over; when the file was converted to `prepared`,
// writes them beside it, as the wizard does. Returns the LRC text the
// track is published with: "" when it has none, or when they could not be
// written beside the converted file.
std::string carryLyrics(const std::string& name, const std::string& given, const std::string& prepared,
                        audio::LyricsFileIndex& lyricsFiles);

} // namespace cli

#endif
