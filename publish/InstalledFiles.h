#ifndef PUBLISH_INSTALLEDFILES_H
#define PUBLISH_INSTALLEDFILES_H

#include <filesystem>
#include <optional>
#include <vector>

namespace publish {

// The folder the running program lies in; empty when the system cannot
// say.
std::filesystem::path programFolder();

// Where the programs look for what they ship with, in order: next to the
// program (the build tree), then the install prefix's own places.
std::vector<std::filesystem::path> runtimeFolders(const std::filesystem::path& programFolder);
std::vector<std::filesystem::path> analyserFolders(const std::filesystem::path& programFolder);
std::vector<std::filesystem::path> translationFolders(const std::filesystem::path& programFolder);

// The first of `folders` that holds the SWF runtime.
std::optional<std::filesystem::path> findRuntimeFolder(const std::vector<std::filesystem::path>& folders);

} // namespace publish

#endif
