#include "text_formats/PlaylistFile.h"

#include "text_formats/TextEncoding.h"

#include <algorithm>
#include <cctype>
#include <map>

namespace publish {

namespace {

// "File12" with prefix "file" gives 12; anything else gives nothing.
bool entryNumber(std::string_view key, std::string_view prefix, unsigned long& number) {
    if (key.size() <= prefix.size() || key.size() > prefix.size() + 9)
        return false;
    for (size_t i = 0; i < prefix.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(key[i])) != prefix[i])
            return false;
    std::string_view digits = key.substr(prefix.size());
    if (!std::all_of(digits.begin(), digits.end(), [](char c) { return std::isdigit(static_cast<unsigned char>(c)); }))
        return false;
    number = std::stoul(std::string(digits));
    return true;
}

} // namespace

std::vector<PlaylistFileEntry> parsePls(std::string_view bytes) {
    std::string text = textAsUtf8(bytes);
    std::map<unsigned long, PlaylistFileEntry> numbered;
    size_t begin = 0;
    while (begin < text.size()) {
        size_t end = text.find_first_of("\r\n", begin);
        if (end == std::string::npos)
            end = text.size();
        std::string_view line = std::string_view(text).substr(begin, end - begin);
        begin = end + 1;
        size_t equals = line.find('=');
        if (equals == std::string_view::npos)
            continue;
        std::string_view key = trimmed(line.substr(0, equals));
        std::string value(trimmed(line.substr(equals + 1)));
        unsigned long number = 0;
        if (entryNumber(key, "file", number))
            numbered[number].location = value;
        else if (entryNumber(key, "title", number))
            numbered[number].title = value;
    }
    std::vector<PlaylistFileEntry> entries;
    for (auto& [number, entry] : numbered)
        if (!entry.location.empty())
            entries.push_back(std::move(entry));
    return entries;
}

} // namespace publish
