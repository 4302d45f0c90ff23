#include "publish/SettingsFolder.h"

#include <stdlib.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace publish {

namespace {

const std::string TemporaryPrefix = "tunemill-";
const std::string TemporaryPattern = "XXXXXX";

bool isTemporaryFolderName(const std::string& name) {
    return name.size() == TemporaryPrefix.size() + TemporaryPattern.size() && name.starts_with(TemporaryPrefix) &&
           name.find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789",
                                  TemporaryPrefix.size()) == std::string::npos;
}

// Ours, a real folder, and nobody holds its lock: its run is gone.
void removeIfAbandoned(const fs::path& folder) {
    struct stat status {};
    if (::lstat(folder.c_str(), &status) != 0 || !S_ISDIR(status.st_mode) || status.st_uid != ::geteuid())
        return;
    FolderLock lock;
    std::error_code ignored;
    if (lock.tryAcquire(folder))
        fs::remove_all(folder, ignored);
}

void removeAbandonedFolders(const fs::path& base) {
    std::error_code error;
    for (const fs::directory_entry& entry : fs::directory_iterator(base, error))
        if (isTemporaryFolderName(entry.path().filename().string()))
            removeIfAbandoned(entry.path());
}

} // namespace

TemporarySettingsFolder::OwnedFolder TemporarySettingsFolder::makeOwnedFolder() {
    std::error_code error;
    fs::path base = fs::temp_directory_path(error);
    if (error)
        return {};
    removeAbandonedFolders(base);
    for (;;) {
        std::string pattern = (base / (TemporaryPrefix + TemporaryPattern)).string();
        if (!mkdtemp(pattern.data()))
            return {};
        OwnedFolder owned{pattern, {}};
        // Another run's clean-up may have taken it between the two steps.
        if (owned.lock.tryAcquire(owned.path) && fs::exists(owned.path, error))
            return owned;
    }
}

TemporarySettingsFolder::TemporarySettingsFolder() : TemporarySettingsFolder(makeOwnedFolder()) {}

TemporarySettingsFolder::TemporarySettingsFolder(OwnedFolder owned)
    : SettingsFolder(std::move(owned.path)), lock(std::move(owned.lock)) {}

TemporarySettingsFolder::~TemporarySettingsFolder() {
    std::error_code ignored;
    if (valid())
        fs::remove_all(path(), ignored);
}

} // namespace publish
