// libFuzzer target: any settings file loads or is refused; what loads is
// storable text, and saved again it loads back the same.

#include "publish/Playlist.h"
#include "publish/PublishSettings.h"
#include "text_formats/StorableText.h"
#include "tests/fuzz/FuzzCheck.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

using fuzzing::check;

namespace fs = std::filesystem;

namespace {

const fs::path& folder() {
    static const fs::path path = [] {
        fs::path made = fs::temp_directory_path() / ("fuzz-settings-loader-" + std::to_string(getpid()));
        fs::create_directories(made);
        return made;
    }();
    return path;
}

void checkPlaylistRoundTrip(const fs::path& settingsFile) {
    std::vector<std::string> paths, titles;
    if (!publish::LoadPlaylist(paths, titles, settingsFile))
        return;
    check(paths.size() == titles.size());
    for (size_t i = 0; i < paths.size(); ++i)
        check(publish::isStorableText(paths[i]) && publish::isStorableText(titles[i]));
    fs::path again = folder() / "again.sbx";
    check(publish::SavePlaylist(paths, titles, again));
    std::vector<std::string> reloadedPaths, reloadedTitles;
    check(publish::LoadPlaylist(reloadedPaths, reloadedTitles, again));
    check(reloadedPaths == paths && reloadedTitles == titles);
}

void checkSettings(const fs::path& settingsFile) {
    std::optional<publish::PublishSettings> settings = publish::loadPublishSettings(settingsFile);
    if (!settings)
        return;
    for (const std::string* text : {&settings->folder, &settings->title, &settings->player})
        check(publish::isStorableText(*text));
    fs::path again = folder() / "again.sbx";
    check(publish::SavePlaylist({}, {}, again));
    publish::PlayerChoices player{settings->player, settings->autoStart.value_or(true),
                                  settings->autoNext.value_or(true), settings->loop.value_or(true),
                                  settings->random.value_or(false), settings->title};
    check(!publish::savePlayerChoices(again, player));
    std::optional<publish::PublishSettings> reloaded = publish::loadPublishSettings(again);
    check(reloaded && reloaded->title == settings->title && reloaded->player == settings->player);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fs::path settingsFile = folder() / "Songbox.sbx";
    {
        std::ofstream out(settingsFile, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    checkPlaylistRoundTrip(settingsFile);
    checkSettings(settingsFile);
    return 0;
}
