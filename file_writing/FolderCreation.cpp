#include "file_writing/FolderCreation.h"

namespace publish {

std::error_code createFolders(const std::filesystem::path& folder) {
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    return error;
}

} // namespace publish
