#ifndef OUTPUT_NAMES_OUTPUTFILENAMES_H
#define OUTPUT_NAMES_OUTPUTFILENAMES_H

#include <filesystem>
#include <optional>
#include <string>

namespace publish {

// The folder a player is published into, inside the folder the user names.
inline constexpr const char* OutputFolderName = "output";
std::filesystem::path outputFolderIn(const std::filesystem::path& folder);

// The names of the files Tunemill writes into the output folder. Everything
// else there is the user's and is carried into every new player; these are
// made anew each time, so a file the new player lacks (a page turned off,
// a track gone) is gone with the old player.

// "N.swf" for a track movie, N from 1.
std::string trackMovieName(int number);
// The number of the track movie `name` names, if it names one.
std::optional<long> trackMovieNumber(const std::string& name);

// The runtime's folder beside the player.
inline constexpr const char* RuntimeFolderName = "ruffle";
// The page that embeds the player in another site's page.
inline constexpr const char* EmbedPageFileName = "embed.html";
// Apache's per-folder settings; Tunemill's own, or the user's.
inline constexpr const char* HtaccessFileName = ".htaccess";
// What the names of the runtime's precompressed copies add to the file's.
inline constexpr const char* BrotliSuffix = ".br";
inline constexpr const char* GzipSuffix = ".gz";

bool isPlayerFileName(const std::string& name);

} // namespace publish

#endif
