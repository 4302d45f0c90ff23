#ifndef TRANSFORM_FSALLOCATION_H
#define TRANSFORM_FSALLOCATION_H

#include "transform/FSException.h"

#include <cstring>
#include <memory>
#include <new>
#include <utility>

namespace transform {

// Every allocation in the library is checked: a failure becomes an
// FSAllocationException naming what was being allocated.
template <typename T, typename... Args>
T* allocateObject(const char* message, Args&&... args) {
    try {
        return new T(std::forward<Args>(args)...);
    } catch (const std::bad_alloc&) {
        throw FSAllocationException(message);
    }
}

inline std::unique_ptr<unsigned char[]> allocateBytes(size_t count, const char* message) {
    try {
        return std::unique_ptr<unsigned char[]>(new unsigned char[count]());
    } catch (const std::bad_alloc&) {
        throw FSAllocationException(message);
    }
}

// A copy of `count` bytes, or null when there is nothing to copy.
inline std::unique_ptr<unsigned char[]> duplicateBytes(const unsigned char* bytes, int count,
                                                       const char* message) {
    if (bytes == nullptr || count <= 0)
        return nullptr;
    auto copy = allocateBytes(static_cast<size_t>(count), message);
    std::memcpy(copy.get(), bytes, static_cast<size_t>(count));
    return copy;
}

} // namespace transform

#endif
