// libFuzzer target: a server's folder listing, whatever it holds, gives
// entries with non-empty names under the prefix, never "." or "..", and no
// line break inside a name.

#include "upload/LongListing.h"
#include "tests/fuzz/FuzzCheck.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

using fuzzing::check;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view text(reinterpret_cast<const char*>(data), size);
    for (const upload::RemoteEntry& entry : upload::parseLongListing(text, "sub/")) {
        check(entry.path.starts_with("sub/") && entry.path.size() > 4);
        std::string_view name = std::string_view(entry.path).substr(4);
        check(name != "." && name != ".." && name.find('\n') == std::string_view::npos);
    }
    return 0;
}
