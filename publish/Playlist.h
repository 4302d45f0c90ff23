#ifndef PUBLISH_PLAYLIST_H
#define PUBLISH_PLAYLIST_H

#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

namespace pugi {
class xml_document;
} // namespace pugi

namespace publish {

// The settings file the wizard's pages and the publish job share; relative,
// so it follows the current directory.
inline const char* const SettingsFileName = "Songbox.sbx";

// One playlist entry: the MP3 file and the title shown in the player.
struct PlaylistItem {
    std::string path;
    std::string title;
};

// Writes a new settings file holding exactly this playlist (and no
// settings), titles made storable. False, with the file untouched, when the
// lists differ in length, a path is not storable text (see StorableText.h)
// or the file cannot be written.
bool SavePlaylist(const std::vector<std::string>& paths, const std::vector<std::string>& titles,
                  const std::filesystem::path& settingsFile = SettingsFileName);

// The same for a playlist of entries.
bool SavePlaylist(const std::vector<PlaylistItem>& playlist, const std::filesystem::path& settingsFile);
// The same, with the reason when the file cannot be written.
[[nodiscard]] std::error_code writePlaylist(const std::vector<PlaylistItem>& playlist,
                                           const std::filesystem::path& settingsFile);

// Replaces the stored playlist with this one, keeping the choices stored
// beside it (the root's attributes); the file is replaced atomically.
[[nodiscard]] std::error_code updatePlaylist(const std::vector<PlaylistItem>& playlist, const std::filesystem::path& settingsFile);

// Appends the stored entries to the lists, titles made storable and
// entries whose path is not left out; true when at least one was read.
bool LoadPlaylist(std::vector<std::string>& paths, std::vector<std::string>& titles,
                  const std::filesystem::path& settingsFile = SettingsFileName);

// The entries a settings document read already holds, as LoadPlaylist takes
// them.
std::vector<PlaylistItem> playlistIn(const pugi::xml_document& document);

} // namespace publish

#endif
