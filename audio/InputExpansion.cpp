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
    // `holder`: the playlist that names `path` as `name`, or "".
    void add(const fs::path& path, const std::string& name, const std::string& title, const std::string& holder);
    ExpandedInput result;

private:
    void addPlaylist(const fs::path& path, const std::string& name, const std::string& holder);
    void skip(RefusalReason reason, const std::string& name, const std::string& holder, std::error_code error = {}) {
        result.skipped.push_back({reason, name, holder, error});
    }

    std::set<fs::path> followed;
};

RefusalReason locationRefusal(publish::LocationProblem problem) {
    return problem == publish::LocationProblem::WebAddress ? RefusalReason::WebAddress : RefusalReason::OtherComputer;
}

void Expansion::add(const fs::path& path, const std::string& name, const std::string& title,
                    const std::string& holder) {
    std::error_code error;
    if (fs::is_directory(path, error)) {
        for (const fs::path& file : folderTracks(path))
            result.tracks.push_back({file.string(), "", holder});
    } else if (publish::playlistKind(path) != publish::PlaylistKind::None && fs::exists(path, error)) {
        addPlaylist(path, name, holder);
    } else if (!fs::exists(path, error)) {
        skip(RefusalReason::Missing, name, holder);
    } else {
        result.tracks.push_back({path.string(), title, holder});
    }
}

void Expansion::addPlaylist(const fs::path& path, const std::string& name, const std::string& holder) {
    std::error_code error;
    fs::path canonical = fs::weakly_canonical(path, error);
    if (!followed.insert(error ? path : canonical).second) {
        skip(RefusalReason::PlaylistLoop, name, holder);
        return;
    }
    std::string bytes;
    if (std::error_code unread = publish::readInputFile(path, LargestPlaylist, bytes)) {
        if (unread == publish::InputFileError::TooLarge)
            skip(RefusalReason::PlaylistTooLarge, name, holder);
        else
            skip(RefusalReason::PlaylistUnreadable, name, holder, unread);
        return;
    }
    for (const publish::PlaylistFileEntry& entry : publish::parsePlaylist(publish::playlistKind(path), bytes)) {
        publish::ResolvedLocation location = publish::resolveLocation(entry.location, path.parent_path());
        if (location.problem != publish::LocationProblem::None)
            skip(locationRefusal(location.problem), entry.location, path.string());
        else
            add(location.path, entry.location, entry.title, path.string());
    }
}

} // namespace

bool isCollection(const std::string& path) {
    std::error_code error;
    return fs::is_directory(path, error) || publish::playlistKind(path) != publish::PlaylistKind::None;
}

ExpandedInput expandInput(const std::string& path) {
    Expansion expansion;
    expansion.add(path, path, "", "");
    return expansion.result;
}

} // namespace audio
