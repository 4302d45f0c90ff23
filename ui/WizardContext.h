#ifndef UI_WIZARDCONTEXT_H
#define UI_WIZARDCONTEXT_H

#include "audio/SoundOutput.h"
#include "audio/WaveInput.h"
#include "publish/SettingsFolder.h"

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace ui {

// What the pages share besides the settings file: where things are, and
// the devices (a sound card, or synthetic ones in tests).
struct WizardContext {
    // Tunemill's own folder: the settings file, the data file, the skins.
    publish::SettingsFolder settings{""};
    // The user's documents folder, for the work folder and the default
    // publish folder; empty when there is none.
    std::string documentsFolder;
    std::filesystem::path runtimeFolder;
    std::vector<std::filesystem::path> analyserFolders;
    std::function<std::unique_ptr<audio::WaveInput>()> makeWaveInput;
    std::function<std::unique_ptr<audio::SoundOutput>()> makeSoundOutput;
};

} // namespace ui

#endif
