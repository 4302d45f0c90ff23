#include "file_writing/NewFile.h"

#include "system_calls/ReadChunks.h"
#include "system_calls/SystemError.h"

#include <fcntl.h>
#include <sys/stat.h>

namespace publish {

std::error_code createNewFile(const std::filesystem::path& path, FileDescriptor& file) {
    file = FileDescriptor(::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666));
    return file.valid() ? std::error_code() : lastSystemError();
}

std::error_code writeAll(int descriptor, std::string_view bytes) {
    while (!bytes.empty()) {
        ssize_t written = ::write(descriptor, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written < 0)
            return lastSystemError();
        if (written == 0)
            return std::make_error_code(std::errc::no_space_on_device);
        bytes.remove_prefix(static_cast<size_t>(written));
    }
    return {};
}

std::error_code writeNewFile(const std::filesystem::path& path, std::string_view contents) {
    FileDescriptor file;
    if (std::error_code error = createNewFile(path, file))
        return error;
    if (std::error_code error = writeAll(file.get(), contents))
        return error;
    return file.close() == 0 ? std::error_code() : lastSystemError();
}

std::error_code copyRest(int from, int to) {
    return readChunks(from, [to](std::string_view chunk) { return writeAll(to, chunk); });
}

namespace {

// The source's permissions and times, as they were before it was read,
// onto the copy.
std::error_code keepPermissionsAndTimes(const struct stat& source, int copy) {
    struct timespec times[2] = {source.st_atim, source.st_mtim};
    if (::fchmod(copy, source.st_mode & 07777) != 0 || ::futimens(copy, times) != 0)
        return lastSystemError();
    return {};
}

} // namespace

std::error_code copyToNewFile(const std::filesystem::path& source, const std::filesystem::path& target,
                              CopyKind kind) {
    int noFollow = kind == CopyKind::Whole ? O_NOFOLLOW : 0;
    FileDescriptor in(::open(source.c_str(), O_RDONLY | O_CLOEXEC | noFollow));
    struct stat status {};
    if (!in.valid() || (kind == CopyKind::Whole && ::fstat(in.get(), &status) != 0))
        return lastSystemError();
    FileDescriptor out;
    if (std::error_code error = createNewFile(target, out))
        return error;
    if (std::error_code error = copyRest(in.get(), out.get()))
        return error;
    if (kind == CopyKind::Whole)
        if (std::error_code error = keepPermissionsAndTimes(status, out.get()))
            return error;
    return out.close() == 0 ? std::error_code() : lastSystemError();
}

} // namespace publish
