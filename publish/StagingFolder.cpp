#include "publish/StagingFolder.h"

#include "file_writing/FileCreationMask.h"
#include "system_calls/SystemError.h"

#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace publish {

namespace {

std::string stagingPrefix(const std::string& outputName) { return "." + outputName + ".tunemill-"; }

// The old player's permissions, or those of an ordinary new folder.
std::error_code folderPermissions(const OutputFolder& output, mode_t& mode) {
    struct stat existing {};
    if (output.exists && ::stat(output.path.c_str(), &existing) == 0) {
        mode = existing.st_mode & 07777;
        return {};
    }
    mode_t mask = 0;
    if (std::error_code error = readFileCreationMask(mask))
        return error;
    mode = 0777 & ~mask;
    return {};
}

FileDescriptor openFolder(const fs::path& folder) {
    return FileDescriptor(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
}

// Without an exchange: the old player aside under a staging name, the new
// one in; should that fail, the old one back.
std::error_code swapByRenames(const fs::path& staging, const fs::path& output, fs::path& aside) {
    aside = staging.string() + "-old";
    if (std::rename(output.c_str(), aside.c_str()) != 0)
        return lastSystemError();
    if (std::rename(staging.c_str(), output.c_str()) != 0) {
        std::error_code error = lastSystemError();
        std::rename(aside.c_str(), output.c_str());
        return error;
    }
    return {};
}

} // namespace

bool isStagingFolderName(const std::string& name, const std::string& outputName) {
    return name.starts_with(stagingPrefix(outputName));
}

std::vector<Unremoved> removeStagingLeftovers(const OutputFolder& output) {
    std::vector<Unremoved> left;
    std::error_code error;
    std::string name = output.path.filename().string();
    for (const fs::directory_entry& entry : fs::directory_iterator(output.path.parent_path(), error))
        if (isStagingFolderName(entry.path().filename().string(), name))
            if (Unremoved unremoved = removeFolderTree(entry.path()))
                left.push_back(unremoved);
    return left;
}

StagingFolder::~StagingFolder() { static_cast<void>(remove()); }

std::error_code StagingFolder::create(const OutputFolder& target) {
    output = target;
    beside = openFolder(output.path.parent_path());
    if (!beside.valid())
        return lastSystemError();
    std::string pattern = (output.path.parent_path() / (stagingPrefix(output.path.filename().string()) + "XXXXXX")).string();
    if (::mkdtemp(pattern.data()) == nullptr)
        return lastSystemError();
    folder = pattern;
    staged = openFolder(folder);
    return staged.valid() ? std::error_code() : lastSystemError();
}

std::error_code StagingFolder::swapIn() {
    // Private while it is built, so that nobody else can put anything in it.
    mode_t mode = 0;
    if (std::error_code error = folderPermissions(output, mode))
        return error;
    if (::chmod(folder.c_str(), mode) != 0)
        return lastSystemError();
    // One flush of its file system puts every staged file and folder on disk.
    if (::syncfs(staged.get()) != 0)
        return lastSystemError();
    if (!output.exists) {
        if (std::rename(folder.c_str(), output.path.c_str()) != 0)
            return lastSystemError();
        folder.clear();
        return {};
    }
#ifdef RENAME_EXCHANGE
    if (::renameat2(AT_FDCWD, folder.c_str(), AT_FDCWD, output.path.c_str(), RENAME_EXCHANGE) == 0)
        return {};
    // A file system that cannot exchange gets the renames below.
    if (errno != EINVAL && errno != ENOSYS)
        return lastSystemError();
#endif
    fs::path aside;
    if (std::error_code error = swapByRenames(folder, output.path, aside))
        return error;
    folder = aside;
    return {};
}

std::error_code StagingFolder::flushSwap() {
    return ::fsync(beside.get()) == 0 ? std::error_code() : lastSystemError();
}

Unremoved StagingFolder::remove() {
    if (folder.empty())
        return {};
    Unremoved left = removeFolderTree(folder);
    folder.clear();
    return left;
}

} // namespace publish
