#ifndef ANALYSER_BARSANALYSIS_H
#define ANALYSER_BARSANALYSIS_H

#include "analyser/Fft.h"
#include "player_contract/PlayerContract.h"

#include <array>
#include <complex>
#include <string>
#include <vector>

namespace analyser {

// The bar heights, 0 for silence up to the players' cap for a full-scale band.
using Bars = std::array<int, publish::contract::SpectrumBars>;
// Each bar's band lies between two neighbouring edges, in hertz.
using BandEdges = std::array<float, publish::contract::SpectrumBars + 1>;

// The bars of a sound at each track movie frame, worked
// out as the samples arrive so that the whole sound is never held.
class BarsAnalysis {
public:
    explicit BarsAnalysis(int sampleRate);

    void add(const std::vector<float>& samples);
    // The bars of every frame the sound lasts.
    std::vector<Bars> finish();

private:
    size_t frameStart(size_t frame) const;
    Bars barsAt(size_t start);

    int sampleRate;
    BandEdges edges;
    Fft fft;
    std::vector<float> window;
    std::vector<std::complex<float>> spectrum;
    std::vector<float> pending;
    size_t pendingStart = 0;
    size_t received = 0;
    std::vector<Bars> frames;
};

// The data file's lines for those frames, in the order the track movie
// builder reads them: it passes over the first line and one more every
// FramesPerExtraLine frames, so those lines repeat the frame that follows them.
std::vector<std::string> spectrumLines(const std::vector<Bars>& frames);

} // namespace analyser

#endif
