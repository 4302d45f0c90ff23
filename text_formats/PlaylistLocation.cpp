#include "text_formats/PlaylistFile.h"

#include "text_formats/HexDigit.h"

#include <algorithm>
#include <cctype>

namespace fs = std::filesystem;

namespace publish {

namespace {

// "scheme://…" with a scheme of letters, digits, "+", "-" and ".".
size_t schemeLength(const std::string& location) {
    size_t separator = location.find("://");
    if (separator == std::string::npos || separator == 0 || !std::isalpha(static_cast<unsigned char>(location[0])))
        return std::string::npos;
    bool scheme = std::all_of(location.begin(), location.begin() + static_cast<long>(separator), [](char c) {
        return std::isalnum(static_cast<unsigned char>(c)) || c == '+' || c == '-' || c == '.';
    });
    return scheme ? separator : std::string::npos;
}

std::string percentDecoded(const std::string& text) {
    std::string decoded;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size() && hexDigitValue(text[i + 1]) >= 0 && hexDigitValue(text[i + 2]) >= 0) {
            decoded += static_cast<char>(hexDigitValue(text[i + 1]) * 16 + hexDigitValue(text[i + 2]));
            i += 2;
        } else {
            decoded += text[i];
        }
    }
    return decoded;
}

ResolvedLocation fileUrlPath(const std::string& location, size_t schemeEnd) {
    std::string rest = location.substr(schemeEnd + 3);
    size_t slash = rest.find('/');
    std::string host = rest.substr(0, slash);
    if (slash == std::string::npos || (!host.empty() && host != "localhost"))
        return {{}, LocationProblem::OtherComputer};
    return {fs::path(percentDecoded(rest.substr(slash))), LocationProblem::None};
}

bool equalIgnoringCase(const std::string& a, const std::string& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
    });
}

} // namespace

ResolvedLocation resolveLocation(const std::string& location, const fs::path& playlistFolder) {
    size_t schemeEnd = schemeLength(location);
    if (schemeEnd != std::string::npos) {
        if (equalIgnoringCase(location.substr(0, schemeEnd), "file"))
            return fileUrlPath(location, schemeEnd);
        return {{}, LocationProblem::WebAddress};
    }
    fs::path path = fs::path(location).is_absolute() ? fs::path(location) : playlistFolder / location;
    std::error_code error;
    // Playlists written on Windows separate folders with backslashes.
    if (!fs::exists(path, error) && location.find('\\') != std::string::npos) {
        std::string slashed = location;
        std::replace(slashed.begin(), slashed.end(), '\\', '/');
        fs::path converted = fs::path(slashed).is_absolute() ? fs::path(slashed) : playlistFolder / slashed;
        if (fs::exists(converted, error))
            path = converted;
    }
    return {path.lexically_normal(), LocationProblem::None};
}

PlaylistKind playlistKind(const fs::path& path) {
    std::string extension = path.extension().string();
    for (const PlaylistExtension& known : PlaylistFileExtensions)
        if (equalIgnoringCase(extension, known.extension))
            return known.kind;
    return PlaylistKind::None;
}

std::vector<PlaylistFileEntry> parsePlaylist(PlaylistKind kind, std::string_view bytes) {
    switch (kind) {
    case PlaylistKind::M3u: return parseM3u(bytes);
    case PlaylistKind::Pls: return parsePls(bytes);
    case PlaylistKind::Xspf: return parseXspf(bytes);
    case PlaylistKind::None: break;
    }
    return {};
}

} // namespace publish
