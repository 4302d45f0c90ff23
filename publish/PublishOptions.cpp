#include "publish/PublishOptions.h"

#include "text_formats/StorableText.h"
#include "publish/XmlDocument.h"

namespace publish {

bool PublishOptions::Load() {
    pugi::xml_document document;
    if (readXmlDocument(path, document))
        return false;
    Load(document);
    return true;
}

void PublishOptions::Load(const pugi::xml_document& document) {
    values.clear();
    for (pugi::xml_attribute attribute : document.document_element().attributes()) {
        std::string name = attribute.name();
        std::string value = storableText(attribute.value()).text;
        if (!name.empty() && !value.empty())
            values[name] = value;
    }
}

bool PublishOptions::Save() { return !Merge(); }

std::error_code PublishOptions::Merge() {
    pugi::xml_document document;
    if (XmlReadResult problem = readXmlDocument(path, document))
        return problem.error;
    pugi::xml_node root = document.document_element();
    for (const std::string& key : removed)
        root.remove_attribute(key.c_str());
    for (const auto& [key, value] : values) {
        if (key.empty() || value.empty())
            continue;
        // Changing a value here could name another file; the caller cleans
        // what may be changed.
        if (!isStorableText(value))
            return std::make_error_code(std::errc::illegal_byte_sequence);
        pugi::xml_attribute attribute = root.attribute(key.c_str());
        if (!attribute)
            attribute = root.append_attribute(key.c_str());
        attribute.set_value(value.c_str());
    }
    return writeXmlDocument(document, path);
}

std::string PublishOptions::Get(const std::string& key) const {
    auto found = values.find(key);
    return found == values.end() ? std::string() : found->second;
}

void PublishOptions::Set(const std::string& key, const std::string& value) {
    values[key] = value;
    removed.erase(key);
}

void PublishOptions::Remove(const std::string& key) {
    values.erase(key);
    removed.insert(key);
}

void PublishOptions::SetInt(const std::string& key, int value) { Set(key, std::to_string(value)); }

void PublishOptions::SetBool(const std::string& key, bool value) { SetInt(key, value ? 1 : 0); }

} // namespace publish
