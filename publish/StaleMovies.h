#ifndef PUBLISH_STALEMOVIES_H
#define PUBLISH_STALEMOVIES_H

#include <filesystem>

namespace publish {

// Removes the track movies "N.swf" in `outputFolder` numbered above
// `trackCount`: an earlier, longer publish left them, and they would be
// uploaded with the site. Returns how many went.
int removeStaleTrackMovies(const std::filesystem::path& outputFolder, int trackCount);

} // namespace publish

#endif
