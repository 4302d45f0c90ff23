#ifndef UPLOAD_PARALLELSEND_H
#define UPLOAD_PARALLELSEND_H

#include "upload/CurlHandle.h"
#include "upload/RemoteSite.h"

#include <array>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <functional>

namespace upload {

// Sends files over a few connections at once through libcurl's multi
// interface. It begins with one, and opens another only while what waits
// would take longer than a handshake is worth: an SSH session can cost the
// server more than a small album's whole transfer. The handles, and with
// them the connections, stay for the next call, so that a later send logs
// in no more.
class ParallelSend {
public:
    // Sets a handle up for one transfer: its address, login and trust.
    using Prepare = std::function<void(CURL*, const Transfer&)>;
    // What a failed transfer means.
    using Explain = std::function<UploadFailure(CURL*, CURLcode, const char* errorText, const std::string& path)>;

    ParallelSend(Prepare prepare, Explain explain, const std::atomic<bool>& stop);
    ~ParallelSend();
    ParallelSend(const ParallelSend&) = delete;
    ParallelSend& operator=(const ParallelSend&) = delete;

    [[nodiscard]] UploadFailure run(const std::vector<Transfer>& transfers, const SendProgress& progress);

private:
    static constexpr std::size_t Connections = 4;
    // Another connection opens at most this often, and only while what
    // waits would take longer than this at the rate so far.
    static constexpr std::chrono::seconds Widening{1};

    struct Slot {
        CurlEasy handle;
        std::FILE* file = nullptr;
        std::size_t transfer = 0;
        bool busy = false;    // in the multi handle
        bool waiting = false; // to be tried again at `retryAt`
        int attempts = 0;
        UploadFailure firstFailure; // what the first attempt met, when retried
        std::chrono::steady_clock::time_point retryAt;
        char errorText[CURL_ERROR_SIZE] = {};
    };

    UploadFailure begin(Slot& slot, std::size_t transfer);
    UploadFailure fillSlots();
    UploadFailure collectFinished();
    UploadFailure finish(Slot& slot, CURLcode result);
    void release(Slot& slot);
    // Whether a transfer still to go could begin in a slot now.
    bool slotFree() const;
    void widenWhenWorthIt();
    std::uint64_t bytesSent();
    std::uint64_t bytesWaiting() const;

    Prepare prepare;
    Explain explain;
    const std::atomic<bool>& stop;
    CurlMulti multi;
    std::array<Slot, Connections> slots;
    const std::vector<Transfer>* transfers = nullptr;
    std::size_t slotsInUse = 1;
    std::chrono::steady_clock::time_point started;
    std::chrono::steady_clock::time_point widened;
    std::size_t next = 0;
    std::size_t done = 0;
    std::uint64_t bytesDone = 0;
};

} // namespace upload

#endif
