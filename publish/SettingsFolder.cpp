#include "publish/SettingsFolder.h"

#include <stdlib.h>
#include <string>

namespace fs = std::filesystem;

namespace publish {

namespace {

fs::path makeTemporaryFolder() {
    std::error_code error;
    fs::path base = fs::temp_directory_path(error);
    if (error)
        return {};
    std::string pattern = (base / "tunemill-XXXXXX").string();
    return mkdtemp(pattern.data()) ? fs::path(pattern) : fs::path();
}

} // namespace

TemporarySettingsFolder::TemporarySettingsFolder() : SettingsFolder(makeTemporaryFolder()) {}

TemporarySettingsFolder::~TemporarySettingsFolder() {
    std::error_code ignored;
    if (valid())
        fs::remove_all(path(), ignored);
}

} // namespace publish
