#ifndef AUDIO_FOLDERTRACKS_H
#define AUDIO_FOLDERTRACKS_H

#include <filesystem>
#include <string>
#include <vector>

namespace audio {

// The sound files in a folder and its subfolders, in album order: by disc
// number, then track number (from their tags; files without come after
// those with), then by name, numbers in names compared as numbers. Hidden
// files and folders are passed over.
std::vector<std::filesystem::path> folderTracks(const std::filesystem::path& folder);

// Orders names as people expect: "Track 2" before "Track 10", case aside.
bool naturallyBefore(const std::string& a, const std::string& b);

} // namespace audio

#endif
