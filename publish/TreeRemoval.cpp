#include "publish/TreeRemoval.h"

#include "system_calls/FileDescriptor.h"
#include "publish/FileSystemBoundary.h"
#include "system_calls/SystemError.h"

#include <dirent.h>
#include <fcntl.h>
#include <string>
#include <string_view>
#include <sys/stat.h>
#include <vector>

namespace fs = std::filesystem;

namespace publish {

namespace {

struct Entry {
    std::string name;
    bool folder = false;
};

void note(Unremoved& first, const fs::path& path, std::error_code why) {
    if (!first)
        first = {path, why};
}

bool isFolder(int parent, const dirent& entry) {
    if (entry.d_type != DT_UNKNOWN)
        return entry.d_type == DT_DIR;
    struct stat status {};
    return ::fstatat(parent, entry.d_name, &status, AT_SYMLINK_NOFOLLOW) == 0 && S_ISDIR(status.st_mode);
}

std::error_code listFolder(int folder, std::vector<Entry>& entries) {
    // A description of its own, so that reading it moves no shared offset.
    int copy = ::openat(folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (copy < 0)
        return lastSystemError();
    DIR* listing = ::fdopendir(copy);
    if (listing == nullptr) {
        std::error_code error = lastSystemError();
        ::close(copy);
        return error;
    }
    std::error_code error;
    for (;;) {
        errno = 0;
        const dirent* entry = ::readdir(listing);
        if (entry == nullptr) {
            if (errno != 0)
                error = lastSystemError();
            break;
        }
        std::string_view name = entry->d_name;
        if (name != "." && name != "..")
            entries.push_back({std::string(name), isFolder(folder, *entry)});
    }
    ::closedir(listing);
    return error;
}

// A read-only tree gives its owner no right to remove what is in it. Should
// this change fail, the removal that needed it says why.
void letOwnerRemoveEntries(int folder) {
    struct stat status {};
    mode_t needed = S_IWUSR | S_IXUSR;
    if (::fstat(folder, &status) == 0 && (status.st_mode & needed) != needed)
        static_cast<void>(::fchmod(folder, (status.st_mode & 07777) | needed));
}

void removeEntry(int parent, const fs::path& path, const Entry& entry, Unremoved& first);

void emptyFolder(int folder, const fs::path& path, Unremoved& first) {
    letOwnerRemoveEntries(folder);
    std::vector<Entry> entries;
    if (std::error_code error = listFolder(folder, entries))
        note(first, path, error);
    for (const Entry& entry : entries)
        removeEntry(folder, path / entry.name, entry, first);
}

void removeEntry(int parent, const fs::path& path, const Entry& entry, Unremoved& first) {
    if (entry.folder) {
        FileDescriptor folder;
        if (std::error_code error = openWithin(parent, entry.name.c_str(), O_RDONLY | O_DIRECTORY, folder)) {
            note(first, path, error);
            return;
        }
        emptyFolder(folder.get(), path, first);
    }
    if (::unlinkat(parent, entry.name.c_str(), entry.folder ? AT_REMOVEDIR : 0) != 0)
        note(first, path, lastSystemError());
}

} // namespace

Unremoved removeFolderTree(const fs::path& folder) {
    FileDescriptor parent(::open(folder.parent_path().c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC));
    if (!parent.valid())
        return {folder, lastSystemError()};
    Entry root{folder.filename().string()};
    struct stat status {};
    if (::fstatat(parent.get(), root.name.c_str(), &status, AT_SYMLINK_NOFOLLOW) != 0)
        return errno == ENOENT ? Unremoved() : Unremoved{folder, lastSystemError()};
    root.folder = S_ISDIR(status.st_mode);
    Unremoved first;
    removeEntry(parent.get(), folder, root, first);
    return first;
}

} // namespace publish
