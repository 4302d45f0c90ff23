#include "audio/WorkFolder.h"

#include "file_writing/FolderCreation.h"

#include <cstdio>
#include <filesystem>

namespace fs = std::filesystem;

namespace audio {

std::string workFolder(const std::string& documentsFolder) {
    if (documentsFolder.empty())
        return "";
    fs::path folder = fs::path(documentsFolder) / TunemillFolderName;
    return publish::createFolders(folder) ? "" : folder.string();
}

std::tm localTimeNow() {
    std::time_t now = std::time(nullptr);
    return *std::localtime(&now);
}

std::string timeCode(const std::tm& time) {
    char code[48];
    std::snprintf(code, sizeof code, "%02d%02d%02d%02d", time.tm_mon + 1, time.tm_mday, time.tm_hour, time.tm_min);
    return code;
}

std::string convertedFileName(const std::string& folder, const std::tm& time) {
    std::string code = timeCode(time);
    // Number 1 is the name without a suffix.
    auto named = [&](long number) {
        return fs::path(folder) / (number == 1 ? code + ".mp3" : code + "-" + std::to_string(number) + ".mp3");
    };
    // The numbers taken in a minute are looked at doubling, then halving, so
    // that a thousand conversions in one minute do not each try every name
    // before theirs: a free number whose predecessor is taken, in few tries.
    long taken = 0, free = 1;
    while (fs::exists(named(free))) {
        taken = free;
        free *= 2;
    }
    while (free - taken > 1) {
        long middle = taken + (free - taken) / 2;
        (fs::exists(named(middle)) ? taken : free) = middle;
    }
    return named(free).string();
}

} // namespace audio
