#include "publish/PublishSettings.h"

#include "publish/PublishOptions.h"
#include "publish/SkinCatalogue.h"
#include "publish/XmlDocument.h"
#include "text_formats/StorableText.h"

namespace publish {

namespace {

const char* const FolderKey = "Folder";
const char* const TitleKey = "Title";
const char* const PlayerKey = "Player";
const char* const AutoStartKey = "AutoStart";
const char* const AutoNextKey = "AutoNext";
const char* const LoopKey = "Loop";
const char* const RandomKey = "Random";
const char* const HtmlKey = "HTML";
const char* const RuntimeKey = "Runtime";
const char* const LyricsKey = "Lyrics";
const char* const HtaccessKey = "Htaccess";

// A flag that is on unless stored as "0": absent means on, so that turned on
// again, the key goes and the file reads as if it had never been off.
void setUnlessOn(PublishOptions& options, const char* key, bool flag) {
    if (flag)
        options.Remove(key);
    else
        options.SetBool(key, false);
}

std::optional<bool> flag(const PublishOptions& options, const char* key) {
    std::string value = options.Get(key);
    if (value == "1")
        return true;
    if (value == "0")
        return false;
    return std::nullopt;
}

void keepFlag(const PublishOptions& options, const char* key, bool& value) {
    if (std::optional<bool> stored = flag(options, key))
        value = *stored;
}

PublishSettings settingsFrom(const PublishOptions& options) {
    PublishSettings settings;
    settings.folder = options.Get(FolderKey);
    settings.title = options.Get(TitleKey);
    settings.player = options.Get(PlayerKey);
    settings.autoStart = flag(options, AutoStartKey);
    settings.autoNext = flag(options, AutoNextKey);
    settings.loop = flag(options, LoopKey);
    settings.random = flag(options, RandomKey);
    settings.html = options.Get(HtmlKey) == "1";
    settings.runtime = options.Get(RuntimeKey) != "0";
    settings.lyrics = options.Get(LyricsKey) != "0";
    settings.htaccess = options.Get(HtaccessKey) != "0";
    return settings;
}

bool folderOrParentExists(const std::filesystem::path& folder) {
    std::error_code ignored;
    return !folder.empty() && folder.is_absolute() &&
           (std::filesystem::is_directory(folder, ignored) ||
            std::filesystem::is_directory(folder.parent_path(), ignored));
}

} // namespace

std::string flagText(bool flag) { return flag ? "1" : "0"; }

std::error_code savePlayerChoices(const std::filesystem::path& settingsFile, const PlayerChoices& choices) {
    PublishOptions options(settingsFile);
    options.Set(PlayerKey, choices.player);
    options.SetBool(AutoStartKey, choices.autoStart);
    options.SetBool(AutoNextKey, choices.autoNext);
    options.SetBool(LoopKey, choices.loop);
    options.SetBool(RandomKey, choices.random);
    options.Set(TitleKey, storableText(choices.title).text);
    setUnlessOn(options, LyricsKey, choices.lyrics);
    return options.Merge();
}

std::error_code saveFolderChoices(const std::filesystem::path& settingsFile, const FolderChoices& choices) {
    PublishOptions options(settingsFile);
    options.Set(FolderKey, choices.folder);
    options.SetBool(HtmlKey, choices.html);
    options.SetBool(RuntimeKey, choices.runtime);
    setUnlessOn(options, HtaccessKey, choices.htaccess);
    return options.Merge();
}

PlayerChoices storedPlayerChoices(const std::filesystem::path& settingsFile) {
    PlayerChoices choices;
    PublishOptions options(settingsFile);
    if (!options.Load())
        return choices;
    std::string player = options.Get(PlayerKey);
    if (builtInSkinOfMovie(player))
        choices.player = player;
    keepFlag(options, AutoStartKey, choices.autoStart);
    keepFlag(options, AutoNextKey, choices.autoNext);
    keepFlag(options, LoopKey, choices.loop);
    keepFlag(options, RandomKey, choices.random);
    if (!options.Get(TitleKey).empty())
        choices.title = options.Get(TitleKey);
    choices.lyrics = options.Get(LyricsKey) != "0";
    return choices;
}

FolderChoices storedFolderChoices(const std::filesystem::path& settingsFile, const std::string& defaultFolder) {
    FolderChoices choices{defaultFolder};
    PublishOptions options(settingsFile);
    if (!options.Load())
        return choices;
    if (folderOrParentExists(options.Get(FolderKey)))
        choices.folder = options.Get(FolderKey);
    keepFlag(options, HtmlKey, choices.html);
    keepFlag(options, RuntimeKey, choices.runtime);
    choices.htaccess = options.Get(HtaccessKey) != "0";
    return choices;
}

std::optional<PublishSettings> loadPublishSettings(const std::filesystem::path& settingsFile) {
    PublishOptions options(settingsFile);
    if (!options.Load())
        return std::nullopt;
    return settingsFrom(options);
}

XmlReadResult loadStoredPublish(const std::filesystem::path& settingsFile, StoredPublish& stored) {
    pugi::xml_document document;
    if (XmlReadResult problem = readXmlDocument(settingsFile, document))
        return problem;
    PublishOptions options(settingsFile);
    options.Load(document);
    stored = {settingsFrom(options), playlistIn(document)};
    return {};
}

} // namespace publish
