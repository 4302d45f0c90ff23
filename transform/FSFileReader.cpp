#include "transform/FSFileReader.h"

#include "transform/FSException.h"

#include <cstdio>
#include <limits>

namespace transform {

int readWholeFile(const char* path, FSBytes& bytes) {
    bytes.clear();
    std::FILE* file = path ? std::fopen(path, "rb") : nullptr;
    if (file == nullptr)
        return FSCannotOpen;

    long end = -1;
    if (std::fseek(file, 0, SEEK_END) == 0)
        end = std::ftell(file);
    if (end < 0 || end > std::numeric_limits<int>::max() || std::fseek(file, 0, SEEK_SET) != 0) {
        std::fclose(file);
        return FSCannotRead;
    }

    try {
        bytes.resize(static_cast<int>(end));
    } catch (const FSAllocationException&) {
        std::fclose(file);
        return FSOutOfMemory;
    }
    bool complete = std::fread(bytes.writable(), 1, static_cast<size_t>(end), file) == static_cast<size_t>(end);
    if (std::fclose(file) != 0 || !complete) {
        bytes.clear();
        return FSCannotRead;
    }
    return FSLoaded;
}

} // namespace transform
