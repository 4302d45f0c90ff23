#include "upload/LongListing.h"

#include <charconv>
#include <optional>

namespace upload {

namespace {

constexpr std::string_view Blanks = " \t";

// The next blank-separated field of `line`, which then starts after it.
std::string_view nextField(std::string_view& line) {
    std::size_t start = line.find_first_not_of(Blanks);
    if (start == std::string_view::npos)
        start = line.size();
    std::size_t end = line.find_first_of(Blanks, start);
    if (end == std::string_view::npos)
        end = line.size();
    std::string_view field = line.substr(start, end - start);
    line = line.substr(end);
    return field;
}

std::optional<RemoteEntry> parseLine(std::string_view line, std::string_view prefix) {
    std::string_view mode = nextField(line);
    std::string_view fields[7];
    for (std::string_view& field : fields)
        field = nextField(line);
    std::size_t nameStart = line.find_first_not_of(Blanks);
    if (mode.empty() || fields[6].empty() || nameStart == std::string_view::npos)
        return std::nullopt;
    std::string_view name = line.substr(nameStart);
    if (mode[0] == 'l')
        name = name.substr(0, name.find(" -> "));
    if (name == "." || name == ".." || (mode[0] != '-' && mode[0] != 'd' && mode[0] != 'l'))
        return std::nullopt;
    RemoteEntry entry;
    std::string_view size = fields[3];
    if (std::from_chars(size.data(), size.data() + size.size(), entry.size).ec != std::errc())
        return std::nullopt;
    entry.folder = mode[0] == 'd';
    entry.path = std::string(prefix) + std::string(name);
    return entry;
}

} // namespace

std::vector<RemoteEntry> parseLongListing(std::string_view text, std::string_view prefix) {
    std::vector<RemoteEntry> entries;
    while (!text.empty()) {
        std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        if (std::optional<RemoteEntry> entry = parseLine(line, prefix))
            entries.push_back(*entry);
    }
    return entries;
}

} // namespace upload
