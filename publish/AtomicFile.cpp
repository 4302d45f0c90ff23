#include "publish/AtomicFile.h"

#include <cstdio>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace publish {

namespace {

bool writeAll(int descriptor, std::string_view contents) {
    while (!contents.empty()) {
        ssize_t written = ::write(descriptor, contents.data(), contents.size());
        if (written <= 0)
            return false;
        contents.remove_prefix(static_cast<size_t>(written));
    }
    return true;
}

// New files get the permissions an ordinary fopen would give them.
void applyDefaultPermissions(int descriptor) {
    mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(descriptor, 0666 & ~mask);
}

} // namespace

bool replaceFileAtomically(const std::filesystem::path& target, std::string_view contents) {
    std::filesystem::path folder = target.parent_path().empty() ? "." : target.parent_path();
    std::string pattern = (folder / ("." + target.filename().string() + ".XXXXXX")).string();
    int descriptor = ::mkstemp(pattern.data());
    if (descriptor < 0)
        return false;

    struct stat existing {};
    if (::stat(target.c_str(), &existing) == 0)
        ::fchmod(descriptor, existing.st_mode & 07777);
    else
        applyDefaultPermissions(descriptor);

    bool written = writeAll(descriptor, contents) && ::fsync(descriptor) == 0;
    if (::close(descriptor) != 0)
        written = false;
    if (!written || std::rename(pattern.c_str(), target.c_str()) != 0) {
        std::remove(pattern.c_str());
        return false;
    }
    return true;
}

} // namespace publish
