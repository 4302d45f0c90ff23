#include "publish/OutputDocuments.h"

#include "file_writing/AtomicFile.h"
#include "file_writing/NewFile.h"
#include "output_names/OutputFileNames.h"
#include "player_contract/PlayerContract.h"
#include "publish/PublishOptions.h"
#include "publish/PublishSettings.h"
#include "text_formats/StorableText.h"
#include "resources/Resources.h"

namespace publish {

// The front ends store clean titles; a settings file edited by hand must
// not break the document either.
std::string attributeText(const std::string& text) {
    std::string escaped;
    for (char c : storableText(text).text) {
        switch (c) {
        case '&': escaped += "&amp;"; break;
        case '<': escaped += "&lt;"; break;
        case '>': escaped += "&gt;"; break;
        case '"': escaped += "&quot;"; break;
        default: escaped += c;
        }
    }
    return escaped;
}

std::string musicListItem(int number) { return musicListItem(trackMovieName(number)); }

std::string musicListItem(const std::string& movieFile) {
    return std::string("<") + contract::MusicListItem + "><" + contract::MusicListFile + ">" + movieFile + "</" +
           contract::MusicListFile + "></" + contract::MusicListItem + ">";
}

std::string musicListText(const std::string& title, const std::string& items) {
    return std::string("<") + contract::MusicListRoot + " " + contract::TitleAttribute + "=\"" + attributeText(title) +
           "\">" + items + "</" + contract::MusicListRoot + ">";
}

std::error_code mergePlayerOptions(const std::filesystem::path& musicList, const PlayerOptions& options) {
    PublishOptions document(musicList);
    auto set = [&document](const char* attribute, std::optional<bool> flag) {
        if (flag)
            document.Set(attribute, flagText(*flag));
    };
    set(contract::AutoStartAttribute, options.autoStart);
    set(contract::AutoNextAttribute, options.autoNext);
    set(contract::LoopAttribute, options.loop);
    set(contract::ShuffleAttribute, options.random);
    return document.Merge();
}

std::error_code copyPlayer(const std::filesystem::path& source, const std::filesystem::path& target) {
    return copyToNewFile(source, target);
}

std::string_view resourceBytes(const char* type, int id) {
    auto resource = resources::findResource(type, id);
    return std::string_view(reinterpret_cast<const char*>(resource.data()), resource.size());
}

std::error_code writeResourceToFile(const char* type, int id, const std::filesystem::path& path) {
    std::string_view bytes = resourceBytes(type, id);
    if (bytes.empty())
        return std::make_error_code(std::errc::no_such_file_or_directory);
    return replaceFileAtomically(path, bytes);
}

} // namespace publish
