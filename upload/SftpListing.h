#ifndef UPLOAD_SFTPLISTING_H
#define UPLOAD_SFTPLISTING_H

#include "upload/RemoteEntry.h"

#include <string_view>
#include <vector>

namespace upload {

// The entries of one folder's long listing as an SFTP server gives it
// ("drwxr-xr-x 2 owner group 4096 Dec 10 04:00 name", one a line), with
// `prefix` before each name. "." and ".." are left out; a symbolic link
// counts as a file under its own name.
std::vector<RemoteEntry> parseSftpListing(std::string_view text, std::string_view prefix);

} // namespace upload

#endif
