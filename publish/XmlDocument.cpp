#include "publish/XmlDocument.h"

#include "file_writing/AtomicFile.h"

#include <sstream>

namespace publish {

namespace {

// Why a file that could be read is still no document: pugixml's status,
// described in its own words.
class XmlErrorCategory : public std::error_category {
public:
    const char* name() const noexcept override { return "xml"; }
    std::string message(int status) const override {
        pugi::xml_parse_result result;
        result.status = static_cast<pugi::xml_parse_status>(status);
        return result.description();
    }
};

XmlReadResult reasonFor(const pugi::xml_parse_result& result) {
    switch (result.status) {
    case pugi::status_ok: return {};
    case pugi::status_file_not_found: return {std::make_error_code(std::errc::no_such_file_or_directory)};
    case pugi::status_io_error: return {std::make_error_code(std::errc::io_error)};
    case pugi::status_out_of_memory: return {std::make_error_code(std::errc::not_enough_memory)};
    default: return {{result.status, xmlCategory()}, result.offset};
    }
}

} // namespace

const std::error_category& xmlCategory() {
    static const XmlErrorCategory category;
    return category;
}

std::string XmlReadResult::message() const {
    if (error.category() != xmlCategory() || offset < 0)
        return error.message();
    return error.message() + " at byte " + std::to_string(offset);
}

XmlReadResult readXmlDocument(const std::filesystem::path& path, pugi::xml_document& document) {
    unsigned flags = pugi::parse_default | pugi::parse_declaration | pugi::parse_comments | pugi::parse_pi;
    pugi::xml_parse_result result = document.load_file(path.c_str(), flags, pugi::encoding_utf8);
    if (XmlReadResult problem = reasonFor(result))
        return problem;
    if (!document.document_element())
        return {{pugi::status_no_document_element, xmlCategory()}, result.offset};
    return {};
}

std::error_code writeXmlDocument(const pugi::xml_document& document, const std::filesystem::path& path) {
    std::ostringstream text;
    document.save(text, "", pugi::format_raw | pugi::format_no_declaration, pugi::encoding_utf8);
    return replaceFileAtomically(path, text.str());
}

std::string textContent(const pugi::xml_node& node) {
    std::string text;
    for (pugi::xml_node child = node.first_child(); child; child = child.next_sibling()) {
        if (child.type() == pugi::node_pcdata || child.type() == pugi::node_cdata)
            text += child.value();
        else if (child.type() == pugi::node_element)
            text += textContent(child);
    }
    return text;
}

} // namespace publish
