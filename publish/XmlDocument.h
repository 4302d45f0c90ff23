#ifndef PUBLISH_XMLDOCUMENT_H
#define PUBLISH_XMLDOCUMENT_H

#include <pugixml.hpp>

#include <filesystem>
#include <string>
#include <system_error>

namespace publish {

// Reads an XML file keeping what a rewrite must keep (declaration,
// comments, processing instructions). The reason when it cannot be read,
// is not XML, or has no root element.
[[nodiscard]] std::error_code readXmlDocument(const std::filesystem::path& path, pugi::xml_document& document);

// Writes the document as it is, adding no declaration, through an atomic
// replace of the file.
[[nodiscard]] std::error_code writeXmlDocument(const pugi::xml_document& document, const std::filesystem::path& path);

// All the text inside an element, as a DOM's text content.
std::string textContent(const pugi::xml_node& node);

} // namespace publish

#endif
