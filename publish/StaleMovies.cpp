#include "publish/StaleMovies.h"

#include <string>

namespace fs = std::filesystem;

namespace publish {

namespace {

// Whether `name` is a track movie's name, and its number.
bool isTrackMovieName(const std::string& name, long& number) {
    const std::string extension = ".swf";
    if (name.size() <= extension.size() || name.compare(name.size() - extension.size(), extension.size(), extension) != 0)
        return false;
    std::string digits = name.substr(0, name.size() - extension.size());
    // The job writes "%d.swf": no sign, no leading zero, not absurdly long.
    if (digits.size() > 9 || digits[0] == '0' || digits.find_first_not_of("0123456789") != std::string::npos)
        return false;
    number = std::stol(digits);
    return true;
}

} // namespace

int removeStaleTrackMovies(const fs::path& outputFolder, int trackCount) {
    int removed = 0;
    std::error_code error;
    for (const fs::directory_entry& entry : fs::directory_iterator(outputFolder, error)) {
        long number;
        if (!entry.is_regular_file(error) || !isTrackMovieName(entry.path().filename().string(), number) ||
            number <= trackCount)
            continue;
        std::error_code ignored;
        removed += fs::remove(entry.path(), ignored) ? 1 : 0;
    }
    return removed;
}

} // namespace publish
