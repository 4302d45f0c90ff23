#ifndef UPLOAD_CURLTRANSFERLIMITS_H
#define UPLOAD_CURLTRANSFERLIMITS_H

#include "upload/UploadFailure.h"

#include <curl/curl.h>

#include <atomic>
#include <chrono>
#include <functional>

namespace upload {

// The pause before the one retry of a transfer that met a passing network
// fault.
inline constexpr auto RetryDelay = std::chrono::seconds(1);

// What every transfer of an upload may take: 15 s to connect, 30 s without
// a byte moving before it counts as lost, and it ends within a second of
// `stop`.
void limitTransfer(CURL* handle, const std::atomic<bool>& stop);

// Waits out the pause before a retry; false when a stop came meanwhile.
bool pauseBeforeRetry(const std::atomic<bool>& stop);

// One try of a request: libcurl's code, and what came of it (no failure
// when the request did what it asked).
struct RequestTry {
    CURLcode code = CURLE_OK;
    UploadFailure failure;
};

// Makes a request by `tryOnce`, and once more after the pause when libcurl
// failed in a way that may pass and no stop came meanwhile.
UploadFailure withOneRetry(const std::atomic<bool>& stop, const std::function<RequestTry()>& tryOnce);

} // namespace upload

#endif
