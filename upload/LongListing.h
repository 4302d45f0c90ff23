#ifndef UPLOAD_LONGLISTING_H
#define UPLOAD_LONGLISTING_H

#include "upload/RemoteEntry.h"

#include <string_view>
#include <vector>

namespace upload {

// The entries of one folder's long listing, as SFTP servers and FTP's LIST
// give it ("drwxr-xr-x 2 owner group 4096 Dec 10 04:00 name", one a line),
// with `prefix` before each name. "." and ".." are left out; a symbolic link
// counts as a file under its own name.
std::vector<RemoteEntry> parseLongListing(std::string_view text, std::string_view prefix);

} // namespace upload

#endif
