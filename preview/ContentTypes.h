#ifndef PREVIEW_CONTENTTYPES_H
#define PREVIEW_CONTENTTYPES_H

#include <filesystem>

namespace preview {

// The type a browser needs to use the file: by its extension, and
// "application/octet-stream" for anything else.
const char* contentTypeFor(const std::filesystem::path& file);

} // namespace preview

#endif
