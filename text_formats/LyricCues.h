#ifndef TEXT_FORMATS_LYRICCUES_H
#define TEXT_FORMATS_LYRICCUES_H

#include "text_formats/TimedLyrics.h"

#include <string>
#include <vector>

namespace publish {

// The lyric line a track movie shows from `frame` on.
struct LyricCue {
    int frame = 0;
    std::string text;
};

// Where each line begins in a track movie's frames, in frame order: the
// display is cleared in frame 0, a line begins in the frame its time falls
// in (earlier times in frame 0), lines past the last frame are dropped, and
// of several lines in one frame the last shown wins. Nothing for no lines.
std::vector<LyricCue> lyricCues(const std::vector<LyricLine>& lines, int sampleRate, int samplesPerFrame,
                                int frameCount);

} // namespace publish

#endif
