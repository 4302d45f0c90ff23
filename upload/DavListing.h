#ifndef UPLOAD_DAVLISTING_H
#define UPLOAD_DAVLISTING_H

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace upload {

// One resource a WebDAV server listed: its path on the server,
// percent-decoded, without scheme and host; a folder's without the "/" at
// the end.
struct DavResource {
    std::string path;
    std::uint64_t size = 0;
    bool folder = false;

    bool operator==(const DavResource&) const = default;
};

// The resources of a PROPFIND's multistatus reply that the server could
// describe. A resource whose name does not decode to a plain name is left
// out: no file of ours has one. Nothing when the reply is not a
// multistatus document.
std::optional<std::vector<DavResource>> parseDavListing(std::string_view xml);

} // namespace upload

#endif
