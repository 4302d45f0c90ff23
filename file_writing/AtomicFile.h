#ifndef FILE_WRITING_ATOMICFILE_H
#define FILE_WRITING_ATOMICFILE_H

#include <filesystem>
#include <string_view>
#include <system_error>

namespace publish {

// Replaces `target` with `contents` through a new file beside it and a
// rename, so that a crash or a full disk never leaves half a file behind
// and a symbolic link standing at `target` is replaced, never written
// through. On failure the old file is untouched and the reason returned.
[[nodiscard]] std::error_code replaceFileAtomically(const std::filesystem::path& target, std::string_view contents);

} // namespace publish

#endif
