#ifndef RESOURCES_RESOURCETABLE_H
#define RESOURCES_RESOURCETABLE_H

#include <cstddef>

namespace resources {

// One embedded file; the generated table ends with a null type.
struct ResourceEntry {
    const char* type;
    int id;
    const unsigned char* data;
    size_t size;
};

extern const ResourceEntry ResourceTable[];

} // namespace resources

#endif
