// libFuzzer target: the request headers that choose a coding and decide
// whether the browser's copy is current. A coding is chosen only when its
// copy is stored, and never one the header refuses; a date that reads back
// reads back the same after writing it; a tag always matches itself.

#include "preview/CacheValidators.h"
#include "preview/ContentCoding.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace {

void checkCoding(std::string_view acceptEncoding) {
    using preview::ContentCoding;
    for (int mask = 0; mask < 4; ++mask) {
        preview::StoredCodings stored{(mask & 1) != 0, (mask & 2) != 0};
        ContentCoding chosen = preview::chooseContentCoding(acceptEncoding, stored);
        if ((chosen == ContentCoding::Brotli && !stored.brotli) || (chosen == ContentCoding::Gzip && !stored.gzip))
            __builtin_trap();
    }
    if (preview::chooseContentCoding(acceptEncoding, {}) != ContentCoding::Identity)
        __builtin_trap();
}

void checkDate(std::string_view text) {
    std::optional<std::time_t> time = preview::parseHttpDate(text);
    if (!time)
        return;
    std::optional<std::time_t> again = preview::parseHttpDate(preview::httpDate(*time));
    if (again != time)
        __builtin_trap();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view text(reinterpret_cast<const char*>(data), size);
    checkCoding(text);
    checkDate(text);
    std::string tag = preview::entityTag(size, static_cast<long long>(size) * 7919, "br");
    if (!preview::browserCopyIsCurrent(tag, text, tag, 0))
        __builtin_trap();
    std::string list = std::string(text) + ", W/" + tag;
    if (!preview::browserCopyIsCurrent(list, "", tag, 0))
        __builtin_trap();
    (void)preview::browserCopyIsCurrent(text, text, tag, static_cast<std::time_t>(size));
    return 0;
}
