#ifndef UPLOAD_UPLOADMANIFEST_H
#define UPLOAD_UPLOADMANIFEST_H

#include "content_cache/ContentHash.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace upload {

// The file in the remote folder that says what the last upload put there.
// It is written last, so a folder whose manifest is missing or older than
// its files was never switched over completely.
inline constexpr const char* ManifestFileName = ".tunemill-manifest";

// One uploaded file: its path below the remote folder ("/" between
// folders), its size and the XXH3-128 of its bytes.
struct ManifestEntry {
    std::string path;
    std::uint64_t size = 0;
    publish::ContentHash hash;

    bool operator==(const ManifestEntry&) const = default;
};

// Sorted by path, no path twice.
using Manifest = std::vector<ManifestEntry>;

// A first line naming the format, then "path<TAB>size<TAB>hash" per file.
// Paths never hold a tab, a line break or another control character: the
// local folder's description refuses such names.
std::string manifestText(const Manifest& manifest);

// The manifest `text` holds; nothing when it is not one (a foreign file of
// that name, a cut-off upload of it): the folder is then treated as one
// that has no manifest.
std::optional<Manifest> parseManifest(std::string_view text);

} // namespace upload

#endif
