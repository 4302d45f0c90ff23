#ifndef PUBLISH_PUBLISHOPTIONS_H
#define PUBLISH_PUBLISHOPTIONS_H

#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <system_error>

namespace pugi {
class xml_document;
} // namespace pugi

namespace publish {

// A key/value store whose pairs are the attributes of the root element of
// one XML file. Values are text; an empty value is the same as an absent
// key and is never written or read.
class PublishOptions {
public:
    explicit PublishOptions(std::filesystem::path path) : path(std::move(path)) {}

    // Replaces the pairs with the root's attributes, made storable text;
    // false (pairs kept) when the file cannot be read.
    bool Load();
    // The same from the file's document, read already.
    void Load(const pugi::xml_document& document);
    // Merges the pairs into the existing file, keeping everything else in
    // it; false when there is no readable file (Save never creates one), a
    // value is not storable text, or it cannot be written back.
    bool Save();
    // The same, with the reason when it fails.
    [[nodiscard]] std::error_code Merge();

    std::string Get(const std::string& key) const;
    void Set(const std::string& key, const std::string& value);
    void SetInt(const std::string& key, int value);
    void SetBool(const std::string& key, bool value);
    // Takes the key out of the file on the next Save.
    void Remove(const std::string& key);

private:
    std::filesystem::path path;
    std::map<std::string, std::string> values;
    std::set<std::string> removed;
};

} // namespace publish

#endif
