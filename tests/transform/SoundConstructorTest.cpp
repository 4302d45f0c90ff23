#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace transform;
using namespace testing_support;

namespace {

using Constructor = std::unique_ptr<FSSoundConstructorImpl, FSRelease>;

Constructor newConstructor(SoundParsing parsing = WavOrMp3) {
    return Constructor(static_cast<FSSoundConstructorImpl*>(createSoundConstructor(parsing)));
}

enum Version { Mpeg25 = 0, Mpeg2 = 2, Mpeg1 = 3 };

// One MPEG audio frame: a real header, then zero bytes up to its length.
Bytes mp3Frame(int version, int bitRateIndex, bool padding, bool mono = false, int layerBits = 1,
               int sampleRateIndex = 0) {
    static const int rates[] = {11025, 0, 22050, 44100};
    static const int mpeg1[] = {0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320};
    static const int mpeg2[] = {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160};
    int bitRate = version == Mpeg1 ? mpeg1[bitRateIndex] : mpeg2[bitRateIndex];
    int length = (version == Mpeg1 ? 144 : 72) * bitRate * 1000 / rates[version] + (padding ? 1 : 0);
    Bytes frame(static_cast<size_t>(length < 4 ? 4 : length), 0);
    frame[0] = 0xFF;
    frame[1] = static_cast<unsigned char>(0xE0 | version << 3 | layerBits << 1 | 1);
    frame[2] = static_cast<unsigned char>(bitRateIndex << 4 | sampleRateIndex << 2 | (padding ? 2 : 0));
    frame[3] = mono ? 0xC0 : 0x00;
    return frame;
}

Bytes frames(int count, int version, int bitRateIndex, bool mono = false) {
    Bytes all;
    for (int i = 0; i < count; ++i)
        all = concat(all, mp3Frame(version, bitRateIndex, i % 3 == 1, mono));
    return all;
}

Bytes blockData(const FSSoundStreamBlock& block) { return Bytes(block.getData(), block.getData() + block.getSize()); }

Bytes chunk(const char* id, const Bytes& body) {
    Bytes bytes(id, id + 4);
    putWord(bytes, static_cast<unsigned>(body.size()), 4);
    bytes.insert(bytes.end(), body.begin(), body.end());
    return bytes;
}

Bytes formatChunk(int tag, int channels, int rate, int bits) {
    Bytes body;
    putWord(body, tag, 2);
    putWord(body, channels, 2);
    putWord(body, rate, 4);
    putWord(body, rate * channels * bits / 8, 4);
    putWord(body, channels * bits / 8, 2);
    putWord(body, bits, 2);
    return chunk("fmt ", body);
}

Bytes wav(const Bytes& chunks) {
    Bytes bytes = {'R', 'I', 'F', 'F'};
    putWord(bytes, static_cast<unsigned>(chunks.size() + 4), 4);
    bytes.insert(bytes.end(), {'W', 'A', 'V', 'E'});
    return concat(bytes, chunks);
}

int decode(FSSoundConstructor& sound, const Bytes& bytes) {
    return sound.decodeSound(bytes.data(), static_cast<int>(bytes.size()));
}

} // namespace

TEST(Mp3IndexTest, FrameLengthsFollowBitRateAndPadding) {
    auto sound = newConstructor();
    Bytes data = concat(mp3Frame(Mpeg1, 9, false), mp3Frame(Mpeg1, 9, true));
    ASSERT_EQ(decode(*sound, data), 0);
    ASSERT_EQ(sound->getFrameCount(), 2);
    EXPECT_EQ(sound->getFrame(0).size, 417);
    EXPECT_EQ(sound->getFrame(1).size, 418);
    EXPECT_EQ(sound->getFrame(1).offset, 417);
    EXPECT_EQ(sound->getFormat(), 2);
    EXPECT_EQ(sound->getSampleSize(), 2);
    EXPECT_EQ(sound->getSampleRate(), 44100);
    EXPECT_EQ(sound->getChannels(), 2);
    EXPECT_EQ(sound->getSampleCount(), 2304);
    EXPECT_EQ(sound->getSamplesPerFrame(), 1152);
}

TEST(Mp3IndexTest, LeadingDataWithoutASyncIsSkipped) {
    auto sound = newConstructor();
    Bytes junk(300, 0x41);
    junk[10] = 0xFF;
    junk[11] = 0x1F;
    ASSERT_EQ(decode(*sound, concat(junk, frames(3, Mpeg2, 8, true))), 0);
    EXPECT_EQ(sound->getFrame(0).offset, 0);
    EXPECT_EQ(sound->getDataSize(), static_cast<int>(frames(3, Mpeg2, 8, true).size()));
    EXPECT_EQ(sound->getChannels(), 1);
    EXPECT_EQ(sound->getSampleRate(), 22050);
    EXPECT_EQ(sound->getSamplesPerFrame(), 576);
}

TEST(Mp3IndexTest, RatesSwfCannotPlayAndOtherLayersAreUnsupported) {
    auto sound = newConstructor();
    EXPECT_EQ(decode(*sound, mp3Frame(Mpeg1, 9, false, false, 1, 1)), 3) << "48 kHz";
    EXPECT_EQ(decode(*sound, mp3Frame(Mpeg1, 9, false, false, 1, 2)), 3) << "32 kHz";
    EXPECT_EQ(decode(*sound, concat(mp3Frame(Mpeg1, 9, false, false, 2), mp3Frame(Mpeg1, 9, false, false, 2))), 3)
        << "Layer II";
    EXPECT_EQ(sound->getFrameCount(), 0) << "no Layer III frames are found in it";
    EXPECT_EQ(decode(*sound, mp3Frame(Mpeg1, 0, false)), 3) << "free format";
}

TEST(Mp3IndexTest, DataWithoutAFrameSyncIsUnsupported) {
    auto sound = newConstructor();
    EXPECT_EQ(decode(*sound, Bytes(1000, 0x20)), 3);
    EXPECT_EQ(sound->getSampleRate(), 0);
    EXPECT_EQ(sound->streamBlock(0, 1160), nullptr);
    EXPECT_EQ(sound->decodeSound(nullptr, 0), 3);
}

TEST(Mp3IndexTest, ForcedMp3ParsesARiffHeaderAsMp3) {
    Bytes data = concat({'R', 'I', 'F', 'F', 0, 0, 0, 0, 'W', 'A', 'V', 'E'}, frames(2, Mpeg1, 9));
    auto forced = newConstructor(Mp3Only);
    ASSERT_EQ(decode(*forced, data), 0);
    EXPECT_EQ(forced->getFormat(), 2);
    EXPECT_EQ(forced->getFrameCount(), 2);
    auto plain = newConstructor(WavOrMp3);
    EXPECT_EQ(decode(*plain, data), 3);
}

TEST(Mp3IndexTest, ATruncatedLastFrameIsCutAtTheEndOfTheData) {
    auto sound = newConstructor();
    Bytes data = frames(3, Mpeg1, 9);
    data.resize(data.size() - 100);
    ASSERT_EQ(decode(*sound, data), 0);
    ASSERT_EQ(sound->getFrameCount(), 3);
    EXPECT_EQ(sound->getFrame(2).offset + sound->getFrame(2).size, sound->getDataSize());
    std::unique_ptr<FSSoundStreamBlock> block(sound->streamBlock(0, 3456));
    ASSERT_NE(block, nullptr);
    EXPECT_EQ(block->getSize(), 4 + sound->getDataSize());
}

TEST(StreamBlockTest, Mp3BlocksHoldTheFramesThatStartInThem) {
    auto sound = newConstructor();
    Bytes data = frames(150, Mpeg1, 9);
    ASSERT_EQ(decode(*sound, data), 0);
    struct Case {
        int block, frame, seek;
    };
    for (Case c : {Case{0, 0, 0}, Case{1, 1, 8}, Case{142, 142, 1136}}) {
        std::unique_ptr<FSSoundStreamBlock> block(sound->streamBlock(c.block, 1160));
        ASSERT_NE(block, nullptr);
        auto entry = sound->getFrame(c.frame);
        Bytes expected = {0x80, 0x04, static_cast<unsigned char>(c.seek), static_cast<unsigned char>(c.seek >> 8)};
        expected.insert(expected.end(), data.begin() + entry.offset, data.begin() + entry.offset + entry.size);
        EXPECT_EQ(blockData(*block), expected) << "block " << c.block;
    }
}

TEST(StreamBlockTest, BlocksWithNoFrameStillCarryTheirSeek) {
    auto sound = newConstructor();
    ASSERT_EQ(decode(*sound, frames(4, Mpeg2, 8)), 0);
    std::unique_ptr<FSSoundStreamBlock> empty(sound->streamBlock(0, 290));
    ASSERT_NE(empty, nullptr);
    EXPECT_EQ(hex(blockData(*empty)), "00 00 00 00");
    std::unique_ptr<FSSoundStreamBlock> next(sound->streamBlock(1, 290));
    ASSERT_NE(next, nullptr);
    EXPECT_EQ(hex(Bytes(next->getData(), next->getData() + 4)), "40 02 22 01");
    EXPECT_EQ(sound->streamBlock(-1, 290), nullptr);
    EXPECT_EQ(sound->streamBlock(0, 0), nullptr);
    EXPECT_EQ(sound->streamBlock(100, 290), nullptr);
}

TEST(StreamBlockTest, HeaderMatchesTheSound) {
    auto sound = newConstructor();
    ASSERT_EQ(decode(*sound, frames(2, Mpeg25, 2, true)), 0);
    std::unique_ptr<FSSoundStreamHead2> head(sound->streamHeader(290));
    EXPECT_EQ(head->format, 2);
    EXPECT_EQ(head->playbackRate, 11025);
    EXPECT_EQ(head->streamRate, 11025);
    EXPECT_EQ(head->playbackChannels, 1);
    EXPECT_EQ(head->streamSampleSize, 2);
    EXPECT_EQ(head->streamSampleCount, 290);
    EXPECT_EQ(head->latency, 0);
}

TEST(WavTest, SixteenBitStereo) {
    auto sound = newConstructor();
    ASSERT_EQ(decode(*sound, wav(concat(formatChunk(1, 2, 44100, 16), chunk("data", Bytes(44100, 3))))), 0);
    EXPECT_EQ(sound->getFormat(), 3);
    EXPECT_EQ(sound->getSampleSize(), 2);
    EXPECT_EQ(sound->getChannels(), 2);
    EXPECT_EQ(sound->getSampleRate(), 44100);
    EXPECT_EQ(sound->getSampleCount(), 11025);
    EXPECT_EQ(sound->getDataSize(), 44100);
}

TEST(WavTest, EightBitMonoSlicesIntoBlocks) {
    Bytes samples(1000);
    for (size_t i = 0; i < samples.size(); ++i)
        samples[i] = static_cast<unsigned char>(i);
    auto sound = newConstructor();
    ASSERT_EQ(decode(*sound, wav(concat(formatChunk(1, 1, 11025, 8), chunk("data", samples)))), 0);
    EXPECT_EQ(sound->getSampleSize(), 1);
    EXPECT_EQ(sound->getSampleCount(), 1000);
    std::unique_ptr<FSSoundStreamBlock> second(sound->streamBlock(1, 290));
    EXPECT_EQ(blockData(*second), Bytes(samples.begin() + 290, samples.begin() + 580));
    std::unique_ptr<FSSoundStreamBlock> last(sound->streamBlock(3, 290));
    EXPECT_EQ(blockData(*last), Bytes(samples.begin() + 870, samples.end()));
}

TEST(WavTest, OtherFormatTagsAreUnsupported) {
    auto sound = newConstructor();
    EXPECT_EQ(decode(*sound, wav(concat(formatChunk(3, 2, 44100, 32), chunk("data", Bytes(64))))), 3);
}

TEST(WavTest, AnOddDataChunkIsFollowedByAPadByte) {
    Bytes chunks = concat(formatChunk(1, 1, 22050, 16), chunk("data", Bytes(7, 1)));
    chunks.push_back(0);
    chunks = concat(chunks, chunk("LIST", Bytes(6, 'x')));
    auto sound = newConstructor();
    ASSERT_EQ(decode(*sound, wav(chunks)), 0);
    EXPECT_EQ(sound->getDataSize(), 7);
    EXPECT_EQ(sound->getSampleCount(), 3);
}

TEST(WavTest, ChunksBeforeTheFormatAreSkipped) {
    Bytes chunks = concat(chunk("LIST", Bytes(10, 'x')), formatChunk(1, 1, 22050, 16));
    chunks = concat(chunks, chunk("data", Bytes(100, 0)));
    auto sound = newConstructor();
    ASSERT_EQ(decode(*sound, wav(chunks)), 0);
    EXPECT_EQ(sound->getSampleCount(), 50);
}

TEST(WavTest, DataBeforeTheFormatOrNoFormatAtAllIsUnsupported) {
    auto sound = newConstructor();
    EXPECT_EQ(decode(*sound, wav(concat(chunk("data", Bytes(100)), formatChunk(1, 1, 22050, 16)))), 3);
    EXPECT_EQ(decode(*sound, wav(chunk("LIST", Bytes(10)))), 3);
    EXPECT_EQ(decode(*sound, wav(concat(formatChunk(1, 0, 22050, 16), chunk("data", Bytes(10))))), 3);
    EXPECT_EQ(decode(*sound, Bytes{'R', 'I', 'F', 'F', 4, 0, 0, 0, 'A', 'V', 'I', ' '}), 3);
}

TEST(WavTest, ADataChunkLongerThanTheFileKeepsWhatIsThere) {
    Bytes chunks = formatChunk(1, 1, 22050, 16);
    Bytes data = chunk("data", Bytes(10, 9));
    data[4] = 0xFF;
    data[5] = 0xFF;
    auto sound = newConstructor();
    ASSERT_EQ(decode(*sound, wav(concat(chunks, data))), 0);
    EXPECT_EQ(sound->getDataSize(), 10);
    EXPECT_EQ(sound->getSampleCount(), 5);
}

TEST(DefineSoundTest, Mp3GetsASeekFieldAndPcmAPlainCopy) {
    auto sound = newConstructor();
    Bytes data = frames(2, Mpeg1, 9);
    ASSERT_EQ(decode(*sound, data), 0);
    std::unique_ptr<FSDefineSound> mp3(sound->defineSound(5));
    EXPECT_EQ(mp3->identifier, 5);
    EXPECT_EQ(mp3->sampleCount, 2304);
    ASSERT_EQ(mp3->data.size(), static_cast<int>(data.size()) + 2);
    EXPECT_EQ(Bytes(mp3->data.data(), mp3->data.data() + mp3->data.size()), concat({0, 0}, data));

    ASSERT_EQ(decode(*sound, wav(concat(formatChunk(1, 1, 11025, 8), chunk("data", {1, 2, 3, 4})))), 0);
    std::unique_ptr<FSDefineSound> pcm(sound->defineSound(6));
    EXPECT_EQ(Bytes(pcm->data.data(), pcm->data.data() + pcm->data.size()), Bytes({1, 2, 3, 4}));
    EXPECT_EQ(pcm->format, 3);
}

TEST(SetSoundTest, Mp3BodiesAreIndexedAndSamplesPerFrameFollowsTheRate) {
    auto sound = newConstructor();
    Bytes data = frames(4, Mpeg2, 8);
    EXPECT_EQ(sound->setSound(2, 2, 2304, 22050, 2, concat({0, 0}, data).data(), static_cast<int>(data.size() + 2)), 0);
    EXPECT_EQ(sound->getSamplesPerFrame(), 576);
    EXPECT_EQ(sound->getDataSize(), static_cast<int>(data.size()));
    std::unique_ptr<FSSoundStreamBlock> block(sound->streamBlock(0, 580));
    ASSERT_NE(block, nullptr);
    EXPECT_EQ(block->getSize(), 4 + sound->getFrame(0).size);

    auto cd = newConstructor();
    data = frames(2, Mpeg1, 9);
    cd->setSound(2, 2, 2304, 44100, 2, concat({0, 0}, data).data(), static_cast<int>(data.size() + 2));
    EXPECT_EQ(cd->getSamplesPerFrame(), 1152);
}

TEST(SetSoundTest, PcmBytesAreCopied) {
    auto sound = newConstructor();
    const unsigned char samples[] = {1, 2, 3, 4};
    sound->setSound(3, 1, 2, 11025, 2, samples, 4);
    unsigned char copy[4] = {};
    EXPECT_EQ(sound->copyData(copy), 4);
    EXPECT_EQ(Bytes(copy, copy + 4), Bytes(samples, samples + 4));
    EXPECT_EQ(sound->getSampleCount(), 2);
}

TEST(LoadFileTest, StatusCodes) {
    TemporaryFolder folder;
    auto sound = newConstructor();
    EXPECT_EQ(sound->loadFile(folder.path("missing.mp3").c_str()), 1);
    EXPECT_EQ(sound->loadFile(nullptr), 1);

    std::string huge = folder.path("huge.mp3");
    writeFile(huge, {});
    std::filesystem::resize_file(huge, (uintmax_t{1} << 31) + 10);
    EXPECT_EQ(sound->loadFile(huge.c_str()), 2) << "a file of 2 GiB or more";

    std::string small = folder.path("two.mp3");
    writeFile(small, frames(2, Mpeg1, 9));
    EXPECT_EQ(sound->loadFile(small.c_str()), 0);
    EXPECT_EQ(sound->getFrameCount(), 2);
}
