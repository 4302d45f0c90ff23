#ifndef FILE_WRITING_FOLDERCREATION_H
#define FILE_WRITING_FOLDERCREATION_H

#include <filesystem>
#include <system_error>

namespace publish {

// Makes `folder` and every missing folder above it; nothing when it is a
// folder already. The reason when it cannot be made.
[[nodiscard]] std::error_code createFolders(const std::filesystem::path& folder);

} // namespace publish

#endif
