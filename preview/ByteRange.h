#ifndef PREVIEW_BYTERANGE_H
#define PREVIEW_BYTERANGE_H

#include <cstdint>
#include <string_view>

namespace preview {

// What to send for a request's "Range" header on a file of `size` bytes.
// One range of bytes is honoured; a header that is absent, malformed, in
// another unit or asks for several ranges gets the whole file, as the HTTP
// rules allow.
struct ByteRange {
    enum class Kind { Whole, Part, Unsatisfiable };
    Kind kind = Kind::Whole;
    uint64_t first = 0;
    uint64_t length = 0;  // of the part, or the whole file
};

ByteRange chooseByteRange(std::string_view header, uint64_t size);

} // namespace preview

#endif
