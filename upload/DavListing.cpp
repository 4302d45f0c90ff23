#include "upload/DavListing.h"

#include "upload/PercentEncoding.h"

#include <charconv>
#include <pugixml.hpp>

namespace upload {

namespace {

// Whether `element` is DAV:`local`, whatever prefix the server chose.
bool isDav(const pugi::xml_node& element, std::string_view local) {
    std::string_view name = element.name();
    std::size_t colon = name.find(':');
    std::string_view prefix = colon == std::string_view::npos ? std::string_view() : name.substr(0, colon);
    if (name.substr(colon == std::string_view::npos ? 0 : colon + 1) != local)
        return false;
    std::string declaration = prefix.empty() ? "xmlns" : "xmlns:" + std::string(prefix);
    for (pugi::xml_node scope = element; scope; scope = scope.parent())
        if (pugi::xml_attribute namespaceName = scope.attribute(declaration.c_str()))
            return std::string_view(namespaceName.value()) == "DAV:";
    return false;
}

pugi::xml_node davChild(const pugi::xml_node& parent, std::string_view local) {
    for (pugi::xml_node child : parent.children())
        if (isDav(child, local))
            return child;
    return {};
}

// "http://host:port/a%20b/" or "/a%20b/" to "/a b".
std::optional<std::string> serverPath(std::string_view href) {
    if (std::size_t scheme = href.find("://"); scheme != std::string_view::npos) {
        std::size_t slash = href.find('/', scheme + 3);
        href = slash == std::string_view::npos ? std::string_view("/") : href.substr(slash);
    }
    std::optional<std::string> path = percentDecoded(href);
    if (!path || !path->starts_with('/'))
        return std::nullopt;
    while (path->size() > 1 && path->back() == '/')
        path->pop_back();
    return path;
}

// Takes what the properties a server found say; properties it reports
// missing or forbidden come in a propstat of their own and say nothing.
bool readProperties(const pugi::xml_node& response, DavResource& resource) {
    bool described = false;
    for (pugi::xml_node propstat : response.children()) {
        if (!isDav(propstat, "propstat"))
            continue;
        std::string_view status = davChild(propstat, "status").child_value();
        pugi::xml_node properties = davChild(propstat, "prop");
        if (status.find(" 200 ") == std::string_view::npos || !properties)
            continue;
        described = true;
        if (pugi::xml_node type = davChild(properties, "resourcetype"))
            resource.folder = static_cast<bool>(davChild(type, "collection"));
        std::string_view length = davChild(properties, "getcontentlength").child_value();
        std::from_chars(length.data(), length.data() + length.size(), resource.size);
    }
    return described;
}

} // namespace

std::optional<std::vector<DavResource>> parseDavListing(std::string_view xml) {
    pugi::xml_document document;
    if (!document.load_buffer(xml.data(), xml.size()))
        return std::nullopt;
    pugi::xml_node multistatus = document.document_element();
    if (!isDav(multistatus, "multistatus"))
        return std::nullopt;
    std::vector<DavResource> resources;
    for (pugi::xml_node response : multistatus.children()) {
        if (!isDav(response, "response"))
            continue;
        DavResource resource;
        std::optional<std::string> path = serverPath(davChild(response, "href").child_value());
        if (!path || !readProperties(response, resource))
            continue;
        resource.path = *path;
        resources.push_back(std::move(resource));
    }
    return resources;
}

} // namespace upload
