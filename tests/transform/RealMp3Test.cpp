// The sound constructor on MP3 files that LAME and ffmpeg make during the test.

#include "tests/support/TestSupport.h"

#include "transform/FSMp3Frames.h"

#include <gtest/gtest.h>

using namespace transform;
using namespace testing_support;

namespace {

using Constructor = std::unique_ptr<FSSoundConstructorImpl, FSRelease>;

class RealMp3Test : public ::testing::Test {
protected:
    // Encodes a tone at `rate` with LAME's own program and the given options.
    std::string lame(int rate, int channels, const std::string& options, const std::string& name) {
        std::string source = folder.path(name + ".wav");
        std::string target = folder.path(name + ".mp3");
        writeToneWav(source, rate, channels, 2.0);
        EXPECT_TRUE(run("lame --quiet " + options + " '" + source + "' '" + target + "'")) << "lame failed";
        return target;
    }

    Constructor load(const std::string& path, int expectedStatus) {
        Constructor sound(static_cast<FSSoundConstructorImpl*>(createSoundConstructor(WavOrMp3)));
        EXPECT_EQ(sound->loadFile(path.c_str()), expectedStatus) << path;
        return sound;
    }

    TemporaryFolder folder;
};

// The frames of a file lie back to back from the first one to the end (or
// to the `trailing` bytes of tags after them), and the stream blocks a 38
// frames-per-second movie asks for hold each of them once, in order, bit
// for bit (a final partial block aside).
void expectIndexedWhole(const FSSoundConstructorImpl& sound, const Bytes& file, int trailing = 0) {
    ASSERT_GT(sound.getFrameCount(), 0);
    int end = 0;
    for (int i = 0; i < sound.getFrameCount(); ++i) {
        EXPECT_EQ(sound.getFrame(i).offset, end) << "frame " << i;
        end += sound.getFrame(i).size;
    }
    EXPECT_EQ(end, sound.getDataSize() - trailing);
    EXPECT_EQ(sound.getSampleCount(), sound.getFrameCount() * sound.getSamplesPerFrame());

    Bytes data(static_cast<size_t>(sound.getDataSize()));
    sound.copyData(data.data());
    EXPECT_EQ(Bytes(file.end() - sound.getDataSize(), file.end()), data);

    int samplesPerBlock = sound.getSampleRate() / 38;
    Bytes streamed;
    for (int block = 0; block < sound.getSampleCount() / samplesPerBlock; ++block) {
        std::unique_ptr<FSSoundStreamBlock> tag(sound.streamBlock(block, samplesPerBlock));
        ASSERT_NE(tag, nullptr);
        streamed.insert(streamed.end(), tag->getData() + 4, tag->getData() + tag->getSize());
    }
    ASSERT_LE(streamed.size(), data.size());
    EXPECT_EQ(Bytes(data.begin(), data.begin() + static_cast<long>(streamed.size())), streamed);
    int lastFrame = sound.getFrameCount() - 1;
    EXPECT_GE(static_cast<int>(streamed.size()), sound.getFrame(lastFrame).offset) << "only the last frame may be left";
}

} // namespace

TEST_F(RealMp3Test, Mpeg1At44100HzStereo) {
    std::string path = lame(44100, 2, "-b 128", "cd");
    auto sound = load(path, 0);
    EXPECT_EQ(sound->getSampleRate(), 44100);
    EXPECT_EQ(sound->getChannels(), 2);
    EXPECT_EQ(sound->getSamplesPerFrame(), 1152);
    bool sawPadding = false, sawNoPadding = false;
    for (int i = 1; i < sound->getFrameCount() - 1; ++i) {
        sawPadding |= sound->getFrame(i).size == 418;
        sawNoPadding |= sound->getFrame(i).size == 417;
    }
    EXPECT_TRUE(sawPadding && sawNoPadding) << "frames with and without padding";
    expectIndexedWhole(*sound, readFile(path));
}

TEST_F(RealMp3Test, Mpeg2At22050HzMono) {
    std::string path = lame(22050, 1, "-b 32 -m m", "voice");
    auto sound = load(path, 0);
    EXPECT_EQ(sound->getSampleRate(), 22050);
    EXPECT_EQ(sound->getChannels(), 1);
    EXPECT_EQ(sound->getSamplesPerFrame(), 576);
    expectIndexedWhole(*sound, readFile(path));
}

TEST_F(RealMp3Test, Mpeg25At11025Hz) {
    std::string path = lame(11025, 1, "-b 16 -m m", "phone");
    auto sound = load(path, 0);
    EXPECT_EQ(sound->getSampleRate(), 11025);
    EXPECT_EQ(sound->getSamplesPerFrame(), 576);
    expectIndexedWhole(*sound, readFile(path));
}

TEST_F(RealMp3Test, Id3v2TagWithLatinTextBeforeTheFirstFrame) {
    std::string path = lame(44100, 2, "-b 128 --id3v2-only --id3v2-latin1 --tt 'A title' --ta 'An artist'", "tagged");
    Bytes file = readFile(path);
    ASSERT_EQ(std::string(file.begin(), file.begin() + 3), "ID3");
    auto sound = load(path, 0);
    EXPECT_LT(sound->getDataSize(), static_cast<int>(file.size()));
    expectIndexedWhole(*sound, file);
}

// Tag blocks are not skipped: the byte-order mark FF FE of UTF-16 text reads
// as the header of a Layer I frame, so the file counts as unsupported.
TEST_F(RealMp3Test, AnId3v2TagWithUnicodeTextIsSkipped) {
    std::string path = lame(44100, 2, "-b 128 --id3v2-only --id3v2-utf16 --tt 'A title'", "unicode");
    Bytes file = readFile(path);
    auto sound = load(path, 0);
    size_t tag = transform::id3v2TagLength(file.data(), file.size());
    ASSERT_GT(tag, 0u);
    EXPECT_EQ(sound->getDataSize(), static_cast<int>(file.size() - tag));
}

TEST_F(RealMp3Test, At48000HzIsUnsupported) {
    std::string path = lame(48000, 2, "-b 128", "dvd");
    load(path, 3);
}

TEST_F(RealMp3Test, LayerIIIsUnsupported) {
    std::string source = folder.path("tone.wav");
    std::string target = folder.path("tone.mp2");
    writeToneWav(source, 44100, 2, 1.0);
    ASSERT_TRUE(run("ffmpeg -loglevel error -y -i '" + source + "' -c:a mp2 -b:a 192k '" + target + "'"));
    load(target, 3);
}

TEST_F(RealMp3Test, LeadingJunkBeforeTheFirstFrame) {
    std::string path = lame(22050, 1, "-b 32 -m m", "junk");
    Bytes file = concat(Bytes(300, 'j'), readFile(path));
    std::string junk = folder.path("junk-first.mp3");
    writeFile(junk, file);
    auto sound = load(junk, 0);
    EXPECT_EQ(sound->getDataSize(), static_cast<int>(file.size()) - 300);
    expectIndexedWhole(*sound, file);
}

namespace {

// An ID3v2.4 tag with a footer whose text is full of frame syncs.
Bytes id3v24WithFooter() {
    Bytes body = {'T', 'X', 'X', 'X', 0, 0, 0, 100, 0, 0};
    for (int i = 0; i < 25; ++i)
        body.insert(body.end(), {0xFF, 0xFB, 0x90, 0x00});
    auto header = [&](char a, char b, char c) {
        return Bytes{static_cast<unsigned char>(a), static_cast<unsigned char>(b), static_cast<unsigned char>(c), 4, 0,
                     0x10, 0, 0, 0, static_cast<unsigned char>(body.size())};
    };
    return concat(concat(header('I', 'D', '3'), body), header('3', 'D', 'I'));
}

// An APEv2 tag with a binary item that holds frame syncs, then ID3v1.
Bytes apeAndId3v1() {
    Bytes ape = {'A', 'P', 'E', 'T', 'A', 'G', 'E', 'X', 0xD0, 7, 0, 0};
    for (int i = 0; i < 60; ++i)
        ape.insert(ape.end(), {0xFF, 0xFB, 0x90, 0x64, 0xFF, 0xD8});
    Bytes id3v1 = {'T', 'A', 'G'};
    id3v1.resize(128, ' ');
    return concat(ape, id3v1);
}

} // namespace

TEST_F(RealMp3Test, CoverPicturesInId3v23AndId3v24AreSkipped) {
    std::string mp3 = lame(44100, 2, "-b 128", "plain");
    // Noise compresses badly: pictures of photo size, full of 0xFF bytes.
    for (const char* version : {"3", "4"}) {
        std::string cover = folder.path(std::string("cover") + (version[0] == '3' ? ".jpg" : ".png"));
        ASSERT_TRUE(run("ffmpeg -loglevel error -y -f lavfi -i color=c=gray:s=300x300,noise=alls=100:allf=t "
                        "-frames:v 1 '" + cover + "'"));
        std::string tagged = folder.path(std::string("cover") + version + ".mp3");
        ASSERT_TRUE(run("ffmpeg -loglevel error -y -i '" + mp3 + "' -i '" + cover +
                        "' -map 0 -map 1 -c copy -write_xing 0 -id3v2_version " + version +
                        " -metadata title='Caf\xc3\xa9' -metadata:s:v comment='Cover (front)' '" + tagged + "'"));
        Bytes file = readFile(tagged);
        size_t tag = id3v2TagLength(file.data(), file.size());
        ASSERT_GT(tag, 10000u) << "the picture is in the tag";
        auto sound = load(tagged, 0);
        EXPECT_EQ(sound->getSampleRate(), 44100);
        EXPECT_EQ(sound->getDataSize(), static_cast<int>(file.size() - tag)) << "streamed from the first frame";
        expectIndexedWhole(*sound, file);
    }
}

TEST_F(RealMp3Test, TagsWithFootersBeforeAndApeAndId3v1AfterTheAudio) {
    Bytes audio = readFile(lame(22050, 1, "-b 32 -m m", "voice"));
    Bytes before = id3v24WithFooter(), after = apeAndId3v1();
    std::string path = folder.path("tags.mp3");
    writeFile(path, concat(concat(before, audio), after));
    EXPECT_EQ(id3v2TagLength(before.data(), before.size()), before.size());
    auto sound = load(path, 0);
    EXPECT_EQ(sound->getDataSize(), static_cast<int>(audio.size() + after.size()));
    expectIndexedWhole(*sound, concat(concat(before, audio), after), static_cast<int>(after.size()));
}

TEST_F(RealMp3Test, ForeignDataIsNeverTakenForFrames) {
    std::string picture = folder.path("photo.jpg");
    ASSERT_TRUE(run("ffmpeg -loglevel error -y -f lavfi -i testsrc=size=640x480 -frames:v 1 '" + picture + "'"));
    load(picture, 3);
    Bytes noise(200000);
    unsigned state = 12345;
    for (unsigned char& byte : noise) {
        state = state * 1103515245 + 12345;
        byte = static_cast<unsigned char>(state >> 16);
    }
    std::string random = folder.path("random.mp3");
    writeFile(random, noise);
    load(random, 3);
}

TEST_F(RealMp3Test, AStreamThatChangesRateOrChannelsPartWayIsUnsupported) {
    Bytes cd = readFile(lame(44100, 2, "-b 128", "cd"));
    Bytes radio = readFile(lame(22050, 2, "-b 64", "radio"));
    Bytes mono = readFile(lame(44100, 1, "-b 64 -m m", "mono"));
    std::string path = folder.path("joined.mp3");
    writeFile(path, concat(cd, radio));
    load(path, 3);
    writeFile(path, concat(cd, mono));
    load(path, 3);
}
