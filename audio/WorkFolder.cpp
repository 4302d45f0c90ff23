#include "audio/WorkFolder.h"

#include <cstdio>
#include <filesystem>

namespace fs = std::filesystem;

namespace audio {

std::string workFolder(const std::string& documentsFolder) {
    if (documentsFolder.empty())
        return "";
    fs::path folder = fs::path(documentsFolder) / TunemillFolderName;
    std::error_code error;
    fs::create_directories(folder, error);
    return error ? "" : folder.string();
}

std::string timeCode(const std::tm& time) {
    char code[48];
    std::snprintf(code, sizeof code, "%02d%02d%02d%02d", time.tm_mon + 1, time.tm_mday, time.tm_hour, time.tm_min);
    return code;
}

std::string convertedFileName(const std::string& folder, const std::tm& time) {
    std::string code = timeCode(time);
    fs::path candidate = fs::path(folder) / (code + ".mp3");
    for (int suffix = 2; fs::exists(candidate); ++suffix)
        candidate = fs::path(folder) / (code + "-" + std::to_string(suffix) + ".mp3");
    return candidate.string();
}

} // namespace audio
