#ifndef FILE_WRITING_NEWFILE_H
#define FILE_WRITING_NEWFILE_H

#include "system_calls/FileDescriptor.h"

#include <filesystem>
#include <string_view>
#include <system_error>

namespace publish {

// The files of a player are created, never opened: a name that exists
// already, a symbolic link planted there included, is refused, so that
// nothing outside the folder is ever written through a link.

// Creates the file empty and open for writing, with the permissions an
// ordinary new file gets.
[[nodiscard]] std::error_code createNewFile(const std::filesystem::path& path, FileDescriptor& file);

// Writes every byte; the reason when the system took fewer.
[[nodiscard]] std::error_code writeAll(int descriptor, std::string_view bytes);

// Creates the file holding `contents`.
[[nodiscard]] std::error_code writeNewFile(const std::filesystem::path& path, std::string_view contents);

// What a copy takes from its source.
enum class CopyKind {
    // The bytes, into a file with the permissions an ordinary new file gets.
    Contents,
    // The file itself, never a link's target, with its permissions and times.
    Whole,
};

// Creates `target` as a copy of `source`.
[[nodiscard]] std::error_code copyToNewFile(const std::filesystem::path& source, const std::filesystem::path& target,
                                            CopyKind kind = CopyKind::Contents);

// Copies what is left to read from `from` into `to`.
[[nodiscard]] std::error_code copyRest(int from, int to);

} // namespace publish

#endif
