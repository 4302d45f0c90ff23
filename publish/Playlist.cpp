#include "publish/Playlist.h"

#include "text_formats/StorableText.h"
#include "publish/XmlDocument.h"

#include <cstring>

namespace publish {

namespace {

void appendItems(pugi::xml_node root, const std::vector<PlaylistItem>& playlist) {
    for (const PlaylistItem& item : playlist) {
        pugi::xml_node file = root.append_child("item").append_child("file");
        file.append_child(pugi::node_pcdata).set_value(item.path.c_str());
        file.append_attribute("text").set_value(storableText(item.title).text.c_str());
    }
}

bool allPathsStorable(const std::vector<PlaylistItem>& playlist) {
    for (const PlaylistItem& item : playlist)
        if (!isStorableText(item.path))
            return false;
    return true;
}

} // namespace

bool SavePlaylist(const std::vector<std::string>& paths, const std::vector<std::string>& titles,
                  const std::filesystem::path& settingsFile) {
    if (paths.size() != titles.size())
        return false;
    std::vector<PlaylistItem> playlist;
    for (size_t i = 0; i < paths.size(); ++i)
        playlist.push_back({paths[i], titles[i]});
    return !writePlaylist(playlist, settingsFile);
}

std::error_code writePlaylist(const std::vector<PlaylistItem>& playlist, const std::filesystem::path& settingsFile) {
    // A path changed to be storable would name another file.
    if (!allPathsStorable(playlist))
        return std::make_error_code(std::errc::illegal_byte_sequence);
    pugi::xml_document document;
    appendItems(document.append_child("data"), playlist);
    return writeXmlDocument(document, settingsFile);
}

bool SavePlaylist(const std::vector<PlaylistItem>& playlist, const std::filesystem::path& settingsFile) {
    return !writePlaylist(playlist, settingsFile);
}

std::error_code updatePlaylist(const std::vector<PlaylistItem>& playlist, const std::filesystem::path& settingsFile) {
    pugi::xml_document stored, document;
    pugi::xml_node root = document.append_child("data");
    if (!readXmlDocument(settingsFile, stored))
        for (pugi::xml_attribute setting : stored.document_element().attributes())
            root.append_copy(setting);
    if (!allPathsStorable(playlist))
        return std::make_error_code(std::errc::illegal_byte_sequence);
    appendItems(root, playlist);
    return writeXmlDocument(document, settingsFile);
}

bool LoadPlaylist(std::vector<std::string>& paths, std::vector<std::string>& titles,
                  const std::filesystem::path& settingsFile) {
    pugi::xml_document document;
    if (readXmlDocument(settingsFile, document))
        return false;
    for (PlaylistItem& item : playlistIn(document)) {
        paths.push_back(std::move(item.path));
        titles.push_back(std::move(item.title));
    }
    return !paths.empty();
}

std::vector<PlaylistItem> playlistIn(const pugi::xml_document& document) {
    std::vector<PlaylistItem> playlist;
    for (pugi::xml_node item : document.document_element().children()) {
        if (item.type() != pugi::node_element || std::strcmp(item.name(), "item") != 0)
            continue;
        for (pugi::xml_node file : item.children()) {
            if (file.type() != pugi::node_element || std::strcmp(file.name(), "file") != 0)
                continue;
            std::string path = textContent(file);
            // A path we could not have stored names no file we know.
            if (path.empty() || !isStorableText(path))
                continue;
            playlist.push_back({path, storableText(file.attribute("text").value()).text});
        }
    }
    return playlist;
}

} // namespace publish
