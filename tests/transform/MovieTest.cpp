#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

#include <zlib.h>

using namespace transform;
using namespace testing_support;

namespace {

Bytes image(FSMovie& movie, FSCodingObserver* observer = nullptr) {
    int length = 0;
    auto bytes = movie.encodeToMemory(length, observer);
    return Bytes(bytes.data(), bytes.data() + length);
}

Bytes inflated(const Bytes& compressed, size_t expected) {
    Bytes out(expected);
    uLongf size = expected;
    EXPECT_EQ(uncompress(out.data(), &size, compressed.data(), compressed.size()), Z_OK);
    out.resize(size);
    return out;
}

struct RecordingObserver : FSCodingObserver {
    std::vector<FSCodingEvent> events;
    void receive(FSCodingEvent event) override { events.push_back(event); }
};

} // namespace

TEST(FSMovieTest, EmptyMovieImageAndItsCompressedForm) {
    FSMovie movie(FSBounds(0, 0, 1, 1), 38.0f);
    EXPECT_STREQ(movie.getSignature(), "CWS");
    Bytes compressed = image(movie);
    ASSERT_GT(compressed.size(), 8u);
    EXPECT_EQ(hex(Bytes(compressed.begin(), compressed.begin() + 8)), "43 57 53 07 10 00 00 00");
    Bytes body = inflated(Bytes(compressed.begin() + 8, compressed.end()), 8);
    EXPECT_EQ(hex(body), "10 88 00 26 00 00 00 00");

    Bytes zlibOfBody(64);
    uLongf size = zlibOfBody.size();
    compress2(zlibOfBody.data(), &size, body.data(), body.size(), Z_DEFAULT_COMPRESSION);
    zlibOfBody.resize(size);
    EXPECT_EQ(Bytes(compressed.begin() + 8, compressed.end()), zlibOfBody);

    movie.setCompressed(false);
    EXPECT_EQ(hex(image(movie)), "46 57 53 07 10 00 00 00 10 88 00 26 00 00 00 00");
}

TEST(FSMovieTest, SignatureFollowsTheVersion) {
    EXPECT_STREQ(FSMovie(FSBounds(), 12.0f, 5).getSignature(), "FWS");
    EXPECT_STREQ(FSMovie(FSBounds(), 12.0f, 6).getSignature(), "CWS");
}

TEST(FSMovieTest, FrameRateIsEightDotEight) {
    FSMovie movie(FSBounds(0, 0, 1, 1), 12.5f, 5);
    Bytes bytes = image(movie);
    EXPECT_EQ(hex(Bytes(bytes.begin() + 10, bytes.begin() + 12)), "80 0C");
}

TEST(FSMovieTest, BackgroundColourAndShowFrameTags) {
    FSSetBackgroundColor white(FSColor(255, 255, 255));
    FSShowFrame frame;
    EXPECT_EQ(hex(encode(white)), "43 02 FF FF FF");
    EXPECT_EQ(hex(encode(frame)), "40 00");
    EXPECT_EQ(hex(encode(white, 1)), "44 02 FF FF FF FF");
}

TEST(FSMovieTest, ShortAndLongTagHeaders) {
    Bytes body62(62, 0x11), body63(63, 0x22);
    FSUnknownTag shortTag(7, body62.data(), 62);
    FSUnknownTag longTag(7, body63.data(), 63);
    Bytes shortBytes = encode(shortTag);
    EXPECT_EQ(hex(Bytes(shortBytes.begin(), shortBytes.begin() + 2)), "FE 01");
    Bytes longBytes = encode(longTag);
    EXPECT_EQ(hex(Bytes(longBytes.begin(), longBytes.begin() + 6)), "FF 01 3F 00 00 00");
    EXPECT_EQ(longBytes.size(), 69u);

    FSMovie movie(FSBounds(0, 0, 1, 1), 38.0f, 5);
    movie.addObject(new FSUnknownTag(7, body62.data(), 62));
    movie.addObject(new FSUnknownTag(7, body63.data(), 63));
    Bytes bytes = image(movie);
    EXPECT_EQ(bytes.size(), 16u + 64u + 69u);
    EXPECT_EQ(bytes[4] | bytes[5] << 8, 16 + 64 + 69);
}

TEST(FSMovieTest, ExtendLengthForcesTheLongHeader) {
    FSShowFrame frame;
    frame.extendLength = true;
    EXPECT_EQ(hex(encode(frame)), "7F 00 00 00 00 00");
}

TEST(FSMovieTest, FrameCountCountsOnlyShowFrames) {
    FSMovie movie(FSBounds(0, 0, 1, 1), 38.0f, 5);
    movie.addObject(new FSSetBackgroundColor(FSColor(1, 2, 3)));
    movie.addObject(new FSShowFrame());
    movie.addObject(new FSDoAction());
    movie.addObject(new FSShowFrame());
    EXPECT_EQ(movie.frameCount(), 2);
    Bytes bytes = image(movie);
    EXPECT_EQ(bytes[12] | bytes[13] << 8, 2);
}

TEST(FSMovieTest, FrameCountFieldHoldsOnlyTheLowSixteenBits) {
    FSMovie movie(FSBounds(0, 0, 1, 1), 38.0f, 5);
    for (int i = 0; i < 65537; ++i)
        movie.addObject(new FSShowFrame());
    Bytes bytes = image(movie);
    EXPECT_EQ(bytes[12] | bytes[13] << 8, 1);
}

TEST(FSMovieTest, EncodeToFileWritesTheImage) {
    TemporaryFolder folder;
    FSMovie movie(FSBounds(0, 0, 8000, 6000), 38.0f);
    movie.addObject(new FSSetBackgroundColor(FSColor(255, 255, 255)));
    movie.addObject(new FSShowFrame());
    std::string path = folder.path("movie.swf");
    movie.encodeToFile(path.c_str());
    EXPECT_EQ(readFile(path), image(movie));
}

TEST(FSMovieTest, EncodeToAMissingFolderCannotOpenTheFile) {
    FSMovie movie(FSBounds(0, 0, 1, 1), 38.0f);
    try {
        movie.encodeToFile("/nonexistent-folder/movie.swf");
        FAIL() << "no exception";
    } catch (const FSFileOpenException& error) {
        EXPECT_STREQ(error.message(), "Cannot open file");
    }
}

TEST(FSMovieTest, EncodingTwiceGivesTheSameImage) {
    FSMovie movie(FSBounds(0, 0, 100, 100), 24.0f);
    movie.addObject(new FSSetBackgroundColor(FSColor(255, 0, 0)));
    movie.addObject(new FSShowFrame());
    EXPECT_EQ(image(movie), image(movie));
    FSMovie copy(movie);
    EXPECT_EQ(image(copy), image(movie));
}

TEST(FSMovieTest, ObserverSeesBeginAndEndOfEveryTagInsideTheMovie) {
    FSMovie movie(FSBounds(0, 0, 1, 1), 38.0f);
    movie.addObject(new FSSetBackgroundColor(FSColor(255, 255, 255)));
    movie.addObject(new FSDoAction());
    movie.addObject(new FSShowFrame());
    RecordingObserver observer;
    image(movie, &observer);
    std::vector<std::pair<int, std::string>> seen;
    for (const FSCodingEvent& event : observer.events) {
        EXPECT_EQ(event.kind, FSCodingEvent::Encoding);
        seen.emplace_back(event.event, event.name);
    }
    std::vector<std::pair<int, std::string>> expected = {
        {0, "FSMovie"}, {0, "FSSetBackgroundColor"}, {1, "FSSetBackgroundColor"}, {0, "FSDoAction"},
        {1, "FSDoAction"}, {0, "FSShowFrame"}, {1, "FSShowFrame"}, {1, "FSMovie"},
    };
    EXPECT_EQ(seen, expected);
    EXPECT_EQ(observer.events[0].position, 0);
    EXPECT_EQ(observer.events[1].position, 8 * 14);
    EXPECT_EQ(observer.events[2].position, 8 * 19);
}

TEST(CompressMovieTest, SmallImagesGetASixtyFourByteBuffer) {
    const unsigned char header[8] = {'C', 'W', 'S', 7, 9, 0, 0, 0};
    Bytes source(header, header + 8);
    source.push_back(0x42);
    int length = 0;
    auto result = compressMovie(source.data(), static_cast<int>(source.size()), 8, length);
    Bytes compressed(result.data(), result.data() + length);
    EXPECT_EQ(hex(Bytes(compressed.begin(), compressed.begin() + 8)), hex(Bytes(header, header + 8)));
    EXPECT_EQ(inflated(Bytes(compressed.begin() + 8, compressed.end()), 1), Bytes{0x42});
}
