#ifndef ANALYSER_SPECTRUMLINES_H
#define ANALYSER_SPECTRUMLINES_H

#include "analyser/Mp3Decoder.h"

#include <array>
#include <string>
#include <vector>

namespace analyser {

// Ten bar heights, 0 for silence up to 30 for a full-scale band.
using Bars = std::array<int, 10>;

// The bars of the sound at each movie frame, 38 frames per second.
std::vector<Bars> barsPerFrame(const DecodedSound& sound);

// The data file's lines for those frames, in the order the track movie
// builder reads them: it passes over the first line and one more every 77
// frames, so those lines repeat the frame that follows them.
std::vector<std::string> spectrumLines(const std::vector<Bars>& frames);

} // namespace analyser

#endif
