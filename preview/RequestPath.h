#ifndef PREVIEW_REQUESTPATH_H
#define PREVIEW_REQUESTPATH_H

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace preview {

// A folder served under a path prefix: "/name/", or "/" for the main folder.
// `root` is canonical.
struct Mount {
    std::string prefix;
    std::filesystem::path root;
};

// The request path with its %XX escapes decoded; nothing when an escape is
// malformed or the result holds a NUL byte.
std::optional<std::string> decodedRequestPath(std::string_view target);

// The regular file the raw (still escaped) request path names in the first
// mount whose prefix it starts with, or nothing when it names no file, a
// folder, or anything outside that mount's folder (also through links).
std::optional<std::filesystem::path> fileForRequest(const std::vector<Mount>& mounts, std::string_view target);

} // namespace preview

#endif
