#ifndef PUBLISH_SKINCATALOGUE_H
#define PUBLISH_SKINCATALOGUE_H

#include "player_contract/PlayerContract.h"

#include <filesystem>
#include <optional>
#include <string>
#include <system_error>

namespace publish {

// The built-in skin the command line calls `commandName`, or null.
const contract::BuiltInSkin* findBuiltInSkin(const std::string& commandName);

// The built-in skin whose movie file has the name of `movie`'s, wherever it
// lies, or null.
const contract::BuiltInSkin* builtInSkinOfMovie(const std::filesystem::path& movie);

// Where the skin's movie lies once unpacked into `playersFolder`.
std::filesystem::path skinMovieFile(const std::filesystem::path& playersFolder, const contract::BuiltInSkin& skin);

// Writes every built-in skin's movie into `playersFolder` (created), each
// file replaced whole. A skin that cannot be written is skipped; the result
// is why the first of them could not be.
[[nodiscard]] std::error_code unpackBuiltInSkins(const std::filesystem::path& playersFolder);

// The movie to publish as the player for `skin`: a built-in skin's command
// name (its movie unpacked into `playersFolder`) or the path of an SWF
// movie. When it is neither, or the built-in movie cannot be written, `problem` says why ("is not ...", to follow
// the skin's name) and `movie` is empty.
struct PlayerMovie {
    std::filesystem::path movie;
    std::optional<std::string> problem;
};
[[nodiscard]] PlayerMovie playerMovieFor(const std::string& skin, const std::filesystem::path& playersFolder);

// Why `file` cannot be a player ("is not ..."); none when it is an SWF
// movie whose header and tags decode.
[[nodiscard]] std::optional<std::string> skinMovieProblem(const std::filesystem::path& file);

} // namespace publish

#endif
