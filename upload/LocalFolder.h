#ifndef UPLOAD_LOCALFOLDER_H
#define UPLOAD_LOCALFOLDER_H

#include "upload/UploadManifest.h"

#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

namespace upload {

// What an upload of `folder` sends: every regular file below it, as the
// manifest lists it, sorted by path. Symbolic links, special files, names
// that hold a control character and names the upload uses for files of its
// own (the manifest, temporary names) are not sent; `notSent` lists their
// paths, sorted.
struct LocalFolder {
    Manifest files;
    std::vector<std::string> notSent;
};

// On failure, `failed` is the file or folder that could not be read.
[[nodiscard]] std::error_code describeLocalFolder(const std::filesystem::path& folder, LocalFolder& described,
                                                  std::filesystem::path& failed);

} // namespace upload

#endif
