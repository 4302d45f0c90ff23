// libFuzzer target: a WebDAV server's PROPFIND reply, whatever it holds,
// is refused or gives resources with plain, non-empty paths.

#include "upload/DavListing.h"
#include "tests/fuzz/FuzzCheck.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

using fuzzing::check;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    auto resources = upload::parseDavListing(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!resources)
        return 0;
    for (const upload::DavResource& resource : *resources)
        for (char c : resource.path)
            check(static_cast<unsigned char>(c) >= 0x20 && c != 0x7f);
    return 0;
}
