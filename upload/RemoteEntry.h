#ifndef UPLOAD_REMOTEENTRY_H
#define UPLOAD_REMOTEENTRY_H

#include <cstdint>
#include <string>

namespace upload {

// A file or folder that a listing of the remote folder found, by its path
// below that folder ("/" between folders).
struct RemoteEntry {
    std::string path;
    std::uint64_t size = 0;
    bool folder = false;

    bool operator==(const RemoteEntry&) const = default;
};

} // namespace upload

#endif
