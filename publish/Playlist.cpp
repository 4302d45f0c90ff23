#include "publish/Playlist.h"

#include "publish/StorableText.h"
#include "publish/XmlDocument.h"

#include <cstring>

namespace publish {

namespace {

void appendItems(pugi::xml_node root, const std::vector<std::string>& paths, const std::vector<std::string>& titles) {
    for (size_t i = 0; i < paths.size(); ++i) {
        pugi::xml_node file = root.append_child("item").append_child("file");
        file.append_child(pugi::node_pcdata).set_value(paths[i].c_str());
        file.append_attribute("text").set_value(storableText(titles[i]).text.c_str());
    }
}

void splitPlaylist(const std::vector<PlaylistItem>& playlist, std::vector<std::string>& paths,
                   std::vector<std::string>& titles) {
    for (const PlaylistItem& item : playlist) {
        paths.push_back(item.path);
        titles.push_back(item.title);
    }
}

bool allStorable(const std::vector<std::string>& paths) {
    for (const std::string& path : paths)
        if (!isStorableText(path))
            return false;
    return true;
}

} // namespace

bool SavePlaylist(const std::vector<std::string>& paths, const std::vector<std::string>& titles,
                  const std::filesystem::path& settingsFile) {
    if (paths.size() != titles.size() || !allStorable(paths))
        return false;
    pugi::xml_document document;
    appendItems(document.append_child("data"), paths, titles);
    return saveXmlDocument(document, settingsFile);
}

bool SavePlaylist(const std::vector<PlaylistItem>& playlist, const std::filesystem::path& settingsFile) {
    std::vector<std::string> paths, titles;
    splitPlaylist(playlist, paths, titles);
    return SavePlaylist(paths, titles, settingsFile);
}

bool updatePlaylist(const std::vector<PlaylistItem>& playlist, const std::filesystem::path& settingsFile) {
    pugi::xml_document stored, document;
    pugi::xml_node root = document.append_child("data");
    if (loadXmlDocument(settingsFile, stored))
        for (pugi::xml_attribute setting : stored.document_element().attributes())
            root.append_copy(setting);
    std::vector<std::string> paths, titles;
    splitPlaylist(playlist, paths, titles);
    if (!allStorable(paths))
        return false;
    appendItems(root, paths, titles);
    return saveXmlDocument(document, settingsFile);
}

bool LoadPlaylist(std::vector<std::string>& paths, std::vector<std::string>& titles,
                  const std::filesystem::path& settingsFile) {
    pugi::xml_document document;
    if (!loadXmlDocument(settingsFile, document))
        return false;
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
            paths.push_back(path);
            titles.push_back(storableText(file.attribute("text").value()).text);
        }
    }
    return !paths.empty();
}

} // namespace publish
