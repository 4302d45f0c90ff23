#include "text_formats/LyricCues.h"
#include "text_formats/TextEncoding.h"
#include "text_formats/TimedLyrics.h"

#include <gtest/gtest.h>

using namespace publish;
using namespace std::literals;

namespace {

std::vector<std::pair<int64_t, std::string>> flat(const std::vector<LyricLine>& lines) {
    std::vector<std::pair<int64_t, std::string>> result;
    for (const LyricLine& line : lines)
        result.emplace_back(line.milliseconds, line.text);
    return result;
}

std::vector<std::pair<int, std::string>> flat(const std::vector<LyricCue>& cues) {
    std::vector<std::pair<int, std::string>> result;
    for (const LyricCue& cue : cues)
        result.emplace_back(cue.frame, cue.text);
    return result;
}

using Lines = std::vector<std::pair<int64_t, std::string>>;
using Cues = std::vector<std::pair<int, std::string>>;

} // namespace

TEST(TimedLyricsTest, StampFormsSeveralStampsOrderAndMetadata) {
    EXPECT_EQ(flat(parseLrc("[ar:Someone]\n[ti:Morning: early]\n[00:12.50]b\n[00:01]a\n"
                            "[01:02.345][00:05.3]twice\n[length: 03:00]\n")),
              (Lines{{1000, "a"}, {5300, "twice"}, {12500, "b"}, {62345, "twice"}}));
}

TEST(TimedLyricsTest, EqualTimesKeepTheFileOrder) {
    EXPECT_EQ(flat(parseLrc("[00:02.00]first\n[00:01.00]x\n[00:02.00]second\n")),
              (Lines{{1000, "x"}, {2000, "first"}, {2000, "second"}}));
}

TEST(TimedLyricsTest, OffsetShowsLinesEarlierWhereverItStands) {
    EXPECT_EQ(flat(parseLrc("[00:01.00]a\n[offset:+500]\n[00:00.20]b\n")), (Lines{{-300, "b"}, {500, "a"}}));
    EXPECT_EQ(flat(parseLrc("[offset:-250]\n[00:01.00]a\n")), (Lines{{1250, "a"}}));
}

TEST(TimedLyricsTest, WordStampsGoEmptyLinesClearMalformedLinesAreSkipped) {
    EXPECT_EQ(flat(parseLrc("[00:01.00]<00:01.00>Sun <00:01.50>is up <b>\n"
                            "[00:02.00]\n"
                            "[00:03.xx]bad stamp\n"
                            "[00:61.00]bad seconds\n"
                            "[00:04.00][ar:x]tag after stamp\n"
                            "[00:05.00 unclosed\n"
                            "no tags at all\n"
                            "[00:06.00]  kept  \n")),
              (Lines{{1000, "Sun is up <b>"}, {2000, ""}, {6000, "kept"}}));
}

TEST(TimedLyricsTest, TextEncodings) {
    Lines expected{{1000, "Café"}};
    EXPECT_EQ(flat(parseLrc("[00:01.00]Caf\xC3\xA9\r\n")), expected);
    EXPECT_EQ(flat(parseLrc("\xEF\xBB\xBF[00:01.00]Caf\xC3\xA9")), expected);
    EXPECT_EQ(flat(parseLrc("[00:01.00]Caf\xE9")), expected); // Latin-1
    std::u16string utf16 = u"[00:01.00]Café";
    std::string little("\xFF\xFE"), big("\xFE\xFF");
    for (char16_t unit : utf16) {
        little += {static_cast<char>(unit & 0xFF), static_cast<char>(unit >> 8)};
        big += {static_cast<char>(unit >> 8), static_cast<char>(unit & 0xFF)};
    }
    EXPECT_EQ(flat(parseLrc(little)), expected);
    EXPECT_EQ(flat(parseLrc(big)), expected);
    EXPECT_EQ(textAsUtf8("\xFF\xFE\x3D\xD8\x00\xDE"sv), "\xF0\x9F\x98\x80"); // a surrogate pair
    EXPECT_EQ(textAsUtf8("\xFF\xFE\x00\xD8"sv), "\xEF\xBF\xBD");            // half a pair
    EXPECT_FALSE(isUtf8("\xC0\xAF"));                                     // over-long
    EXPECT_FALSE(isUtf8("\xED\xA0\x80"));                                 // a surrogate
}

TEST(TimedLyricsTest, TextWithoutTimedLinesHasNoLyrics) {
    EXPECT_TRUE(parseLrc("").empty());
    EXPECT_TRUE(parseLrc("[ar:x]\n[ti:y]\nJust words, no times\n").empty());
}

// 22050 Hz: 580 samples a frame, so a frame lasts 26.30 ms, not 1/38 s.
TEST(LyricCuesTest, FramesFollowTheMovieTimingAndDropPastTheEnd) {
    std::vector<LyricLine> lines{{-300, "early"}, {1000, "one"}, {10000, "ten"}, {20000, "late"}};
    // 1 s: 22050 / 580 = 38.017 → frame 38; 10 s → 380.17 → 380.
    EXPECT_EQ(flat(lyricCues(lines, 22050, 580, 400)), (Cues{{0, "early"}, {38, "one"}, {380, "ten"}}));
    EXPECT_EQ(flat(lyricCues({{1000, "one"}}, 22050, 580, 400)), (Cues{{0, ""}, {38, "one"}}));
}

TEST(LyricCuesTest, LinesInOneFrameLeaveTheLastShown) {
    std::vector<LyricLine> lines{{1000, "a"}, {1010, "b"}, {1010, "c"}, {1100, ""}};
    EXPECT_EQ(flat(lyricCues(lines, 22050, 580, 100)), (Cues{{0, ""}, {38, "c"}, {41, ""}}));
}

TEST(LyricCuesTest, NoLinesOrNoFramesGiveNoCues) {
    EXPECT_TRUE(lyricCues({}, 22050, 580, 100).empty());
    EXPECT_TRUE(lyricCues({{0, "a"}}, 22050, 580, 0).empty());
}
