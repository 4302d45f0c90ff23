#ifndef PUBLISH_SETTINGSFOLDER_H
#define PUBLISH_SETTINGSFOLDER_H

#include "publish/FolderLock.h"
#include "publish/Playlist.h"

#include <filesystem>
#include <string>

namespace publish {

// The folder that the settings file, the analyser's data file and the
// unpacked skins share: Tunemill's own folder for the wizard, a private
// temporary one for the command line.
class SettingsFolder {
public:
    explicit SettingsFolder(std::filesystem::path folder) : folder(std::move(folder)) {}

    const std::filesystem::path& path() const { return folder; }
    std::filesystem::path settingsFile() const { return folder / SettingsFileName; }
    // Where the analyser writes a track's spectrum for the movie builder;
    // each thread that builds tracks has one of its own.
    std::filesystem::path dataFile(int worker = 0) const {
        return folder / (worker == 0 ? std::string("data.log") : "data." + std::to_string(worker) + ".log");
    }
    // The data file of the player page's preview, which may build while a
    // publish runs.
    std::filesystem::path previewDataFile() const { return folder / "preview-data.log"; }
    // Where the built-in skins are unpacked.
    std::filesystem::path playersFolder() const { return folder / "players"; }

private:
    std::filesystem::path folder;
};

// A settings folder of its own under the system's temporary folder, so that
// runs at the same time never share one; removed with everything in it when
// the object goes. `valid()` is false when it could not be made. It is
// locked for as long as it lives, so that the next run can tell the folders
// of runs that were killed (and could not remove theirs) and removes them.
class TemporarySettingsFolder : public SettingsFolder {
public:
    TemporarySettingsFolder();
    ~TemporarySettingsFolder();
    TemporarySettingsFolder(const TemporarySettingsFolder&) = delete;
    TemporarySettingsFolder& operator=(const TemporarySettingsFolder&) = delete;

    bool valid() const { return !path().empty(); }

private:
    struct OwnedFolder {
        std::filesystem::path path;
        FolderLock lock;
    };
    static OwnedFolder makeOwnedFolder();
    explicit TemporarySettingsFolder(OwnedFolder owned);

    FolderLock lock;
};

} // namespace publish

#endif
