#ifndef PUBLISH_PLAYERFILES_H
#define PUBLISH_PLAYERFILES_H

#include <optional>
#include <string>

namespace publish {

// The names of the files Tunemill writes into the output folder. Everything
// else there is the user's and is carried into every new player; these are
// made anew each time, so a file the new player lacks (a page turned off,
// a track gone) is gone with the old player.

// "N.swf" for a track movie, N from 1.
std::string trackMovieName(int number);
// The number of the track movie `name` names, if it names one.
std::optional<long> trackMovieNumber(const std::string& name);

bool isPlayerFileName(const std::string& name);

} // namespace publish

#endif
