#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>

using namespace transform;
using namespace testing_support;

namespace {

// A movie with one of every tag and action container the library models.
std::unique_ptr<FSMovie> everyKindOfTag() {
    auto movie = std::make_unique<FSMovie>(FSBounds(0, 0, 6000, 1200), 38.0f);
    movie->addObject(new FSSetBackgroundColor(FSColor(255, 255, 255)));
    movie->addObject(new FSSoundStreamHead2(FSSoundMP3, 22050, 1, 2, 22050, 1, 2, 580, 0));
    FSArray<FSValue*> values;
    values.append(new FSString("time"));
    values.append(new FSInteger(-7));
    values.append(new FSDouble(2.25));
    values.append(new FSBoolean(true));
    values.append(new FSNull());
    values.append(new FSVoid());
    values.append(new FSRegisterIndex(2));
    values.append(new FSTableIndex(700));
    FSArray<FSRegisterVariable> arguments;
    arguments.append(FSRegisterVariable(1, "n"));
    FSArray<FSString> names;
    names.append(FSString("a"));
    FSArray<FSString> noArguments;
    movie->addObject(new FSDoAction(actionList({
        new FSPush(values),
        new FSAction(FSAction::SetVariable),
        new FSTable(names),
        new FSNewFunction2("PlayIt", 3, 0x0102, arguments,
                           actionList({new FSWith(actionList({new FSAction(FSAction::Play)})), new FSIf(-3), new FSJump(1)})),
        new FSExceptionHandler(0, "e", actionList({new FSAction(FSAction::Stop)}),
                               actionList({new FSNewFunction("", noArguments, actionList({new FSAction(FSAction::Return)}))}),
                               actionList({new FSGetUrl("music_list.xml", "")})),
        new FSGotoFrame2(true, 2),
        new FSUnknownAction(0xC4, ownedCopy({9, 8}).data(), 2),
    })));
    movie->addObject(new FSSoundStreamBlock(ownedCopy(Bytes(100, 0x33))));
    movie->addObject(new FSDefineSound(3, FSSoundPCM, 11025, 1, 1, 4, ownedCopy({1, 2, 3, 4})));
    movie->addObject(new FSUnknownTag(43, ownedCopy({'l', 'a', 'b', 'e', 'l', 0}).data(), 6));
    movie->addObject(new FSShowFrame());
    return movie;
}

Bytes image(FSMovie& movie) {
    int length = 0;
    auto bytes = movie.encodeToMemory(length);
    return Bytes(bytes.data(), bytes.data() + length);
}

struct NameRecorder : FSCodingObserver {
    std::vector<std::string> names;
    void receive(FSCodingEvent event) override {
        names.push_back(std::string(event.event == FSCodingEvent::Begin ? "+" : "-") + event.name);
    }
};

std::string output(const std::string& command) {
    std::string text;
    std::FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr)
        return text;
    std::array<char, 4096> buffer;
    size_t count;
    while ((count = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0)
        text.append(buffer.data(), count);
    pclose(pipe);
    return text;
}

} // namespace

TEST(MovieReaderTest, EveryKindOfTagReadsBackToTheSameImage) {
    auto movie = everyKindOfTag();
    for (bool compressed : {true, false}) {
        movie->setCompressed(compressed);
        Bytes original = image(*movie);
        FSMovieHeader header;
        auto decoded = decodeMovie(original.data(), static_cast<int>(original.size()), &header);
        EXPECT_EQ(std::string(header.signature), compressed ? "CWS" : "FWS");
        EXPECT_EQ(header.version, 7);
        EXPECT_EQ(header.frameCount, 1);
        EXPECT_EQ(decoded->getFrameRate(), 38.0f);
        EXPECT_EQ(decoded->getFrameSize().maxX, 6000);
        ASSERT_EQ(decoded->getObjects().getCount(), 7);
        EXPECT_EQ(image(*decoded), original);
    }
}

TEST(MovieReaderTest, DecodingTellsTheObserverWhatItReads) {
    FSMovie movie(FSBounds(0, 0, 20, 20), 12.0f);
    movie.addObject(new FSSetBackgroundColor(FSColor(0, 0, 0)));
    movie.addObject(new FSShowFrame());
    Bytes bytes = image(movie);
    NameRecorder recorder;
    decodeMovie(bytes.data(), static_cast<int>(bytes.size()), nullptr, &recorder);
    std::vector<std::string> expected = {"+FSMovie",     "+FSSetBackgroundColor", "-FSSetBackgroundColor",
                                         "+FSShowFrame", "-FSShowFrame",          "-FSMovie"};
    EXPECT_EQ(recorder.names, expected);
}

TEST(MovieReaderTest, ReadsFilesAndReportsThoseItCannotOpen) {
    TemporaryFolder folder;
    auto movie = everyKindOfTag();
    std::string path = folder.path("every.swf");
    movie->encodeToFile(path.c_str());
    EXPECT_EQ(decodeMovieFile(path.c_str())->getObjects().getCount(), 7);
    EXPECT_THROW(decodeMovieFile(folder.path("none.swf").c_str()), FSFileOpenException);
}

TEST(SwfInfoTest, PrintsTheHeaderAndTheTree) {
    TemporaryFolder folder;
    auto movie = everyKindOfTag();
    std::string path = folder.path("every.swf");
    movie->encodeToFile(path.c_str());
    std::string text = output(std::string(SWFINFO) + " '" + path + "'");
    EXPECT_NE(text.find("CWS version 7"), std::string::npos) << text;
    EXPECT_NE(text.find("38 frames/s, 1 frames (1 shown), 7 tags"), std::string::npos) << text;
    EXPECT_NE(text.find("FSSetBackgroundColor (tag 9) length 3: colour 255 255 255"), std::string::npos) << text;
    EXPECT_NE(text.find("  FSPush length 29: \"time\", -7, 2.25, true, FSNull, FSVoid, register 2, table 700"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("  SetVariable\n"), std::string::npos) << text;
    EXPECT_NE(text.find("    FSWith length"), std::string::npos) << text;
    EXPECT_NE(text.find("      Play\n"), std::string::npos) << text;
    EXPECT_NE(text.find("      FSGetUrl length 16: \"music_list.xml\" target \"\""), std::string::npos) << text;
    EXPECT_NE(text.find("FSUnknownTag (tag 43) length 6"), std::string::npos) << text;

    EXPECT_NE(std::system((std::string(SWFINFO) + " '" + folder.path("missing.swf") + "' 2>/dev/null").c_str()), 0);
}

// ffmpeg writes and reads SWF files on its own; it is the independent party
// on both sides of these checks.
class ForeignMovieTest : public ::testing::Test {
protected:
    void SetUp() override {
        writeToneWav(folder.path("tone.wav"), 22050, 1, 3.0);
        ASSERT_TRUE(run("lame --quiet -b 32 -m m '" + folder.path("tone.wav") + "' '" + folder.path("tone.mp3") + "'"));
        sound.reset(static_cast<FSSoundConstructorImpl*>(createSoundConstructor(WavOrMp3)));
        ASSERT_EQ(sound->loadFile(folder.path("tone.mp3").c_str()), 0);
        mp3.resize(static_cast<size_t>(sound->getDataSize()));
        sound->copyData(mp3.data());
    }

    TemporaryFolder folder;
    std::unique_ptr<FSSoundConstructorImpl, FSRelease> sound;
    Bytes mp3;
};

TEST_F(ForeignMovieTest, ReadsAStreamingSoundMovieFfmpegWrote) {
    std::string path = folder.path("ffmpeg.swf");
    ASSERT_TRUE(run("ffmpeg -loglevel error -y -i '" + folder.path("tone.mp3") + "' -c:a copy -f swf '" + path + "'"));
    auto movie = decodeMovieFile(path.c_str());
    Bytes streamed;
    for (const FSMovieObject* tag : movie->getObjects())
        if (auto* block = dynamic_cast<const FSSoundStreamBlock*>(tag))
            streamed.insert(streamed.end(), block->getData() + 4, block->getData() + block->getSize());
    ASSERT_GT(movie->frameCount(), 0);
    EXPECT_EQ(streamed, mp3);
}

// ffmpeg stops early inside long compressed movies (its own limit: zlib
// itself inflates ours whole, see FSMovieTest), so the whole sound is checked
// in the uncompressed form and a prefix in the compressed one.
TEST_F(ForeignMovieTest, FfmpegReadsTheStreamingSoundOfOurMovie) {
    FSMovie movie(FSBounds(0, 0, 20, 20), 38.0f);
    int samplesPerBlock = sound->getSampleRate() / 38;
    movie.addObject(new FSSetBackgroundColor(FSColor(255, 255, 255)));
    movie.addObject(sound->streamHeader(samplesPerBlock));
    for (int block = 0; block < sound->getSampleCount() / samplesPerBlock; ++block) {
        movie.addObject(sound->streamBlock(block, samplesPerBlock));
        movie.addObject(new FSShowFrame());
    }
    for (bool compressed : {false, true}) {
        movie.setCompressed(compressed);
        std::string path = folder.path(compressed ? "ours-cws.swf" : "ours-fws.swf");
        movie.encodeToFile(path.c_str());
        std::string extracted = path + ".mp3";
        ASSERT_TRUE(run("ffmpeg -loglevel fatal -y -i '" + path + "' -c:a copy -write_xing 0 -id3v2_version 0 '" +
                        extracted + "'"));
        Bytes frames = readFile(extracted);
        ASSERT_LE(frames.size(), mp3.size());
        EXPECT_EQ(Bytes(mp3.begin(), mp3.begin() + static_cast<long>(frames.size())), frames);
        size_t expected = compressed ? mp3.size() / 2 : mp3.size() - 200;
        EXPECT_GT(frames.size(), expected) << (compressed ? "CWS" : "FWS: all but a final partial block");
    }
}
