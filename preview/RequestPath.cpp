#include "preview/RequestPath.h"

#include "text_formats/HexDigit.h"

#include <algorithm>

namespace fs = std::filesystem;

namespace preview {

namespace {

// The file `relativePath` (decoded, without its leading "/") names inside
// `root`, when it stays there.
std::optional<fs::path> fileInside(const fs::path& root, const std::string& relativePath) {
    fs::path relative = fs::path(relativePath).lexically_normal();
    if (relative.is_absolute())
        return std::nullopt;
    for (const fs::path& part : relative)
        if (part == "..")
            return std::nullopt;
    std::error_code error;
    // Symbolic links must not lead out of the folder either.
    fs::path file = fs::canonical(root / relative, error);
    if (error || !fs::is_regular_file(file, error))
        return std::nullopt;
    auto [rootEnd, fileAt] = std::mismatch(root.begin(), root.end(), file.begin(), file.end());
    if (rootEnd != root.end())
        return std::nullopt;
    return file;
}

} // namespace

std::optional<std::string> decodedRequestPath(std::string_view target) {
    std::string decoded;
    decoded.reserve(target.size());
    for (size_t at = 0; at < target.size(); ++at) {
        char c = target[at];
        if (c == '%') {
            int high = at + 2 < target.size() ? publish::hexDigitValue(target[at + 1]) : -1;
            int low = high >= 0 ? publish::hexDigitValue(target[at + 2]) : -1;
            if (low < 0)
                return std::nullopt;
            c = static_cast<char>(high * 16 + low);
            at += 2;
        }
        if (c == '\0')
            return std::nullopt;
        decoded += c;
    }
    return decoded;
}

std::optional<fs::path> fileForRequest(const std::vector<Mount>& mounts, std::string_view target) {
    std::optional<std::string> path = decodedRequestPath(target);
    if (!path || path->empty() || path->front() != '/')
        return std::nullopt;
    for (const Mount& mount : mounts)
        if (path->compare(0, mount.prefix.size(), mount.prefix) == 0)
            return fileInside(mount.root, path->substr(mount.prefix.size()));
    return std::nullopt;
}

} // namespace preview
