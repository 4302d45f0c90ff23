#ifndef TRANSFORM_FSALLOCATION_H
#define TRANSFORM_FSALLOCATION_H

#include "transform/FSException.h"

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

} // namespace transform

#endif
