#include "text_formats/PlaylistFile.h"

#include "text_formats/TextEncoding.h"

namespace publish {

namespace {

// "#EXTINF:123,Artist - Title": the title is everything after the first comma.
std::string extinfTitle(std::string_view line) {
    size_t comma = line.find(',');
    return comma == std::string_view::npos ? "" : std::string(trimmed(line.substr(comma + 1)));
}

} // namespace

std::vector<PlaylistFileEntry> parseM3u(std::string_view bytes) {
    // M3U8 is UTF-8; older M3U files are often Latin-1.
    std::string text = textAsUtf8(bytes);
    std::vector<PlaylistFileEntry> entries;
    std::string title;
    size_t begin = 0;
    while (begin < text.size()) {
        size_t end = text.find_first_of("\r\n", begin);
        if (end == std::string::npos)
            end = text.size();
        std::string_view line = trimmed(std::string_view(text).substr(begin, end - begin));
        begin = end + 1;
        if (line.rfind("#EXTINF:", 0) == 0)
            title = extinfTitle(line);
        else if (!line.empty() && line.front() != '#') {
            entries.push_back({std::string(line), title});
            title.clear();
        }
    }
    return entries;
}

} // namespace publish
