// Foreign data that is cut short, lies about its lengths or nests without
// end gets a clear exception naming what was being decoded, never a crash.

#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

#include <functional>

using namespace transform;
using namespace testing_support;

namespace {

std::string formatError(const std::function<void()>& decode) {
    try {
        decode();
    } catch (const FSFormatException& error) {
        return error.message();
    }
    ADD_FAILURE() << "no FSFormatException";
    return "";
}

std::string tagError(const Bytes& bytes) {
    return formatError([&] {
        FSStream stream(bytes.data(), static_cast<int>(bytes.size()));
        std::unique_ptr<FSMovieObject> tag(decodeTag(stream));
    });
}

std::string actionError(const Bytes& bytes) {
    return formatError([&] {
        FSStream stream(bytes.data(), static_cast<int>(bytes.size()));
        std::unique_ptr<FSActionObject> action(decodeAction(stream, stream.endOfData()));
    });
}

std::string movieError(const Bytes& bytes) {
    return formatError([&] { decodeMovie(bytes.data(), static_cast<int>(bytes.size())); });
}

Bytes uncompressedMovie(const Bytes& tags) {
    Bytes movie = {'F', 'W', 'S', 5, 0, 0, 0, 0, 0x10, 0x88, 0x00, 0x0C, 0x01, 0x00};
    movie = concat(movie, tags);
    movie[4] = static_cast<unsigned char>(movie.size());
    return movie;
}

} // namespace

TEST(BadTagTest, LengthsRunningPastTheData) {
    EXPECT_EQ(tagError({0x10, 0x03, 0x07}), "FSDoAction: its length runs past the end of its container.");
    EXPECT_EQ(tagError({0xFF, 0x04, 0xFF, 0xFF, 0xFF, 0x7F, 0x01}),
              "FSSoundStreamBlock: its length runs past the end of its container.");
    EXPECT_EQ(tagError({0xBF, 0x0F, 0x00, 0x00, 0x00, 0x80}), "FSUnknownTag: its length runs past the end of its container.");
    EXPECT_EQ(tagError({0x43}), "FSMovie: cannot read past the end of the data.");
}

TEST(BadTagTest, FieldsRunningPastTheirTag) {
    EXPECT_EQ(tagError({0x42, 0x02, 0xFF, 0xFF, 0xFF}),
              "FSSetBackgroundColor: its contents run past their declared length.");
    EXPECT_EQ(tagError({0x44, 0x0B, 0x0F, 0x2F, 0x88, 0x04, 0x00, 0x00}),
              "FSSoundStreamHead2: its contents run past their declared length.");
    EXPECT_EQ(tagError({0x85, 0x03, 0x01, 0x00, 0x2F, 0x00, 0x00}),
              "FSDefineSound: its length is too short for its fields.");
}

TEST(BadActionTest, DoActionWithoutAnEndCode) {
    EXPECT_EQ(tagError({0x02, 0x03, 0x07, 0x06}),
              "FSDoAction: its actions run to the end of the tag without an end code.");
}

TEST(BadActionTest, ARecordLongerThanItsTag) {
    EXPECT_EQ(tagError({0x04, 0x03, 0x81, 0x02, 0x00, 0x05, 0x00, 0x00}),
              "FSDoAction: its length runs past the end of its container.");
}

TEST(BadActionTest, ARecordReadingBeyondItsOwnLength) {
    EXPECT_EQ(actionError({0x81, 0x01, 0x00, 0x05, 0x00}), "FSGotoFrame: its contents run past their declared length.");
    EXPECT_EQ(actionError({0x87, 0x00, 0x00, 0x05}), "FSRegisterCopy: its contents run past their declared length.");
    EXPECT_EQ(actionError({0x8B, 0x01, 0x00, 0x2F, 0x00}), "FSSetTarget: its contents run past their declared length.");
    EXPECT_EQ(actionError({0x8C, 0x01, 0x00, 0x61, 0x00}), "FSGotoLabel: its contents run past their declared length.");
}

TEST(BadActionTest, PushTypeOfTenOrMore) {
    Bytes bytes = {0x96, 0x02, 0x00, 0x0A, 0x00};
    FSStream stream(bytes.data(), static_cast<int>(bytes.size()));
    try {
        std::unique_ptr<FSActionObject> action(decodeAction(stream, stream.endOfData()));
        FAIL() << "no exception";
    } catch (const FSAllocationException& error) {
        EXPECT_STREQ(error.message(), "Cannot allocate new data type for FSPush object.");
    }
}

TEST(BadActionTest, PushValuesRunningPastThePush) {
    EXPECT_EQ(actionError({0x96, 0x02, 0x00, 0x07, 0x01, 0x00, 0x00, 0x00}),
              "FSPush: its contents run past their declared length.");
    EXPECT_EQ(actionError({0x96, 0x03, 0x00, 0x00, 0x41, 0x42}),
              "FSString: its text has no terminating NUL before the end of the data.");
}

TEST(BadActionTest, ListSizesThatDoNotAddUp) {
    EXPECT_EQ(actionError({0x94, 0x02, 0x00, 0x02, 0x00, 0x81, 0x02, 0x00, 0x01, 0x00}),
              "FSWith: its length runs past the end of its container.");
    EXPECT_EQ(actionError({0x94, 0x02, 0x00, 0x02, 0x00, 0x00, 0x07}),
              "FSWith: its action list ends before its declared size.");
    EXPECT_EQ(actionError({0x94, 0x03, 0x00, 0x01, 0x00, 0x00, 0x07}),
              "FSWith: its declared length does not match its fields.");
    EXPECT_EQ(actionError({0x9B, 0x07, 0x00, 0x66, 0x00, 0x00, 0x00, 0x01, 0x00, 0x07, 0x07}),
              "FSNewFunction: its declared length does not match its fields.");
    EXPECT_EQ(actionError({0x8F, 0x08, 0x00, 0x04, 0x05, 0x00, 0x00, 0x00, 0x00, 0x00, 0x01, 0x07}),
              "FSExceptionHandler: its length runs past the end of its container.");
}

TEST(BadActionTest, FunctionsNestedWithoutEnd) {
    const int levels = 5000;
    Bytes bytes;
    for (int level = 0; level < levels; ++level) {
        int inner = 5 * (levels - 1 - level);
        bytes.insert(bytes.end(), {0x94, 0x02, 0x00, static_cast<unsigned char>(inner),
                                   static_cast<unsigned char>(inner >> 8)});
    }
    EXPECT_NE(actionError(bytes).find("nested too deeply"), std::string::npos);
}

TEST(BadMovieTest, NotAMovieOrCutShort) {
    EXPECT_EQ(movieError({'G', 'I', 'F', '8', '9', 'a', 0, 0}), "FSMovie: the data is not an SWF movie.");
    EXPECT_EQ(movieError({'F', 'W', 'S'}), "FSMovie: the data is not an SWF movie.");
    EXPECT_EQ(movieError({'F', 'W', 'S', 5, 9, 0, 0, 0, 0x78}), "FSBounds: cannot read past the end of the data.");
    Bytes movie = uncompressedMovie({0x02, 0x03, 0x07});
    EXPECT_EQ(movieError(movie), "FSDoAction: its length runs past the end of its container.");
}

TEST(BadMovieTest, CorruptOrLyingCompressedData) {
    EXPECT_EQ(movieError({'C', 'W', 'S', 7, 40, 0, 0, 0, 0x78, 0x9C, 0xFF, 0xFF, 0xFF}),
              "FSMovie: its compressed data is corrupt.");
    EXPECT_EQ(movieError({'C', 'W', 'S', 7, 0xFF, 0xFF, 0xFF, 0xFF, 0x78, 0x9C}),
              "FSMovie: its declared length is too large to read.");

    FSMovie movie(FSBounds(0, 0, 1, 1), 12.0f);
    Bytes noise(4000);
    for (size_t i = 0; i < noise.size(); ++i)
        noise[i] = static_cast<unsigned char>(i * 7919 >> 3);
    movie.addObject(new FSUnknownTag(6, noise.data(), static_cast<int>(noise.size())));
    movie.addObject(new FSShowFrame());
    int length = 0;
    auto image = movie.encodeToMemory(length);
    Bytes cut(image.data(), image.data() + length / 2);
    EXPECT_EQ(movieError(cut), "FSUnknownTag: its length runs past the end of its container.");
}

TEST(BadMovieTest, AMovieWithoutAnEndTagIsReadToTheEndOfItsData) {
    Bytes movie = uncompressedMovie({0x40, 0x00, 0x40, 0x00});
    auto decoded = decodeMovie(movie.data(), static_cast<int>(movie.size()));
    EXPECT_EQ(decoded->frameCount(), 2);
}
