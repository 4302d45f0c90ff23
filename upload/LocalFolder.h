#ifndef UPLOAD_LOCALFOLDER_H
#define UPLOAD_LOCALFOLDER_H

#include "upload/UploadManifest.h"

#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

namespace upload {

// What an upload of `folder` sends: every regular file below it, as the
// manifest lists it. Symbolic links, special files and names that hold a
// control character are not sent; `notSent` lists their paths.
struct LocalFolder {
    Manifest files;
    std::vector<std::string> notSent;
};

[[nodiscard]] std::error_code describeLocalFolder(const std::filesystem::path& folder, LocalFolder& described,
                                                  std::filesystem::path& failed);

} // namespace upload

#endif
