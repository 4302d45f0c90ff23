// LRC text as users write it (and as files that are no LRC at all).
#include "text_formats/LyricCues.h"
#include "text_formats/TimedLyrics.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    auto lines = publish::parseLrc(std::string_view(reinterpret_cast<const char*>(data), size));
    // The cues of a three-minute track at 22050 Hz.
    publish::lyricCues(lines, 22050, 580, 6840);
    return 0;
}
