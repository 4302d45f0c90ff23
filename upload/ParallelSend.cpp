#include "upload/ParallelSend.h"

#include "system_calls/SystemError.h"
#include "upload/CurlFailure.h"
#include "upload/CurlTransferLimits.h"

#include <algorithm>

namespace upload {

ParallelSend::ParallelSend(Prepare prepare, Explain explain, const std::atomic<bool>& stop)
    : prepare(std::move(prepare)), explain(std::move(explain)), stop(stop), multi(newCurlMulti()) {}

ParallelSend::~ParallelSend() {
    for (Slot& slot : slots)
        release(slot);
}

UploadFailure ParallelSend::run(const std::vector<Transfer>& list, const SendProgress& progress) {
    transfers = &list;
    next = done = 0;
    bytesDone = 0;
    slotsInUse = 1;
    started = widened = std::chrono::steady_clock::now();
    UploadFailure failure;
    while (!failure && done < list.size()) {
        if (stop) {
            failure.problem = UploadProblem::Stopped;
            break;
        }
        failure = fillSlots();
        int running = 0;
        curl_multi_perform(multi.get(), &running);
        if (!failure)
            failure = collectFinished();
        if (progress)
            progress(bytesSent(), done);
        widenWhenWorthIt();
        // A slot a transfer just left takes the next one at once: waiting
        // here would cost every file a poll's time-out on a quiet line.
        if (!failure && done < list.size() && !slotFree())
            curl_multi_poll(multi.get(), nullptr, 0, 100, nullptr);
    }
    for (Slot& slot : slots)
        release(slot);
    return failure;
}

UploadFailure ParallelSend::fillSlots() {
    auto now = std::chrono::steady_clock::now();
    for (std::size_t i = 0; i < slotsInUse; ++i) {
        Slot& slot = slots[i];
        if (slot.waiting && slot.retryAt <= now) {
            slot.waiting = false;
            if (UploadFailure failure = begin(slot, slot.transfer))
                return failure;
        }
        if (!slot.busy && !slot.waiting && next < transfers->size()) {
            slot.attempts = 0;
            if (UploadFailure failure = begin(slot, next++))
                return failure;
        }
    }
    return {};
}

UploadFailure ParallelSend::begin(Slot& slot, std::size_t transfer) {
    const Transfer& sent = (*transfers)[transfer];
    slot.file = std::fopen(sent.local.c_str(), "rbe");
    if (!slot.file) {
        UploadFailure failure;
        failure.problem = UploadProblem::LocalFile;
        failure.path = sent.local.string();
        failure.system = publish::lastSystemError();
        return failure;
    }
    if (!slot.handle)
        slot.handle = newCurlEasy();
    curl_easy_reset(slot.handle.get());
    prepare(slot.handle.get(), sent);
    slot.errorText[0] = '\0';
    curl_easy_setopt(slot.handle.get(), CURLOPT_ERRORBUFFER, slot.errorText);
    curl_easy_setopt(slot.handle.get(), CURLOPT_UPLOAD, 1L);
    curl_easy_setopt(slot.handle.get(), CURLOPT_READDATA, slot.file);
    curl_easy_setopt(slot.handle.get(), CURLOPT_INFILESIZE_LARGE, static_cast<curl_off_t>(sent.size));
    curl_easy_setopt(slot.handle.get(), CURLOPT_PRIVATE, &slot);
    slot.transfer = transfer;
    ++slot.attempts;
    slot.busy = true;
    curl_multi_add_handle(multi.get(), slot.handle.get());
    return {};
}

UploadFailure ParallelSend::collectFinished() {
    int left = 0;
    while (CURLMsg* message = curl_multi_info_read(multi.get(), &left)) {
        if (message->msg != CURLMSG_DONE)
            continue;
        Slot* slot = nullptr;
        curl_easy_getinfo(message->easy_handle, CURLINFO_PRIVATE, &slot);
        if (UploadFailure failure = finish(*slot, message->data.result))
            return failure;
    }
    return {};
}

UploadFailure ParallelSend::finish(Slot& slot, CURLcode result) {
    const Transfer& sent = (*transfers)[slot.transfer];
    release(slot);
    if (result == CURLE_OK) {
        ++done;
        bytesDone += sent.size;
        return {};
    }
    UploadFailure failure = explain(slot.handle.get(), result, slot.errorText, sent.remote);
    if (slot.attempts > 1)
        return failureAfterRetry(slot.firstFailure, failure);
    if (mayPassOnRetry(result, failure)) {
        slot.firstFailure = failure;
        slot.waiting = true;
        slot.retryAt = std::chrono::steady_clock::now() + RetryDelay;
        return {};
    }
    return failure;
}

void ParallelSend::release(Slot& slot) {
    if (slot.busy)
        curl_multi_remove_handle(multi.get(), slot.handle.get());
    slot.busy = false;
    slot.waiting = false;
    if (slot.file)
        std::fclose(slot.file);
    slot.file = nullptr;
}

bool ParallelSend::slotFree() const {
    return next < transfers->size() && std::any_of(slots.begin(), slots.begin() + slotsInUse, [](const Slot& slot) {
               return !slot.busy && !slot.waiting;
           });
}

void ParallelSend::widenWhenWorthIt() {
    auto now = std::chrono::steady_clock::now();
    if (slotsInUse == Connections || now - widened < Widening)
        return;
    // By bytes for large files, by count for many small ones, where each
    // costs round trips more than bytes.
    double widenings = std::chrono::duration<double>(now - started) / Widening;
    bool bytesWait = static_cast<double>(bytesWaiting()) > static_cast<double>(bytesSent()) / widenings;
    bool filesWait = static_cast<double>(transfers->size() - next) > static_cast<double>(done) / widenings;
    if (bytesWait || filesWait) {
        ++slotsInUse;
        widened = now;
    }
}

std::uint64_t ParallelSend::bytesSent() {
    std::uint64_t bytes = bytesDone;
    for (Slot& slot : slots) {
        curl_off_t sent = 0;
        if (slot.busy && curl_easy_getinfo(slot.handle.get(), CURLINFO_SIZE_UPLOAD_T, &sent) == CURLE_OK)
            bytes += static_cast<std::uint64_t>(sent);
    }
    return bytes;
}

std::uint64_t ParallelSend::bytesWaiting() const {
    std::uint64_t bytes = 0;
    for (std::size_t i = next; i < transfers->size(); ++i)
        bytes += (*transfers)[i].size;
    return bytes;
}

} // namespace upload
