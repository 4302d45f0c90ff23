#include "publish/SpectrumAnalyser.h"
#include "publish/SpectrumData.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

using namespace publish;
using namespace testing_support;

namespace {

class AnalyserTest : public ::testing::Test {
protected:
    std::vector<std::string> analyse(double frequency, double seconds, double amplitude = 1.0) {
        std::string wav = folder.path("in.wav"), mp3 = folder.path("in.mp3");
        writeToneWav(wav, 44100, 1, seconds, frequency);
        std::string scale = amplitude == 1.0 ? "" : " --scale " + std::to_string(amplitude);
        EXPECT_TRUE(run("lame --quiet -b 128" + scale + " '" + wav + "' '" + mp3 + "'"));
        MusicLibraryAnalyser analyser({ANALYSER_FOLDER});
        EXPECT_TRUE(analyser.run(mp3, folder.path("data.log"), {}));
        std::ifstream in(folder.path("data.log"));
        std::vector<std::string> lines;
        for (std::string line; std::getline(in, line);)
            lines.push_back(line);
        return lines;
    }

    TemporaryFolder folder;
};

std::vector<int> values(const std::string& line) {
    std::vector<int> result;
    size_t at = line.find(':') + 1;
    while (at < line.size()) {
        size_t end = line.find(';', at);
        result.push_back(std::stoi(line.substr(at, end - at)));
        at = end + 1;
    }
    return result;
}

} // namespace

TEST_F(AnalyserTest, APureToneLandsInItsBand) {
    auto lines = analyse(1000.0, 2.0);
    ASSERT_GT(lines.size(), 40u);
    auto middle = values(lines[40]);
    ASSERT_EQ(middle.size(), 10u);
    // Bands from 60 Hz to 16 kHz, evenly spaced in log frequency: 1 kHz falls
    // in band 5 (825 Hz to 1.44 kHz).
    EXPECT_EQ(std::max_element(middle.begin(), middle.end()) - middle.begin(), 5);
    EXPECT_GE(middle[5], 20);
    for (int value : middle)
        EXPECT_LE(value, 30);
}

TEST_F(AnalyserTest, SilenceGivesZeros) {
    auto lines = analyse(440.0, 1.5, 0.0);
    ASSERT_FALSE(lines.empty());
    for (const std::string& line : lines)
        for (int value : values(line))
            EXPECT_EQ(value, 0) << line;
}

TEST_F(AnalyserTest, GivesEveryFrameItsLineAsTheBuilderReadsThem) {
    auto lines = analyse(300.0, 4.0);
    size_t frames = lines.size();
    // The builder reads frames + 1 + one line every 77 frames.
    size_t movieFrames = 0;
    while (movieFrames + 1 + movieFrames / 77 + 1 <= frames)
        ++movieFrames;
    EXPECT_EQ(movieFrames + 1 + (movieFrames - 1) / 77, frames);
    EXPECT_GE(movieFrames, static_cast<size_t>(4.0 * 38));
    SpectrumData data(folder.path("data.log"));
    for (size_t frame = 0; frame < movieFrames; ++frame)
        EXPECT_TRUE(data.readFrame(static_cast<int>(frame))) << frame;
}

TEST(MusicLibraryTest, AMissingLibraryRunsNothing) {
    TemporaryFolder folder;
    MusicLibraryAnalyser analyser({folder.path("")});
    if (analyser.run("x.mp3", folder.path("data.log"), {}))
        GTEST_SKIP() << "a libmusic.so is installed on the library path";
    EXPECT_FALSE(std::filesystem::exists(folder.path("data.log")));
}
