#include "audio/InputExpansion.h"

#include "audio/FolderTracks.h"
#include "input_files/InputFile.h"
#include "text_formats/PlaylistFile.h"

#include <set>

namespace fs = std::filesystem;

namespace audio {

namespace {

// Playlists are a few kilobytes; a bigger file is something else.
constexpr std::uintmax_t LargestPlaylist = 16 * 1024 * 1024;

class Expansion {
public:
    void add(const fs::path& path, const std::string& name, const std::string& title);
    ExpandedInput result;

private:
    void addPlaylist(const fs::path& path, const std::string& name);

    std::set<fs::path> followed;
};

void Expansion::add(const fs::path& path, const std::string& name, const std::string& title) {
    std::error_code error;
    if (fs::is_directory(path, error)) {
        for (const fs::path& file : folderTracks(path))
            result.tracks.push_back({file.string(), ""});
    } else if (publish::playlistKind(path) != publish::PlaylistKind::None && fs::exists(path, error)) {
        addPlaylist(path, name);
    } else if (!fs::exists(path, error)) {
        result.skipped.push_back({name, "is missing"});
    } else {
        result.tracks.push_back({path.string(), title});
    }
}

void Expansion::addPlaylist(const fs::path& path, const std::string& name) {
    std::error_code error;
    fs::path canonical = fs::weakly_canonical(path, error);
    if (!followed.insert(error ? path : canonical).second) {
        result.skipped.push_back({name, "is a playlist already followed (the playlists loop)"});
        return;
    }
    std::string bytes;
    if (std::error_code unread = publish::readInputFile(path, LargestPlaylist, bytes)) {
        bool tooLarge = unread == publish::InputFileError::TooLarge;
        result.skipped.push_back({name, tooLarge ? "is too large for a playlist" : publish::openingProblem(unread)});
        return;
    }
    for (const publish::PlaylistFileEntry& entry : publish::parsePlaylist(publish::playlistKind(path), bytes)) {
        publish::ResolvedLocation location = publish::resolveLocation(entry.location, path.parent_path());
        if (!location.problem.empty())
            result.skipped.push_back({entry.location, location.problem});
        else
            add(location.path, entry.location, entry.title);
    }
}

} // namespace

bool isCollection(const std::string& path) {
    std::error_code error;
    return fs::is_directory(path, error) || publish::playlistKind(path) != publish::PlaylistKind::None;
}

ExpandedInput expandInput(const std::string& path) {
    Expansion expansion;
    expansion.add(path, path, "");
    return expansion.result;
}

} // namespace audio
