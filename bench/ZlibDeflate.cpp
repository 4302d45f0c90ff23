// The serial floor's compression step: zlib at level 6 over each file's
// bytes, one after the other.

#include "tests/support/TestSupport.h"

#include <zlib.h>

#include <cstdio>
#include <vector>

int main(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        testing_support::Bytes bytes = testing_support::readFile(argv[i]);
        uLongf size = compressBound(bytes.size());
        std::vector<unsigned char> compressed(size);
        if (compress2(compressed.data(), &size, bytes.data(), bytes.size(), 6) != Z_OK) {
            std::fprintf(stderr, "cannot compress %s\n", argv[i]);
            return 1;
        }
    }
    return 0;
}
