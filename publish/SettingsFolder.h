#ifndef PUBLISH_SETTINGSFOLDER_H
#define PUBLISH_SETTINGSFOLDER_H

#include "publish/Playlist.h"

#include <filesystem>

namespace publish {

// The folder that the settings file, the analyser's data file and the
// unpacked skins share: Tunemill's own folder for the wizard, a private
// temporary one for the command line.
class SettingsFolder {
public:
    explicit SettingsFolder(std::filesystem::path folder) : folder(std::move(folder)) {}

    const std::filesystem::path& path() const { return folder; }
    std::filesystem::path settingsFile() const { return folder / SettingsFileName; }
    // Where the analyser writes a track's spectrum for the movie builder.
    std::filesystem::path dataFile() const { return folder / "data.log"; }
    // Where the built-in skins are unpacked.
    std::filesystem::path playersFolder() const { return folder / "players"; }

private:
    std::filesystem::path folder;
};

// A settings folder of its own under the system's temporary folder, so that
// runs at the same time never share one; removed with everything in it when
// the object goes. `valid()` is false when it could not be made.
class TemporarySettingsFolder : public SettingsFolder {
public:
    TemporarySettingsFolder();
    ~TemporarySettingsFolder();
    TemporarySettingsFolder(const TemporarySettingsFolder&) = delete;
    TemporarySettingsFolder& operator=(const TemporarySettingsFolder&) = delete;

    bool valid() const { return !path().empty(); }
};

} // namespace publish

#endif
