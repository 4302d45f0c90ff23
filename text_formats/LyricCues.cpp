#include "text_formats/LyricCues.h"

#include "player_contract/PlayerContract.h"
#include "text_formats/TextEncoding.h"

namespace publish {

std::vector<LyricCue> lyricCues(const std::vector<LyricLine>& lines, int sampleRate, int samplesPerFrame,
                                int frameCount) {
    if (lines.empty() || frameCount <= 0 || samplesPerFrame <= 0)
        return {};
    std::vector<LyricCue> cues{{0, ""}};
    for (const LyricLine& line : lines) {
        // The movie's own frame timing: a frame lasts samplesPerFrame samples.
        int64_t frame = line.milliseconds <= 0 ? 0
                                               : line.milliseconds * sampleRate / (int64_t{1000} * samplesPerFrame);
        if (frame >= frameCount)
            break;
        // Each line is one push record, whose length field is 16 bits.
        std::string text = cutAtCharacter(line.text, contract::LongestTitleBytes);
        if (cues.back().frame == frame)
            cues.back().text = std::move(text);
        else
            cues.push_back({static_cast<int>(frame), std::move(text)});
    }
    return cues;
}

} // namespace publish
