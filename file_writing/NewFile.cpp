#include "file_writing/NewFile.h"

#include "system_calls/SystemError.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <vector>

namespace publish {

namespace {
const size_t CopyChunk = 1 << 18;
} // namespace

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
    std::vector<char> buffer(CopyChunk);
    for (;;) {
        ssize_t got = ::read(from, buffer.data(), buffer.size());
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return lastSystemError();
        if (got == 0)
            return {};
        if (std::error_code error = writeAll(to, std::string_view(buffer.data(), static_cast<size_t>(got))))
            return error;
    }
}

std::error_code copyToNewFile(const std::filesystem::path& source, const std::filesystem::path& target) {
    FileDescriptor in(::open(source.c_str(), O_RDONLY | O_CLOEXEC));
    if (!in.valid())
        return lastSystemError();
    FileDescriptor out;
    if (std::error_code error = createNewFile(target, out))
        return error;
    if (std::error_code error = copyRest(in.get(), out.get()))
        return error;
    return out.close() == 0 ? std::error_code() : lastSystemError();
}

} // namespace publish
