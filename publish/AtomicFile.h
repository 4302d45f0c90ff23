#ifndef PUBLISH_ATOMICFILE_H
#define PUBLISH_ATOMICFILE_H

#include <filesystem>
#include <string_view>

namespace publish {

// Replaces `target` with `contents` through a temporary file beside it and a
// rename, so that a crash or a full disk never leaves half a file behind.
// False when anything failed; the old file is then untouched.
bool replaceFileAtomically(const std::filesystem::path& target, std::string_view contents);

} // namespace publish

#endif
