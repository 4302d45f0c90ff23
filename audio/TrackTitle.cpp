#include "audio/TrackTitle.h"

#include "audio/InputTags.h"
#include "audio/MismarkedId3Title.h"

#include <taglib/tag.h>

#include <filesystem>

namespace audio {

namespace {

std::string tagTitle(const std::string& path) {
    InputTags file(path, false);
    if (file.tag() == nullptr)
        return "";
    std::string title = mismarkedId3Title(*file.file());
    if (title.empty())
        title = file.tag()->title().to8Bit(true);
    // Tags padded with blanks or line ends are no title.
    size_t first = title.find_first_not_of(" \t\r\n");
    if (first == std::string::npos)
        return "";
    return title.substr(first, title.find_last_not_of(" \t\r\n") - first + 1);
}

} // namespace

std::string titleForFile(const std::string& path) {
    std::string title = tagTitle(path);
    if (!title.empty())
        return title;
    return std::filesystem::path(path).stem().string();
}

} // namespace audio
