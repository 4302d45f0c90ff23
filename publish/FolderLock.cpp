#include "publish/FolderLock.h"

#include "system_calls/SystemError.h"

#include <chrono>
#include <fcntl.h>
#include <sys/file.h>
#include <thread>

namespace publish {

namespace {

// How often a waiting publish looks again, and so how soon it hears a stop.
const std::chrono::milliseconds RetryInterval(100);

FileDescriptor openFolder(const std::filesystem::path& folder) {
    return FileDescriptor(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
}

} // namespace

bool FolderLock::tryAcquire(const std::filesystem::path& folder) {
    descriptor = openFolder(folder);
    if (descriptor.valid() && ::flock(descriptor.get(), LOCK_EX | LOCK_NB) == 0)
        return true;
    descriptor = FileDescriptor();
    return false;
}

std::error_code FolderLock::acquire(const std::filesystem::path& folder, const std::function<void()>& busy,
                                    std::stop_token stop) {
    descriptor = openFolder(folder);
    if (!descriptor.valid())
        return lastSystemError();
    bool told = false;
    while (::flock(descriptor.get(), LOCK_EX | LOCK_NB) != 0) {
        if (errno != EWOULDBLOCK && errno != EINTR)
            return lastSystemError();
        if (!told && busy)
            busy();
        told = true;
        if (stop.stop_requested())
            return std::make_error_code(std::errc::operation_canceled);
        std::this_thread::sleep_for(RetryInterval);
    }
    return {};
}

} // namespace publish
