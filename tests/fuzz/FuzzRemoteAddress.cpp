// libFuzzer target: whatever a user types after --upload is refused or
// parsed into an address whose own URL parses back to the same place, with
// no ".." and no control character in its folder.

#include "upload/RemoteAddress.h"
#include "tests/fuzz/FuzzCheck.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

using fuzzing::check;

namespace {

bool holdsControlCharacter(const std::string& text) {
    for (char c : text)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f)
            return true;
    return false;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    upload::RemoteAddress address;
    if (upload::parseRemoteAddress(std::string_view(reinterpret_cast<const char*>(data), size), address) !=
        upload::AddressProblem::None)
        return 0;
    check(address.folder.starts_with('/') && !holdsControlCharacter(address.folder));
    check(address.folder.find("/../") == std::string::npos && !address.folder.ends_with("/.."));
    upload::RemoteAddress again;
    check(upload::parseRemoteAddress(address.url(), again) == upload::AddressProblem::None);
    check(again.protocol == address.protocol && again.scheme == address.scheme && again.host == address.host &&
          again.port == address.port && again.folder == address.folder);
    return 0;
}
