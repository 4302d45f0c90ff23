#ifndef PUBLISH_USERFILES_H
#define PUBLISH_USERFILES_H

#include <filesystem>
#include <system_error>

namespace publish {

// Carries everything in the old output folder that Tunemill did not write
// (an index.html of the user's, a folder of pictures) into the new one:
// files hard-linked where the file system allows, else copied with their
// permissions and times; folders made anew; symbolic links made anew with
// the same target, never followed. `failed` names what could not be
// carried.
[[nodiscard]] std::error_code carryUserFiles(const std::filesystem::path& oldOutput,
                                             const std::filesystem::path& newOutput, std::filesystem::path& failed);

} // namespace publish

#endif
