#include "upload/CurlTransferLimits.h"

#include "upload/CurlFailure.h"

#include <thread>

namespace upload {

namespace {

constexpr long ConnectSeconds = 15;
constexpr long StallSeconds = 30;

int stopRequested(void* stop, curl_off_t, curl_off_t, curl_off_t, curl_off_t) {
    return static_cast<const std::atomic<bool>*>(stop)->load() ? 1 : 0;
}

} // namespace

void limitTransfer(CURL* handle, const std::atomic<bool>& stop) {
    curl_easy_setopt(handle, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(handle, CURLOPT_CONNECTTIMEOUT, ConnectSeconds);
    curl_easy_setopt(handle, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(handle, CURLOPT_LOW_SPEED_TIME, StallSeconds);
    curl_easy_setopt(handle, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(handle, CURLOPT_XFERINFOFUNCTION, &stopRequested);
    curl_easy_setopt(handle, CURLOPT_XFERINFODATA, const_cast<std::atomic<bool>*>(&stop));
}

bool pauseBeforeRetry(const std::atomic<bool>& stop) {
    auto end = std::chrono::steady_clock::now() + RetryDelay;
    while (!stop && std::chrono::steady_clock::now() < end)
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    return !stop;
}

UploadFailure withOneRetry(const std::atomic<bool>& stop, const std::function<RequestTry()>& tryOnce) {
    RequestTry first = tryOnce();
    if (first.code == CURLE_OK || !mayPassOnRetry(first.code, first.failure) || !pauseBeforeRetry(stop))
        return first.failure;
    RequestTry second = tryOnce();
    return second.code == CURLE_OK ? second.failure : failureAfterRetry(first.failure, second.failure);
}

} // namespace upload
