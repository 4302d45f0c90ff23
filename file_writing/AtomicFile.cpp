#include "file_writing/AtomicFile.h"

#include "system_calls/FileDescriptor.h"
#include "file_writing/NewFile.h"
#include "system_calls/SystemError.h"

#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>

namespace publish {

namespace {

// New files get the permissions an ordinary fopen would give them.
void applyDefaultPermissions(int descriptor) {
    mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(descriptor, 0666 & ~mask);
}

std::error_code fillAndClose(FileDescriptor& file, std::string_view contents) {
    std::error_code error = writeAll(file.get(), contents);
    if (!error && ::fsync(file.get()) != 0)
        error = lastSystemError();
    if (file.close() != 0 && !error)
        error = lastSystemError();
    return error;
}

} // namespace

std::error_code replaceFileAtomically(const std::filesystem::path& target, std::string_view contents) {
    std::filesystem::path folder = target.parent_path().empty() ? "." : target.parent_path();
    std::string pattern = (folder / ("." + target.filename().string() + ".XXXXXX")).string();
    FileDescriptor file(::mkostemp(pattern.data(), O_CLOEXEC));
    if (!file.valid())
        return lastSystemError();

    struct stat existing {};
    if (::stat(target.c_str(), &existing) == 0)
        ::fchmod(file.get(), existing.st_mode & 07777);
    else
        applyDefaultPermissions(file.get());

    std::error_code error = fillAndClose(file, contents);
    if (!error && std::rename(pattern.c_str(), target.c_str()) != 0)
        error = lastSystemError();
    if (error)
        std::remove(pattern.c_str());
    return error;
}

} // namespace publish
