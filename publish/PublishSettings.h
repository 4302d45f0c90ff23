#ifndef PUBLISH_PUBLISHSETTINGS_H
#define PUBLISH_PUBLISHSETTINGS_H

#include "publish/Playlist.h"
#include "publish/XmlDocument.h"

#include <filesystem>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

namespace publish {

// The typed view over the settings file: every key the pages write and the
// job reads, with its type. The file itself keeps text, "1" and "0".

// What the player page stores when it is left.
struct PlayerChoices {
    std::string player;  // the skin movie's path
    bool autoStart = true;
    bool autoNext = true;
    bool loop = true;
    bool random = false;
    std::string title = "Tunemill Player";
    // Timed lyrics in the track movies; stored only when off, so that a
    // settings file without them reads as before.
    bool lyrics = true;
};

// What the folder page stores when it is left.
struct FolderChoices {
    std::string folder;
    bool html = true;
    // The SWF runtime beside the page, for browsers without a Flash plug-in.
    bool runtime = true;
    // With the runtime, an .htaccess that has Apache hosts send it
    // compressed and cached; stored only when off, as the lyrics are.
    bool htaccess = true;
};

// Merge into the file the playlist page wrote; the reason when there is
// none or it cannot be written.
[[nodiscard]] std::error_code savePlayerChoices(const std::filesystem::path& settingsFile, const PlayerChoices& choices);
[[nodiscard]] std::error_code saveFolderChoices(const std::filesystem::path& settingsFile, const FolderChoices& choices);

// Everything the job reads. A flag that is absent stays unset, so that the
// playlist document leaves its option out.
struct PublishSettings {
    std::string folder;
    std::string title;
    std::string player;
    std::optional<bool> autoStart, autoNext, loop, random;
    bool html = false;    // only "1" asks for the page
    bool runtime = true;  // only "0" leaves the runtime out
    bool lyrics = true;   // only "0" leaves the lyrics out
    // With the runtime, an .htaccess unless the user has one of their own;
    // only "0" leaves it out.
    bool htaccess = true;
};

// The choices an earlier run stored, for the pages to start from. A key that
// is missing or invalid keeps its default: `Player` counts only when its
// file name is a built-in skin's (wherever it points), `Folder` when it or
// its parent folder exists, a flag when it is "0" or "1".
PlayerChoices storedPlayerChoices(const std::filesystem::path& settingsFile);
FolderChoices storedFolderChoices(const std::filesystem::path& settingsFile, const std::string& defaultFolder);

std::optional<PublishSettings> loadPublishSettings(const std::filesystem::path& settingsFile);

// What the pages stored for a publish, from one reading of the file.
struct StoredPublish {
    PublishSettings settings;
    std::vector<PlaylistItem> playlist;
};
// Why the file could not be read, when it could not.
[[nodiscard]] XmlReadResult loadStoredPublish(const std::filesystem::path& settingsFile, StoredPublish& stored);

// A flag's text in the settings file and the playlist document.
std::string flagText(bool flag);

} // namespace publish

#endif
