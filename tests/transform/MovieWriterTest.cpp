#include "tests/support/TestSupport.h"
#include "transform/FSMovieWriter.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace transform;
using namespace testing_support;

namespace {

unsigned declaredLength(const Bytes& file) { return file[4] | file[5] << 8 | file[6] << 16 | file[7] << 24; }

// Two frames of the tags a track movie holds, long blocks among them.
std::vector<std::unique_ptr<FSMovieObject>> trackTags() {
    std::vector<std::unique_ptr<FSMovieObject>> tags;
    tags.emplace_back(new FSSetBackgroundColor(FSColor(255, 255, 255)));
    tags.emplace_back(new FSSoundStreamHead2(2, 44100, 2, 2, 44100, 2, 2, 1160, 0));
    for (int frame = 0; frame < 2; ++frame) {
        tags.emplace_back(new FSDoAction(actionList({new FSAction(FSAction::Play)})));
        tags.emplace_back(new FSSoundStreamBlock(ownedCopy(Bytes(700 + frame, static_cast<unsigned char>(frame)))));
        tags.emplace_back(new FSShowFrame());
    }
    return tags;
}

FSMovieWriter::Layout layoutOf(int frames, int version = 7) {
    FSMovieWriter::Layout layout;
    layout.frameSize = FSBounds(0, 0, 1, 1);
    layout.frameRate = 38.0f;
    layout.frameCount = frames;
    layout.version = version;
    return layout;
}

} // namespace

TEST(FSMovieWriterTest, WritesTheSameMovieAsTheMovieEncoderWithTheRightLength) {
    TemporaryFolder folder;
    for (int version : {7, 5}) {
        auto tags = trackTags();
        FSMovie movie(FSBounds(0, 0, 1, 1), 38.0f, version);
        std::string written = folder.path("written.swf"), encoded = folder.path("encoded.swf");
        {
            FSMovieWriter writer(written.c_str(), layoutOf(2, version));
            for (auto& tag : tags)
                writer.add(*tag);
            writer.finish();
        }
        for (auto& tag : tags)
            movie.addObject(tag.release());
        movie.encodeToFile(encoded.c_str());

        Bytes file = readFile(written);
        Bytes image = uncompressedImage(file);
        EXPECT_EQ(std::string(file.begin(), file.begin() + 3), version > 5 ? "CWS" : "FWS");
        EXPECT_EQ(declaredLength(file), image.size()) << "the length field counts the uncompressed image";
        EXPECT_EQ(image, uncompressedImage(readFile(encoded)));
        EXPECT_EQ(decodeMovieFile(written.c_str())->frameCount(), 2);
    }
}

TEST(FSMovieWriterTest, RefusesAFrameCountItDidNotWriteAndAFileItCannotOpen) {
    TemporaryFolder folder;
    std::string path = folder.path("short.swf");
    FSMovieWriter writer(path.c_str(), layoutOf(3));
    FSShowFrame frame;
    writer.add(frame);
    EXPECT_THROW(writer.finish(), FSFormatException);

    try {
        FSMovieWriter nowhere(folder.path("missing/1.swf").c_str(), layoutOf(0));
        FAIL() << "no exception";
    } catch (const FSFileOpenException& error) {
        EXPECT_STREQ(error.message(), "Cannot open file");
        EXPECT_EQ(error.reason(), std::errc::no_such_file_or_directory);
    }
}

TEST(FSMovieWriterTest, AFailedWriteCarriesTheSystemsReasonTakenAtTheCall) {
    // The unwinding closes files and frees memory, which may change errno:
    // the exception keeps the reason of the call that failed.
    try {
        FSMovieWriter full("/dev/full", layoutOf(1));
        FSShowFrame frame;
        full.add(frame);
        full.finish();
        FAIL() << "no exception";
    } catch (const FSAccessException& error) {
        EXPECT_STREQ(error.message(), "Cannot write to file");
        EXPECT_EQ(error.reason(), std::errc::no_space_on_device);
    }
}

TEST(ReferringStreamBlockTest, EncodesAsTheCopyAndItsCopiesOwnTheirBytes) {
    // Four 44.1 kHz frames back to back: block 1 of 1160 samples takes
    // frame 1 and refers to it where it lies.
    Bytes frame = {0xFF, 0xFB, 0x90, 0x00};
    frame.resize(417, 0x11);
    Bytes file;
    for (int i = 0; i < 4; ++i)
        file.insert(file.end(), frame.begin(), frame.end());
    std::unique_ptr<FSSoundConstructor, FSRelease> sound(createSoundConstructor(WavOrMp3));
    ASSERT_EQ(sound->decodeSound(file.data(), static_cast<int>(file.size())), 0);

    std::unique_ptr<FSSoundStreamBlock> copied(sound->streamBlock(1, 1160));
    std::unique_ptr<FSSoundStreamBlock> referring(sound->referringStreamBlock(1, 1160));
    ASSERT_TRUE(copied && referring);
    EXPECT_FALSE(copied->getBody().refersElsewhere());
    EXPECT_TRUE(referring->getBody().refersElsewhere());
    EXPECT_EQ(encode(*referring), encode(*copied));

    std::unique_ptr<FSTransformObject> clone(referring->clone());
    referring.reset();
    sound.reset();
    auto* block = dynamic_cast<FSSoundStreamBlock*>(clone.get());
    ASSERT_NE(block, nullptr);
    EXPECT_FALSE(block->getBody().refersElsewhere());
    EXPECT_EQ(encode(*block), encode(*copied)) << "the clone keeps the bytes after the sound is gone";
}
