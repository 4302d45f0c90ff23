// libFuzzer target: any bytes given to the movie reader give a movie or an
// FSException, and a movie read in encodes again.

#include "transform/transform.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > (1u << 20))
        return 0;
    try {
        auto movie = transform::decodeMovie(data, static_cast<int>(size));
        int length = 0;
        movie->setCompressed(false);
        movie->encodeToMemory(length);
    } catch (const transform::FSException&) {
    }
    return 0;
}
