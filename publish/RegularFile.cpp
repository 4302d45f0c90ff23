#include "publish/RegularFile.h"

#include "publish/SystemError.h"

#include <fcntl.h>
#include <sys/stat.h>

namespace publish {

std::error_code openRegularFile(const std::filesystem::path& path, FileDescriptor& file) {
    FileDescriptor opened(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (!opened.valid())
        return lastSystemError();
    struct stat status {};
    if (::fstat(opened.get(), &status) != 0)
        return lastSystemError();
    if (!S_ISREG(status.st_mode))
        return std::make_error_code(std::errc::operation_not_supported);
    int flags = ::fcntl(opened.get(), F_GETFL);
    if (flags < 0 || ::fcntl(opened.get(), F_SETFL, flags & ~O_NONBLOCK) != 0)
        return lastSystemError();
    file = std::move(opened);
    return {};
}

} // namespace publish
