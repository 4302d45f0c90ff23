#include "output_names/OutputFileNames.h"

#include "player_contract/PlayerContract.h"

namespace publish {

namespace {
const std::string TrackMovieExtension = ".swf";
} // namespace

std::filesystem::path outputFolderIn(const std::filesystem::path& folder) { return folder / OutputFolderName; }

std::string trackMovieName(int number) { return std::to_string(number) + TrackMovieExtension; }

std::optional<long> trackMovieNumber(const std::string& name) {
    if (name.size() <= TrackMovieExtension.size() || !name.ends_with(TrackMovieExtension))
        return std::nullopt;
    std::string digits = name.substr(0, name.size() - TrackMovieExtension.size());
    // The job writes "%d.swf": no sign, no leading zero, not absurdly long.
    if (digits.size() > 9 || digits[0] == '0' || digits.find_first_not_of("0123456789") != std::string::npos)
        return std::nullopt;
    return std::stol(digits);
}

bool isPlayerFileName(const std::string& name) {
    return trackMovieNumber(name) || name == contract::MusicListFileName || name == contract::PlayerMovieFileName ||
           name == contract::PlayerPageFileName || name == EmbedPageFileName || name == RuntimeFolderName;
}

} // namespace publish
