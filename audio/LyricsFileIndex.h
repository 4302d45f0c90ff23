#ifndef AUDIO_LYRICSFILEINDEX_H
#define AUDIO_LYRICSFILEINDEX_H

#include <filesystem>
#include <mutex>
#include <optional>
#include <string>
#include <unordered_map>

namespace audio {

// The ".lrc" files of the folders that one publish, or one addition to the
// playlist, looks in. A folder is listed once, when a sound file in it first
// needs a lyrics file in another case: listing it for every track made a
// large folder's publish grow with the square of its tracks. A lyrics file
// in another case made after its folder was listed is not seen; the exact
// name is always looked for anew. Safe to use from several threads.
class LyricsFileIndex {
public:
    // "STEM.lrc" beside `sound` when it is a file; otherwise the first of its
    // folder's files named so in any case, in the order the folder lists them.
    std::optional<std::filesystem::path> lyricsFileFor(const std::filesystem::path& sound);

private:
    // Lower-cased stem to the first regular file with that stem and an
    // ".lrc" extension in any case.
    using FolderLyrics = std::unordered_map<std::string, std::string>;
    const FolderLyrics& listed(const std::filesystem::path& folder);

    std::mutex mutex;
    std::unordered_map<std::string, FolderLyrics> folders;
};

} // namespace audio

#endif
