#include "text_formats/PlaylistFile.h"

#include <pugixml.hpp>

namespace publish {

namespace {

// Element names may carry a namespace prefix ("xspf:track").
bool named(const pugi::xml_node& node, std::string_view name) {
    std::string_view full = node.name();
    size_t colon = full.find(':');
    return (colon == std::string_view::npos ? full : full.substr(colon + 1)) == name;
}

pugi::xml_node child(const pugi::xml_node& parent, std::string_view name) {
    for (pugi::xml_node node : parent.children())
        if (named(node, name))
            return node;
    return {};
}

std::string trimmedText(const pugi::xml_node& node) {
    std::string text = node.text().get();
    size_t first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos)
        return "";
    return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

} // namespace

std::vector<PlaylistFileEntry> parseXspf(std::string_view bytes) {
    pugi::xml_document document;
    if (!document.load_buffer(bytes.data(), bytes.size()))
        return {};
    std::vector<PlaylistFileEntry> entries;
    pugi::xml_node trackList = child(child(document, "playlist"), "trackList");
    for (pugi::xml_node track : trackList.children()) {
        if (!named(track, "track"))
            continue;
        std::string location = trimmedText(child(track, "location"));
        if (!location.empty())
            entries.push_back({location, trimmedText(child(track, "title"))});
    }
    return entries;
}

} // namespace publish
