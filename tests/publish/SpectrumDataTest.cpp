#include "publish/SpectrumData.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

using namespace publish;
using namespace testing_support;

namespace {

std::string lineWith(int index, int first) {
    std::string text = std::to_string(index) + ":";
    for (int k = 0; k < 10; ++k)
        text += std::to_string(first + k) + ";";
    return text + "\n";
}

class SpectrumDataTest : public ::testing::Test {
protected:
    void write(const std::string& text) { writeFile(folder.path("data.log"), Bytes(text.begin(), text.end())); }
    std::string path() const { return folder.path("data.log"); }
    TemporaryFolder folder;
};

} // namespace

TEST_F(SpectrumDataTest, FramesTakeTheirLinesPassingOverOneEverySeventySevenFrames) {
    std::string text;
    for (int line = 0; line < 200; ++line)
        text += lineWith(line, line % 40);
    write(text);
    SpectrumData data(path());
    ASSERT_TRUE(data.isOpen());
    std::vector<int> firstValues;
    for (int frame = 0; frame < 78; ++frame) {
        ASSERT_TRUE(data.readFrame(frame));
        firstValues.push_back(data.values()[0]);
    }
    EXPECT_EQ(firstValues[0], 1) << "frame 0 uses the second line";
    EXPECT_EQ(firstValues[1], 2);
    EXPECT_EQ(firstValues[76], 77 % 40) << "the 78th line";
    EXPECT_EQ(firstValues[77], 79 % 40) << "the 80th line";
}

TEST_F(SpectrumDataTest, ShortTokensKeepTheOtherValuesAndTheEndKeepsThemAll) {
    write("0:9;9;9;9;9;9;9;9;9;9;\n1:1;2;3;4;5;6;7;8;9;10;\n2:20;21;\n");
    SpectrumData data(path());
    ASSERT_TRUE(data.readFrame(0));
    ASSERT_TRUE(data.readFrame(1));
    EXPECT_EQ(data.values(), (SpectrumData::Values{20, 21, 3, 4, 5, 6, 7, 8, 9, 10}));
    EXPECT_TRUE(data.readFrame(2)) << "past the end the last values stay";
    EXPECT_EQ(data.values()[1], 21);
}

TEST_F(SpectrumDataTest, ABadLineStopsTheBarsForGood) {
    write("0:1;1;1;1;1;1;1;1;1;1;\n1:2;2;2;2;2;2;2;2;2;2;\nbad line\n3:4;4;4;4;4;4;4;4;4;4;\n");
    SpectrumData data(path());
    EXPECT_TRUE(data.readFrame(0));
    EXPECT_FALSE(data.readFrame(1));
    EXPECT_FALSE(data.readFrame(2));
    EXPECT_FALSE(data.readFrame(3));
    EXPECT_EQ(data.values()[0], 2);
}

TEST_F(SpectrumDataTest, ATokenThatDoesNotBeginWithAnIntegerGivesNoBars) {
    write("0:x\n1:x;1;\n2:5;5;5;5;5;5;5;5;5;5;\n");
    SpectrumData data(path());
    EXPECT_FALSE(data.readFrame(0));
    EXPECT_TRUE(data.readFrame(1));
    EXPECT_EQ(data.values()[0], 5);
}

TEST_F(SpectrumDataTest, AMissingFileGivesNoBars) {
    SpectrumData data(folder.path("none.log"));
    EXPECT_FALSE(data.isOpen());
    EXPECT_FALSE(data.readFrame(0));
}
