#ifndef UPLOAD_FILEURLREQUESTS_H
#define UPLOAD_FILEURLREQUESTS_H

#include "upload/RemoteAddress.h"
#include "upload/RemoteEntry.h"
#include "upload/UploadFailure.h"

#include <curl/curl.h>

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace upload {

// What the FTP and SFTP sites do alike: each file has a URL below the
// remote folder, and a site runs one request at a time on a handle of its
// own, logged in and set up further by the caller.
using SetUpRequest = std::function<void(CURL*)>;
// Runs a request on `url`; `path` names the file concerned in a failure.
using RunRequest = std::function<UploadFailure(const std::string& url, const std::string& path, const SetUpRequest&)>;

// Lists `folder` ("" for the remote folder) and every folder below it, from
// the server's long listings.
UploadFailure listTree(const RunRequest& run, const RemoteAddress& address, const std::string& folder,
                       std::vector<RemoteEntry>& entries);
UploadFailure readFile(const RunRequest& run, const RemoteAddress& address, const std::string& path,
                       std::string& bytes);
UploadFailure writeFile(const RunRequest& run, const RemoteAddress& address, const std::string& path,
                        std::string_view bytes);

} // namespace upload

#endif
