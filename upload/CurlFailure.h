#ifndef UPLOAD_CURLFAILURE_H
#define UPLOAD_CURLFAILURE_H

#include "upload/UploadFailure.h"

#include <curl/curl.h>

#include <string>

namespace upload {

// Whether a failure may pass if the same transfer is tried once more: the
// network dropped a connection, or the server was briefly unreachable. A
// transfer that stalled is not tried again: it has had its time.
bool mayPassOnRetry(CURLcode code, const UploadFailure& failure);

// What a failed transfer of `path` on `handle` means, keeping libcurl's
// words (which hold the server's) in `remoteText`.
UploadFailure curlFailure(CURL* handle, CURLcode code, const char* errorText, const std::string& path);

// The failure to report after a retry: a retry that cannot even connect
// tells less than the lost connection before it.
UploadFailure failureAfterRetry(UploadFailure first, UploadFailure retried);

} // namespace upload

#endif
