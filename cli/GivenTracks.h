#ifndef CLI_GIVENTRACKS_H
#define CLI_GIVENTRACKS_H

#include "audio/TrackIntake.h"
#include "publish/Playlist.h"

#include <string>
#include <vector>

namespace cli {

// The sound files the given files, folders and playlists stand for, as the
// intake finds them. Entries that cannot be followed are named on standard
// error, each blamed on the playlist that holds it; `skipped` counts them.
std::vector<audio::InputTrack> expandGivenTracks(const audio::TrackIntake& intake,
                                                 const std::vector<publish::PlaylistItem>& given, int& skipped);

// Says where the lyrics of the taken file `name` come from, if it has any,
// which lyrics file was passed over, and that they could not be written
// beside its conversion. Returns the LRC text the track is published with:
// "" when it has none, or when they could not be written there.
std::string sayLyrics(const std::string& name, const audio::CarriedLyrics& lyrics);

} // namespace cli

#endif
