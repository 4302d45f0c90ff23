#ifndef TEXT_FORMATS_TIMEDLYRICS_H
#define TEXT_FORMATS_TIMEDLYRICS_H

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace publish {

// One line of timed lyrics: when it begins, with the file's offset already
// applied (so it may be negative), and its text ("" clears the display).
struct LyricLine {
    int64_t milliseconds = 0;
    std::string text;
};

// The time-stamped lines of an LRC text in the order they are shown (by
// time; equal times in the order of the file). Lines with several stamps
// appear once for each; metadata, word stamps and malformed lines are left
// out. The bytes may be UTF-8 (with or without a byte-order mark), UTF-16
// with its mark, or Latin-1. Empty when the text holds no timed line.
std::vector<LyricLine> parseLrc(std::string_view bytes);

} // namespace publish

#endif
