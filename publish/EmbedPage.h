#ifndef PUBLISH_EMBEDPAGE_H
#define PUBLISH_EMBEDPAGE_H

#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

namespace publish {

struct StageSize {
    int width = 0;
    int height = 0;
};

// The stage size a player movie declares, in pixels; for a file that is no
// movie, the player page's 300 × 60.
StageSize playerStageSize(const std::filesystem::path& movie);

// The page's text, with the runtime's script when it goes with the player
// (asking at once for `firstMovie` when it is not empty).
std::string embedPageText(StageSize size, const std::string& title, bool withRuntime, const std::string& firstMovie);

// Writes the page, as a new file, beside the player movie it frames.
[[nodiscard]] std::error_code writeEmbedPage(const std::filesystem::path& outputFolder, const std::string& title,
                                             bool withRuntime, const std::string& firstMovie);

// Whether `base` may stand in the snippet as the output folder's address:
// an http:// or https:// address, or a relative path (no scheme, no
// leading "//"), with no white space, control character or backslash
// anywhere. Anything else (javascript:, data:, a protocol-relative address)
// would run or load something else in the page that frames the player.
[[nodiscard]] bool isEmbedBase(std::string_view base);

// The snippet that frames the page: `base` is the address the output folder
// will have on the user's site; without one, or with one that is no
// embed base, the address is relative.
std::string embedSnippet(const std::string& base, StageSize size, const std::string& title);

} // namespace publish

#endif
