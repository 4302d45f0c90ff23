#include "audio/LyricsFileIndex.h"

#include <algorithm>
#include <cctype>

namespace fs = std::filesystem;

namespace audio {

namespace {

constexpr std::string_view LyricsExtension = ".lrc";

std::string lowerCased(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); });
    return text;
}

} // namespace

const LyricsFileIndex::FolderLyrics& LyricsFileIndex::listed(const fs::path& folder) {
    auto [place, isNew] = folders.try_emplace(folder.string());
    if (!isNew)
        return place->second;
    std::error_code error;
    // A folder that cannot be listed, wholly or from some entry on, holds
    // no more lyrics files than were seen.
    for (fs::directory_iterator entry(folder, error); !error && entry != fs::directory_iterator();
         entry.increment(error)) {
        std::string name = lowerCased(entry->path().filename().string());
        std::error_code unknownType;
        if (!name.ends_with(LyricsExtension) || !entry->is_regular_file(unknownType))
            continue;
        name.resize(name.size() - LyricsExtension.size());
        place->second.try_emplace(std::move(name), entry->path().filename().string());
    }
    return place->second;
}

std::optional<fs::path> LyricsFileIndex::lyricsFileFor(const fs::path& sound) {
    std::error_code error;
    fs::path exact = sound.parent_path() / (sound.stem().string() + std::string(LyricsExtension));
    if (fs::is_regular_file(exact, error))
        return exact;
    fs::path folder = sound.parent_path().empty() ? fs::path(".") : sound.parent_path();
    std::lock_guard lock(mutex);
    const FolderLyrics& lyrics = listed(folder);
    auto found = lyrics.find(lowerCased(sound.stem().string()));
    if (found == lyrics.end())
        return std::nullopt;
    return sound.parent_path() / found->second;
}

} // namespace audio
