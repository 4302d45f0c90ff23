#include "publish/UserFiles.h"

#include "publish/HtaccessFile.h"

#include "file_writing/NewFile.h"
#include "output_names/OutputFileNames.h"
#include "system_calls/SystemError.h"

#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace publish {

namespace {

std::error_code carry(const fs::path& from, const fs::path& to, fs::path& failed);

std::error_code carryFile(const fs::path& from, const fs::path& to) {
    if (::link(from.c_str(), to.c_str()) == 0)
        return {};
    return copyToNewFile(from, to, CopyKind::Whole);
}

std::error_code carryLink(const fs::path& from, const fs::path& to) {
    std::error_code error;
    fs::path target = fs::read_symlink(from, error);
    if (!error)
        fs::create_symlink(target, to, error);
    return error;
}

std::error_code carryFolder(const fs::path& from, const fs::path& to, const struct stat& status, fs::path& failed) {
    if (::mkdir(to.c_str(), 0700) != 0)
        return lastSystemError();
    std::error_code error;
    for (const fs::directory_entry& entry : fs::directory_iterator(from, error))
        if (std::error_code carried = carry(entry.path(), to / entry.path().filename(), failed))
            return carried;
    if (error)
        return error;
    return ::chmod(to.c_str(), status.st_mode & 07777) == 0 ? std::error_code() : lastSystemError();
}

std::error_code carryEntry(const fs::path& from, const fs::path& to, fs::path& failed) {
    struct stat status {};
    if (::lstat(from.c_str(), &status) != 0)
        return lastSystemError();
    switch (status.st_mode & S_IFMT) {
    case S_IFREG: return carryFile(from, to);
    case S_IFLNK: return carryLink(from, to);
    case S_IFDIR: return carryFolder(from, to, status, failed);
    // A pipe, socket or device has nothing to carry that would last.
    default: return std::make_error_code(std::errc::operation_not_supported);
    }
}

std::error_code carry(const fs::path& from, const fs::path& to, fs::path& failed) {
    std::error_code error = carryEntry(from, to, failed);
    if (error && failed.empty())
        failed = from;
    return error;
}

} // namespace

std::error_code carryUserFiles(const fs::path& oldOutput, const fs::path& newOutput, fs::path& failed) {
    std::error_code error;
    for (const fs::directory_entry& entry : fs::directory_iterator(oldOutput, error)) {
        // Tunemill's own .htaccess is written anew, or not at all.
        if (isPlayerFileName(entry.path().filename().string()) ||
            (entry.path().filename() == HtaccessFileName && isTunemillHtaccess(entry.path())))
            continue;
        if (std::error_code carried = carry(entry.path(), newOutput / entry.path().filename(), failed))
            return carried;
    }
    if (error)
        failed = oldOutput;
    return error;
}

} // namespace publish
