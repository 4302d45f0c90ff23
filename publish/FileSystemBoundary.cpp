#include "publish/FileSystemBoundary.h"

#include "system_calls/SystemError.h"

#include <cstdint>
#include <fcntl.h>
#include <linux/openat2.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/sysmacros.h>

namespace fs = std::filesystem;

namespace publish {

namespace {

class BoundaryCategory : public std::error_category {
public:
    const char* name() const noexcept override { return "file system boundary"; }
    std::string message(int) const override { return "another file system is mounted there"; }
    std::error_condition default_error_condition(int) const noexcept override {
        return std::errc::cross_device_link;
    }
};

// The mount (0 where the kernel gives no mount ID) and the device a file is on.
struct Placement {
    std::uint64_t mount = 0;
    dev_t device = 0;
};

// Of `name` in `folder`, or of `folder` itself for "".
std::error_code placementOf(int folder, const char* name, Placement& placement) {
    struct statx status {};
    int flags = AT_SYMLINK_NOFOLLOW | AT_STATX_DONT_SYNC | (*name == '\0' ? AT_EMPTY_PATH : 0);
    if (::statx(folder, name, flags, STATX_TYPE | STATX_MNT_ID, &status) != 0)
        return lastSystemError();
    placement.mount = (status.stx_mask & STATX_MNT_ID) != 0 ? status.stx_mnt_id : 0;
    placement.device = makedev(status.stx_dev_major, status.stx_dev_minor);
    return {};
}

bool sameMount(const Placement& one, const Placement& other) {
    if (one.mount != 0 && other.mount != 0)
        return one.mount == other.mount;
    return one.device == other.device;
}

// Where the system refuses openat2 (an older kernel, a sandbox's filter):
// open, then give back what turns out to lie on another mount unused.
std::error_code openComparingMounts(int folder, const char* name, int flags, FileDescriptor& opened) {
    FileDescriptor candidate(::openat(folder, name, flags | O_NOFOLLOW | O_CLOEXEC));
    if (!candidate.valid())
        return lastSystemError();
    Placement outer, inner;
    if (std::error_code error = placementOf(folder, "", outer))
        return error;
    if (std::error_code error = placementOf(candidate.get(), "", inner))
        return error;
    if (!sameMount(outer, inner))
        return otherFileSystem();
    opened = std::move(candidate);
    return {};
}

} // namespace

std::error_code otherFileSystem() {
    static const BoundaryCategory category;
    return {1, category};
}

std::error_code openWithin(int folder, const char* name, int flags, FileDescriptor& opened) {
    // glibc has no wrapper for openat2.
    open_how how {};
    how.flags = static_cast<std::uint64_t>(flags | O_NOFOLLOW | O_CLOEXEC);
    how.resolve = RESOLVE_NO_XDEV | RESOLVE_NO_SYMLINKS | RESOLVE_BENEATH;
    long descriptor = ::syscall(SYS_openat2, folder, name, &how, sizeof how);
    if (descriptor >= 0) {
        opened = FileDescriptor(static_cast<int>(descriptor));
        return {};
    }
    if (errno == EXDEV)
        return otherFileSystem();
    if (errno != ENOSYS && errno != EPERM)
        return lastSystemError();
    return openComparingMounts(folder, name, flags, opened);
}

fs::path firstOtherFileSystemIn(const fs::path& folder) {
    Placement own;
    if (placementOf(AT_FDCWD, folder.c_str(), own))
        return {};
    // What cannot be read here cannot be carried either, and that step
    // names it.
    std::error_code error;
    fs::recursive_directory_iterator entry(folder, fs::directory_options::skip_permission_denied, error), end;
    for (; !error && entry != end; entry.increment(error)) {
        Placement placement;
        if (!placementOf(AT_FDCWD, entry->path().c_str(), placement) &&
            (!sameMount(own, placement) || own.device != placement.device))
            return entry->path();
    }
    return {};
}

} // namespace publish
