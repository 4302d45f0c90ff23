#include "analyser/BarsAnalysis.h"

#include "player_contract/PlayerContract.h"

#include <algorithm>
#include <cmath>

namespace analyser {

namespace {

using publish::contract::FramesPerExtraLine;
const int FramesPerSecond = publish::contract::TrackFrameRate;
const size_t WindowSize = 1024;
const float LowestFrequency = 60.0f;
const float HighestFrequency = 16000.0f;
// Band levels from this many decibels below full scale up to full scale
// become the bar heights 0..30.
const float DecibelRange = 60.0f;
const int HighestBar = publish::contract::BarCap;

// Band edges spaced evenly on a logarithmic frequency scale.
BandEdges bandEdges(int sampleRate) {
    float highest = std::min(HighestFrequency, sampleRate / 2.0f);
    BandEdges edges;
    const int bars = publish::contract::SpectrumBars;
    for (int i = 0; i <= bars; ++i)
        edges[i] = LowestFrequency * std::pow(highest / LowestFrequency, static_cast<float>(i) / bars);
    return edges;
}

std::vector<float> hannWindow() {
    std::vector<float> window(WindowSize);
    for (size_t i = 0; i < WindowSize; ++i)
        window[i] = 0.5f - 0.5f * std::cos(2.0f * static_cast<float>(M_PI) * i / (WindowSize - 1));
    return window;
}

std::string line(int index, const Bars& bars) {
    std::string text = std::to_string(index) + ":";
    for (int value : bars)
        text += std::to_string(value) + ";";
    return text;
}

} // namespace

BarsAnalysis::BarsAnalysis(int sampleRate)
    : sampleRate(sampleRate), edges(bandEdges(sampleRate)), fft(WindowSize), window(hannWindow()),
      spectrum(WindowSize) {}

size_t BarsAnalysis::frameStart(size_t frame) const {
    return frame * static_cast<size_t>(sampleRate) / FramesPerSecond;
}

void BarsAnalysis::add(const std::vector<float>& samples) {
    pending.insert(pending.end(), samples.begin(), samples.end());
    received += samples.size();
    while (frameStart(frames.size()) + WindowSize <= received)
        frames.push_back(barsAt(frameStart(frames.size())));
    // Samples before the next frame's window are needed no more.
    size_t unneeded = std::min(frameStart(frames.size()) - pendingStart, pending.size());
    if (unneeded > 65536) {
        pending.erase(pending.begin(), pending.begin() + static_cast<long>(unneeded));
        pendingStart += unneeded;
    }
}

std::vector<Bars> BarsAnalysis::finish() {
    size_t frameCount = received * FramesPerSecond / static_cast<size_t>(sampleRate);
    while (frames.size() < frameCount)
        frames.push_back(barsAt(frameStart(frames.size())));
    return frames;
}

Bars BarsAnalysis::barsAt(size_t start) {
    for (size_t i = 0; i < WindowSize; ++i) {
        size_t at = start + i - pendingStart;
        spectrum[i] = (at < pending.size() ? pending[at] : 0.0f) * window[i];
    }
    fft.transform(spectrum);

    Bars bars{};
    float binWidth = static_cast<float>(sampleRate) / WindowSize;
    for (int band = 0; band < publish::contract::SpectrumBars; ++band) {
        size_t first = static_cast<size_t>(edges[band] / binWidth);
        size_t last = std::max(first + 1, static_cast<size_t>(edges[band + 1] / binWidth));
        float strongest = 0.0f;
        for (size_t bin = first; bin < last && bin < WindowSize / 2; ++bin)
            strongest = std::max(strongest, std::norm(spectrum[bin]));
        // A full-scale sine peaks at a quarter of the window (Hann gain 1/2).
        float level = std::sqrt(strongest) / (WindowSize / 4.0f);
        float decibels = level > 0.0f ? 20.0f * std::log10(level) : -DecibelRange;
        float height = (decibels + DecibelRange) / DecibelRange * HighestBar;
        bars[band] = std::clamp(static_cast<int>(std::lround(height)), 0, HighestBar);
    }
    return bars;
}

std::vector<std::string> spectrumLines(const std::vector<Bars>& frames) {
    std::vector<std::string> lines;
    for (size_t frame = 0; frame < frames.size(); ++frame) {
        if (frame % FramesPerExtraLine == 0)
            lines.push_back(line(static_cast<int>(lines.size()), frames[frame]));
        lines.push_back(line(static_cast<int>(lines.size()), frames[frame]));
    }
    return lines;
}

} // namespace analyser
