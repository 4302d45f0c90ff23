#include "preview/ContentTypes.h"

#include <string>

namespace preview {

namespace {

struct ContentType {
    const char* extension;
    const char* type;
};

// WebAssembly must be named as such, or browsers refuse to compile it as
// it streams in.
const ContentType ContentTypes[] = {
    {".htm", "text/html"},        {".html", "text/html"},
    {".xml", "text/xml"},         {".swf", "application/x-shockwave-flash"},
    {".js", "text/javascript"},   {".wasm", "application/wasm"},
    {".json", "application/json"}, {".mp3", "audio/mpeg"},
};

} // namespace

const char* contentTypeFor(const std::filesystem::path& file) {
    std::string extension = file.extension().string();
    for (char& c : extension)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    for (const ContentType& entry : ContentTypes)
        if (extension == entry.extension)
            return entry.type;
    return "application/octet-stream";
}

} // namespace preview
