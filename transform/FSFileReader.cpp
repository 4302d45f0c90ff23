#include "transform/FSFileReader.h"

#include <cstdio>
#include <limits>
#include <new>

namespace transform {

int readWholeFile(const char* path, std::unique_ptr<unsigned char[]>& bytes, int& size) {
    bytes.reset();
    size = 0;
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

    std::unique_ptr<unsigned char[]> contents(new (std::nothrow) unsigned char[end > 0 ? end : 1]);
    if (!contents) {
        std::fclose(file);
        return FSOutOfMemory;
    }
    bool complete = std::fread(contents.get(), 1, static_cast<size_t>(end), file) == static_cast<size_t>(end);
    if (std::fclose(file) != 0 || !complete)
        return FSCannotRead;

    bytes = std::move(contents);
    size = static_cast<int>(end);
    return FSLoaded;
}

} // namespace transform
