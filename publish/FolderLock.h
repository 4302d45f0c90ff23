#ifndef PUBLISH_FOLDERLOCK_H
#define PUBLISH_FOLDERLOCK_H

#include "system_calls/FileDescriptor.h"

#include <filesystem>
#include <functional>
#include <stop_token>
#include <system_error>

namespace publish {

// An exclusive lock on a folder, taken with flock on the folder's own
// descriptor so that no lock file is ever left behind; it goes with the
// object, or with the process however that ends.
class FolderLock {
public:
    // Waits while another process holds the lock, calling `busy` once
    // before it starts waiting. A stop request ends the wait with
    // std::errc::operation_canceled.
    [[nodiscard]] std::error_code acquire(const std::filesystem::path& folder, const std::function<void()>& busy,
                                          std::stop_token stop);

    // Takes the lock only when nobody holds it: whether it was taken.
    bool tryAcquire(const std::filesystem::path& folder);

private:
    FileDescriptor descriptor;
};

} // namespace publish

#endif
