#include "publish/XmlDocument.h"

#include "publish/AtomicFile.h"

#include <sstream>

namespace publish {

bool loadXmlDocument(const std::filesystem::path& path, pugi::xml_document& document) {
    unsigned flags = pugi::parse_default | pugi::parse_declaration | pugi::parse_comments | pugi::parse_pi;
    pugi::xml_parse_result result = document.load_file(path.c_str(), flags, pugi::encoding_utf8);
    return result && document.document_element();
}

bool saveXmlDocument(const pugi::xml_document& document, const std::filesystem::path& path) {
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
