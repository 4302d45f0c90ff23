// PLS playlists as users and other players write them.
#include "text_formats/PlaylistFile.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    for (const publish::PlaylistFileEntry& entry :
         publish::parsePls(std::string_view(reinterpret_cast<const char*>(data), size)))
        publish::resolveLocation(entry.location, "/music");
    return 0;
}
