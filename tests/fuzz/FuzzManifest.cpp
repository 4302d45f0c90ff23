// libFuzzer target: a remote manifest, whatever a server or a cut-off upload
// left in it, is either refused or is exactly the text its own entries
// write out again, so that an upload never acts on a manifest it read
// differently from how it would write it.

#include "upload/UploadManifest.h"
#include "tests/fuzz/FuzzCheck.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

using fuzzing::check;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view text(reinterpret_cast<const char*>(data), size);
    std::optional<upload::Manifest> manifest = upload::parseManifest(text);
    if (manifest)
        check(upload::manifestText(*manifest) == text);
    return 0;
}
