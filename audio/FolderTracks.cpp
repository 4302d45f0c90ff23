#include "audio/FolderTracks.h"

#include "audio/InputTags.h"
#include "audio/SoundFileNames.h"

#include <taglib/tag.h>
#include <taglib/tpropertymap.h>

#include <algorithm>
#include <cctype>
#include <climits>

namespace fs = std::filesystem;

namespace audio {

namespace {

struct AlbumPlace {
    unsigned disc = 1;
    unsigned track = UINT_MAX;
    std::string name;
    fs::path path;
};

// "2/3" gives 2; no number gives `otherwise`.
unsigned leadingNumber(const std::string& text, unsigned otherwise) {
    size_t digits = 0;
    while (digits < text.size() && digits < 9 && std::isdigit(static_cast<unsigned char>(text[digits])))
        ++digits;
    return digits == 0 ? otherwise : static_cast<unsigned>(std::stoul(text.substr(0, digits)));
}

AlbumPlace albumPlace(const fs::path& file, const fs::path& folder) {
    AlbumPlace place;
    place.path = file;
    place.name = file.lexically_relative(folder).string();
    InputTags tags(file.string(), false);
    if (tags.tag() == nullptr)
        return place;
    if (tags.tag()->track() > 0)
        place.track = tags.tag()->track();
    TagLib::PropertyMap properties = tags.file()->properties();
    auto disc = properties.find("DISCNUMBER");
    if (disc != properties.end() && !disc->second.isEmpty())
        place.disc = leadingNumber(disc->second.front().to8Bit(true), 1);
    return place;
}

bool hidden(const fs::path& path) { return path.filename().string().starts_with("."); }

size_t digitRun(const std::string& text, size_t at) {
    size_t end = at;
    while (end < text.size() && std::isdigit(static_cast<unsigned char>(text[end])))
        ++end;
    return end;
}

} // namespace

bool naturallyBefore(const std::string& a, const std::string& b) {
    size_t i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        if (std::isdigit(static_cast<unsigned char>(a[i])) && std::isdigit(static_cast<unsigned char>(b[j]))) {
            size_t endA = digitRun(a, i), endB = digitRun(b, j);
            // Leading zeros aside, a longer run of digits is a larger number.
            std::string numberA = a.substr(i, endA - i), numberB = b.substr(j, endB - j);
            numberA.erase(0, std::min(numberA.find_first_not_of('0'), numberA.size()));
            numberB.erase(0, std::min(numberB.find_first_not_of('0'), numberB.size()));
            if (numberA.size() != numberB.size())
                return numberA.size() < numberB.size();
            if (numberA != numberB)
                return numberA < numberB;
            i = endA;
            j = endB;
            continue;
        }
        int x = std::tolower(static_cast<unsigned char>(a[i])), y = std::tolower(static_cast<unsigned char>(b[j]));
        if (x != y)
            return x < y;
        ++i;
        ++j;
    }
    if (a.size() - i != b.size() - j)
        return a.size() - i < b.size() - j;
    return a < b;
}

std::vector<fs::path> folderTracks(const fs::path& folder) {
    std::vector<AlbumPlace> places;
    std::error_code error;
    auto options = fs::directory_options::skip_permission_denied;
    for (auto entry = fs::recursive_directory_iterator(folder, options, error);
         entry != fs::recursive_directory_iterator(); entry.increment(error)) {
        if (error)
            break;
        if (hidden(entry->path())) {
            if (entry->is_directory(error))
                entry.disable_recursion_pending();
            continue;
        }
        if (entry->is_regular_file(error) && hasSoundFileExtension(entry->path()))
            places.push_back(albumPlace(entry->path(), folder));
    }
    std::sort(places.begin(), places.end(), [](const AlbumPlace& a, const AlbumPlace& b) {
        if (a.disc != b.disc)
            return a.disc < b.disc;
        if (a.track != b.track)
            return a.track < b.track;
        return naturallyBefore(a.name, b.name);
    });
    std::vector<fs::path> files;
    for (AlbumPlace& place : places)
        files.push_back(std::move(place.path));
    return files;
}

} // namespace audio
