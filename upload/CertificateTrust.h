#ifndef UPLOAD_CERTIFICATETRUST_H
#define UPLOAD_CERTIFICATETRUST_H

#include "upload/RemoteSite.h"

#include <curl/curl.h>

#include <string>

namespace upload {

// libcurl's CURLOPT_CAINFO replaces the system's store rather than adding
// to it, so a private authority is trusted beside the store by giving
// libcurl both as one bundle: the system's (where libcurl looks by
// default) followed by the private file. `bundle` stays empty without a
// private authority: libcurl's own store then serves.
[[nodiscard]] UploadFailure trustedCertificates(const SiteTrust& trust, std::string& bundle);

// Makes the handle verify against `bundle`, when it holds anything.
void trustCertificates(CURL* handle, const std::string& bundle);

} // namespace upload

#endif
