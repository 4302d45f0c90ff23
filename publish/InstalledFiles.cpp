#include "publish/InstalledFiles.h"

#include "publish/PlayerRuntime.h"
#include "output_names/OutputFileNames.h"

namespace fs = std::filesystem;

namespace publish {

namespace {
// Beside the programs' bin folder; the build sets them with the install rules.
const char* const InstalledLibraryFolder = TUNEMILL_INSTALLED_LIBRARY_FOLDER;
const char* const InstalledDataFolder = TUNEMILL_INSTALLED_DATA_FOLDER;
const char* const TranslationsFolderName = TUNEMILL_TRANSLATIONS_FOLDER_NAME;
} // namespace

fs::path programFolder() {
    std::error_code error;
    fs::path program = fs::read_symlink("/proc/self/exe", error);
    return error ? fs::path() : program.parent_path();
}

std::vector<fs::path> runtimeFolders(const fs::path& programFolder) {
    return {programFolder / RuntimeFolderName,
            (programFolder.parent_path() / InstalledDataFolder / RuntimeFolderName).lexically_normal()};
}

std::vector<fs::path> analyserFolders(const fs::path& programFolder) {
    return {programFolder, (programFolder.parent_path() / InstalledLibraryFolder).lexically_normal()};
}

std::vector<fs::path> translationFolders(const fs::path& programFolder) {
    return {programFolder / TranslationsFolderName,
            (programFolder.parent_path() / InstalledDataFolder / TranslationsFolderName).lexically_normal()};
}

std::optional<fs::path> findRuntimeFolder(const std::vector<fs::path>& folders) {
    for (const fs::path& folder : folders)
        if (holdsPlayerRuntime(folder))
            return folder;
    return std::nullopt;
}

} // namespace publish
