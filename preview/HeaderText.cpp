#include "preview/HeaderText.h"

namespace preview {

std::string_view trimmedHeaderText(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

std::vector<std::string_view> headerListEntries(std::string_view value) {
    std::vector<std::string_view> entries;
    while (!value.empty()) {
        size_t comma = value.find(',');
        std::string_view entry = trimmedHeaderText(value.substr(0, comma));
        if (!entry.empty())
            entries.push_back(entry);
        value = comma == std::string_view::npos ? std::string_view() : value.substr(comma + 1);
    }
    return entries;
}

} // namespace preview
