#include "audio/SoundFileNames.h"

#include <algorithm>
#include <cctype>
#include <iterator>
#include <string>

namespace audio {

bool hasSoundFileExtension(const std::filesystem::path& path) {
    std::string extension = path.extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return std::any_of(std::begin(SoundFileExtensions), std::end(SoundFileExtensions),
                       [&extension](const char* known) { return extension == known; });
}

} // namespace audio
