#include "resources/Resources.h"

#include "resources/ResourceTable.h"

namespace resources {

std::span<const unsigned char> findResource(std::string_view type, int id) {
    for (const ResourceEntry* entry = ResourceTable; entry->type != nullptr; ++entry)
        if (entry->id == id && type == entry->type)
            return {entry->data, entry->size};
    return {};
}

} // namespace resources
