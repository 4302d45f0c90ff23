#ifndef PUBLISH_SPECTRUMDATA_H
#define PUBLISH_SPECTRUMDATA_H

#include "player_contract/PlayerContract.h"

#include <array>
#include <cstdio>
#include <filesystem>
#include <string>

namespace publish {

// Reads the analyser's data file frame by frame, the way the players were
// fed from the start: each line is "%d:%s" (the token ten "%d;" values); the
// first line is passed over, one extra line is read every FramesPerExtraLine
// frames, values a line does not give keep the previous frame's. A line that
// does not begin with an integer stops the bars: the read never moves past it.
class SpectrumData {
public:
    using Values = std::array<int, contract::SpectrumBars>;

    explicit SpectrumData(const std::filesystem::path& path);
    ~SpectrumData();
    SpectrumData(const SpectrumData&) = delete;
    SpectrumData& operator=(const SpectrumData&) = delete;

    bool isOpen() const { return file != nullptr; }
    // Reads the line(s) for frame `frame` (frames counted from 0, in order)
    // and tells whether the frame gets bar actions.
    bool readFrame(int frame);
    const Values& values() const { return bars; }

private:
    enum { Failed = 0, EndOfFile = -1 };
    int scanLine(std::string& token);
    int scanToken(const std::string& token);
    bool scanInteger(int& value);
    void skipSpace();

    std::FILE* file = nullptr;
    Values bars = {};
};

} // namespace publish

#endif
