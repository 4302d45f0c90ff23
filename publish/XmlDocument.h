#ifndef PUBLISH_XMLDOCUMENT_H
#define PUBLISH_XMLDOCUMENT_H

#include <pugixml.hpp>

#include <cstddef>
#include <filesystem>
#include <string>
#include <system_error>

namespace publish {

// Why an XML file could not be read: the system's reason, or pugixml's
// status (in the "xml" category) with the byte at which it stopped.
struct XmlReadResult {
    std::error_code error;
    std::ptrdiff_t offset = -1;  // for pugixml's statuses

    explicit operator bool() const { return static_cast<bool>(error); }
    // pugixml's description and where, as "Start-end tags mismatch at byte 57".
    std::string message() const;
};

// The category of pugixml's statuses (pugi::xml_parse_status values).
const std::error_category& xmlCategory();

// Reads an XML file keeping what a rewrite must keep (declaration,
// comments, processing instructions). The reason when it cannot be read,
// is not XML, or has no root element.
[[nodiscard]] XmlReadResult readXmlDocument(const std::filesystem::path& path, pugi::xml_document& document);

// Writes the document as it is, adding no declaration, through an atomic
// replace of the file.
[[nodiscard]] std::error_code writeXmlDocument(const pugi::xml_document& document, const std::filesystem::path& path);

// All the text inside an element, as a DOM's text content.
std::string textContent(const pugi::xml_node& node);

} // namespace publish

#endif
