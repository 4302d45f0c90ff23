#include "audio/AudioByteReader.h"
#include "audio/AudioInput.h"
#include "audio/LameEncoder.h"
#include "audio/Mp3InputDecoder.h"
#include "tests/audio/AudioFiles.h"
#include "transform/FSMp3Frames.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstring>
#include <memory>

using namespace testing_support;
using audio::AudioFormat;
using audio::AudioInput;

namespace {

// A fresh encoder context and reader over one file of the test's own.
class ReaderTest : public ::testing::Test {
protected:
    bool open(const Bytes& bytes, AudioFormat format = AudioFormat::Unknown) {
        writeFile(path, bytes);
        return openPath(path, format);
    }
    bool openPath(const std::string& file, AudioFormat format = AudioFormat::Unknown) {
        input.format = format;
        return audio::OpenAudioInput(input, encoder.get(), file);
    }
    int read() { return audio::ReadAudioBlock(input, encoder.get(), left, right); }
    int channels() { return lame_get_num_channels(encoder.get()); }
    int rate() { return lame_get_in_samplerate(encoder.get()); }
    unsigned long sampleCount() { return lame_get_num_samples(encoder.get()); }

    TemporaryFolder folder;
    std::string path = folder.path("input");
    audio::Encoder encoder{lame_init()};
    AudioInput input;
    int left[audio::BlockSamples];
    int right[audio::BlockSamples];
};

TEST_F(ReaderTest, RecorderStyleWavGivesItsFormatAndSampleCount) {
    WavLayout layout;
    layout.formatChunkSize = 18;
    layout.data = toneSamples(5000, 22050);
    ASSERT_TRUE(open(wavBytes(layout)));
    EXPECT_EQ(input.format, AudioFormat::Wav);
    EXPECT_TRUE(input.countCarefully);
    EXPECT_EQ(channels(), 1);
    EXPECT_EQ(rate(), 22050);
    EXPECT_EQ(sampleCount(), 5000u);
    EXPECT_EQ(read(), 1152);
    EXPECT_EQ(left[1], (static_cast<int>(12000 * std::sin(2 * M_PI * 440.0 / 22050)) & 0xFFFF) << 16);
    EXPECT_EQ(right[1], 0);
}

TEST_F(ReaderTest, CarefulCountStopsBeforeAChunkAfterTheData) {
    WavLayout layout;
    layout.chunksBeforeData = {{"LIST", Bytes(26, 'x')}};
    layout.data = toneSamples(1200, 22050);
    layout.afterData = Bytes(4000, 0x55);
    ASSERT_TRUE(open(wavBytes(layout)));
    int total = 0;
    for (int samples; (samples = read()) > 0;)
        total += samples;
    EXPECT_EQ(total, 1200);
}

TEST_F(ReaderTest, EightBitSilenceAndWideSamplesAreLeftJustified) {
    WavLayout layout;
    layout.bits = 8;
    layout.data = {0x80, 0xFF, 0x00};
    ASSERT_TRUE(open(wavBytes(layout)));
    ASSERT_EQ(read(), 3);
    EXPECT_EQ(left[0], 8323072);
    EXPECT_EQ(left[1], static_cast<int>(0x7F7F0000u));
    EXPECT_EQ(left[2], static_cast<int>(0x807F0000u));

    AudioInput wide;
    WavLayout layout24;
    layout24.bits = 24;
    layout24.channels = 2;
    layout24.data = {0x01, 0x02, 0x03, 0xAA, 0xBB, 0xCC};
    writeFile(path, wavBytes(layout24));
    ASSERT_TRUE(audio::OpenAudioInput(wide, encoder.get(), path));
    ASSERT_EQ(audio::ReadAudioBlock(wide, encoder.get(), left, right), 1);
    EXPECT_EQ(left[0], 0x03020100);
    EXPECT_EQ(right[0], static_cast<int>(0xCCBBAA00u));
}

TEST_F(ReaderTest, WavHeadersTheParserDeclinesGoToLibsndfileNotToRawPcm) {
    WavLayout manyChunks;
    for (int i = 0; i < 20; ++i)
        manyChunks.chunksBeforeData.push_back({"junk", Bytes(2, 0)});
    manyChunks.data = toneSamples(100, 22050);
    ASSERT_TRUE(open(wavBytes(manyChunks)));
    EXPECT_EQ(input.format, AudioFormat::Decoded);
    EXPECT_EQ(sampleCount(), 100u);
    EXPECT_EQ(read(), 100);
    EXPECT_EQ(left[1], (static_cast<int>(12000 * std::sin(2 * M_PI * 440.0 / 22050)) & 0xFFFF) << 16);

    AudioInput fake;
    WavLayout adpcm;
    adpcm.formatTag = 2; // MS ADPCM without its coefficients
    adpcm.data = Bytes(400, 0x33);
    writeFile(path, wavBytes(adpcm));
    EXPECT_FALSE(audio::OpenAudioInput(fake, encoder.get(), path));
    EXPECT_NE(describe(fake.problem).find("cannot be decoded"), std::string::npos) << describe(fake.problem);
}

TEST_F(ReaderTest, EmptyDataChunkAtTheEndGivesNoSamples) {
    WavLayout layout;
    ASSERT_TRUE(open(wavBytes(layout)));
    EXPECT_EQ(sampleCount(), 0u);
    EXPECT_EQ(read(), 0);
}

TEST_F(ReaderTest, AiffAndLittleEndianAiffC) {
    Bytes tone = toneSamples(4410, 44100);
    writeFile(folder.path("tone.raw"), tone);
    std::string raw = "sox -t raw -r 44100 -e signed -b 16 -c 2 -L '" + folder.path("tone.raw") + "' ";
    ASSERT_TRUE(run(raw + "'" + folder.path("big.aiff") + "'"));
    ASSERT_TRUE(run(raw + "-t aifc '" + folder.path("big.aifc") + "'"));
    ASSERT_TRUE(run("ffmpeg -v error -f s16le -ar 44100 -ac 2 -i '" + folder.path("tone.raw") +
                    "' -c:a pcm_s16le -f aiff '" + folder.path("little.aifc") + "'"));
    ASSERT_EQ(outputOf("head -c 64 '" + folder.path("little.aifc") + "' | grep -c sowt"), "1\n");

    int firstLeft = 0;
    for (const char* name : {"big.aiff", "big.aifc", "little.aifc"}) {
        AudioInput aiff;
        audio::Encoder fresh{lame_init()};
        ASSERT_TRUE(audio::OpenAudioInput(aiff, fresh.get(), folder.path(name))) << name;
        EXPECT_EQ(aiff.format, AudioFormat::Aiff);
        EXPECT_EQ(lame_get_num_channels(fresh.get()), 2);
        EXPECT_EQ(lame_get_in_samplerate(fresh.get()), 44100);
        EXPECT_EQ(lame_get_num_samples(fresh.get()), 2205u);
        EXPECT_EQ(aiff.pcm.littleEndian, std::string(name) == "little.aifc");
        ASSERT_GT(audio::ReadAudioBlock(aiff, fresh.get(), left, right), 1);
        if (firstLeft == 0)
            firstLeft = left[1];
        EXPECT_EQ(left[1], firstLeft) << name; // same samples whatever the byte order
        EXPECT_EQ(left[1], ((tone[5] << 8 | tone[4]) << 16)) << name;
    }
}

TEST(ExtendedFloat, DecodesRatesZeroInfinityAndSign) {
    const unsigned char rate44100[10] = {0x40, 0x0E, 0xAC, 0x44, 0, 0, 0, 0, 0, 0};
    const unsigned char zero[10] = {};
    const unsigned char infinity[10] = {0x7F, 0xFF, 0x80, 0, 0, 0, 0, 0, 0, 0};
    const unsigned char minusHalf[10] = {0xBF, 0xFE, 0x80, 0, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(audio::decodeExtendedFloat(rate44100), 44100.0);
    EXPECT_EQ(audio::decodeExtendedFloat(zero), 0.0);
    EXPECT_TRUE(std::isinf(audio::decodeExtendedFloat(infinity)));
    EXPECT_EQ(audio::decodeExtendedFloat(minusHalf), -0.5);
}

TEST(FrameHeader, AcceptsLayer3AndRefusesOtherLayersAndReservedFields) {
    const unsigned char layer3[4] = {0xFF, 0xFB, 0x90, 0x64};
    const unsigned char layer2[4] = {0xFF, 0xFD, 0x90, 0x64};
    const unsigned char badBitrate[4] = {0xFF, 0xFB, 0xF0, 0x64};
    const unsigned char badRate[4] = {0xFF, 0xFB, 0x9C, 0x64};
    const unsigned char badEmphasis[4] = {0xFF, 0xFB, 0x90, 0x66};
    const unsigned char reservedVersion[4] = {0xFF, 0xEB, 0x90, 0x64};
    transform::FSMp3FrameHeader read;
    EXPECT_TRUE(transform::readMp3FrameHeader(layer3, 4, read));
    for (auto header : {layer2, badBitrate, badRate, badEmphasis, reservedVersion})
        EXPECT_FALSE(transform::readMp3FrameHeader(header, 4, read));
}

TEST_F(ReaderTest, Mp3AfterId3AndAidHeadersDecodesFromItsFirstFrame) {
    writeToneWav(folder.path("tone.wav"), 22050, 1, 1.0);
    ASSERT_TRUE(run("lame --quiet -t '" + folder.path("tone.wav") + "' '" + folder.path("plain.mp3") + "'"));
    Bytes mp3 = readFile(folder.path("plain.mp3"));
    Bytes id3 = {'I', 'D', '3', 3, 0, 0, 0, 0, 1, 0}; // 128 bytes follow
    id3.resize(10 + 128, 0);
    Bytes aid = {'A', 'i', 'D', 1, 12, 0, 0, 0, 0, 0, 0, 0};
    ASSERT_TRUE(open(concat(concat(id3, aid), mp3), AudioFormat::Mp3));
    EXPECT_EQ(channels(), 1);
    EXPECT_EQ(rate(), 22050);
    EXPECT_GT(input.mp3.bitrate, 0);
    unsigned long expected = static_cast<unsigned long>((10 + 128 + 12 + mp3.size()) * 8.0 /
                                                        (1000.0 * input.mp3.bitrate) * 22050);
    EXPECT_EQ(sampleCount(), expected); // no VBR header: estimated from size and bitrate
    int total = 0;
    for (int samples; (samples = read()) > 0;)
        total += samples;
    EXPECT_GE(total, 22050);
    EXPECT_LE(total, 22050 + 2 * 576 + 1152);
}

TEST_F(ReaderTest, BadInputIsAnErrorNotAnExit) {
    EXPECT_FALSE(openPath(""));
    EXPECT_EQ(describe(input.problem), "no input file was given");
    EXPECT_FALSE(openPath(folder.path("missing.wav")));
    EXPECT_NE(describe(input.problem).find("cannot be opened"), std::string::npos);

    EXPECT_FALSE(open(Bytes(4000, 0x11), AudioFormat::Mp3));
    EXPECT_EQ(describe(input.problem), "no MPEG Layer III frame was found");

    WavLayout noChannels;
    noChannels.channels = 0;
    EXPECT_FALSE(open(wavBytes(noChannels)));
    EXPECT_NE(describe(input.problem).find("0 channels"), std::string::npos) << describe(input.problem);

    WavLayout fortyBits;
    fortyBits.bits = 40;
    EXPECT_FALSE(open(wavBytes(fortyBits)));
    EXPECT_NE(describe(input.problem).find("40 bits"), std::string::npos) << describe(input.problem);
}

TEST_F(ReaderTest, TruncatedAndHugeHeadersAreRefusedNotReadAsNoise) {
    WavLayout layout;
    layout.data = toneSamples(100, 22050);
    Bytes whole = wavBytes(layout);
    Bytes hugeChunk = wavBytes(layout);
    hugeChunk[16] = 0xFF, hugeChunk[17] = 0xFF, hugeChunk[18] = 0xFF, hugeChunk[19] = 0x7F;
    Bytes formHuge = {'F', 'O', 'R', 'M', 0x7F, 0xFF, 0xFF, 0xFF, 'A', 'I', 'F', 'F', 'C', 'O', 'M', 'M', 0, 0, 0, 2};
    for (const Bytes& bytes : {Bytes(whole.begin(), whole.begin() + 30), hugeChunk, formHuge, Bytes{'R', 'I', 'F', 'F'}}) {
        EXPECT_FALSE(open(bytes));
        EXPECT_TRUE(input.problem);
        EXPECT_TRUE(audio::CloseAudioInput(input));
    }
}

} // namespace

namespace {

Bytes floatBytes(std::initializer_list<float> values) {
    Bytes bytes;
    for (float value : values) {
        unsigned char raw[4];
        std::memcpy(raw, &value, 4);
        bytes.insert(bytes.end(), raw, raw + 4);
    }
    return bytes;
}

} // namespace

TEST_F(ReaderTest, FloatSamplesAreClippedToFullScaleAndNanIsSilence) {
    WavLayout floats;
    floats.formatTag = 3;
    floats.bits = 32;
    floats.data = floatBytes({2.0f, -2.0f, std::nanf(""), 0.5f});
    ASSERT_TRUE(open(wavBytes(floats)));
    ASSERT_EQ(read(), 4);
    EXPECT_EQ(left[0], INT32_MAX);
    EXPECT_EQ(left[1], INT32_MIN);
    EXPECT_EQ(left[2], 0);
    EXPECT_EQ(left[3], 1073741824);
}

// Six channels in the default order FL FR FC LFE BL BR: fronts whole, centre
// and back at −3 dB, the low-frequency channel left out.
TEST_F(ReaderTest, MoreThanTwoChannelsAreMixedDownByTheirSpeakers) {
    const double minus3dB = 0.7071067811865476;
    auto sample = [](double value16) { return static_cast<int>(std::lround(value16 * 65536)); };
    WavLayout six;
    six.channels = 6;
    // FL 0x1000, FR 0x2000, FC 0x0400, LFE 0x4000, BL 0x0200, BR 0x0100 (16-bit).
    six.data = {0x00, 0x10, 0x00, 0x20, 0x00, 0x04, 0x00, 0x40, 0x00, 0x02, 0x00, 0x01};
    ASSERT_TRUE(open(wavBytes(six)));
    EXPECT_EQ(channels(), 2);
    ASSERT_EQ(read(), 1);
    EXPECT_EQ(left[0], sample(0x1000 + minus3dB * (0x400 + 0x200)));
    EXPECT_EQ(right[0], sample(0x2000 + minus3dB * (0x400 + 0x100)));

    // The same bytes, but the mask says FL FR FC BC SL SR.
    WavLayout masked = six;
    masked.formatTag = 0xFFFE;
    masked.formatChunkSize = 40;
    masked.channelMask = 0x1 | 0x2 | 0x4 | 0x100 | 0x200 | 0x400;
    audio::CloseAudioInput(input);
    ASSERT_TRUE(open(wavBytes(masked)));
    ASSERT_EQ(read(), 1);
    EXPECT_EQ(left[0], sample(0x1000 + minus3dB * (0x400 + 0x4000 + 0x200)));
    EXPECT_EQ(right[0], sample(0x2000 + minus3dB * (0x400 + 0x4000 + 0x100)));

    // Full scale everywhere clips instead of wrapping.
    WavLayout loud = six;
    loud.data = Bytes(12, 0);
    for (size_t i = 0; i < loud.data.size(); i += 2)
        loud.data[i + 1] = 0x7F, loud.data[i] = 0xFF;
    audio::CloseAudioInput(input);
    ASSERT_TRUE(open(wavBytes(loud)));
    ASSERT_EQ(read(), 1);
    EXPECT_EQ(left[0], INT32_MAX);
    EXPECT_EQ(right[0], INT32_MAX);
}

// What only the front speakers play keeps its level in the mix, whatever
// order the format gives its channels (Ogg Vorbis: FL FC FR BL BR LFE).
TEST_F(ReaderTest, FrontChannelsKeepTheirLevelInTheMix) {
    std::string ogg = folder.path("front.ogg"), wav6 = folder.path("six.wav");
    ASSERT_TRUE(run("ffmpeg -v error -f lavfi -i 'sine=f=440:d=1:r=22050' -af "
                    "'pan=5.1|FL=c0|FR=0.5*c0|FC=0*c0|LFE=0*c0|BL=0*c0|BR=0*c0' '" + wav6 + "'"));
    ASSERT_TRUE(run("ffmpeg -v error -i '" + wav6 + "' -c:a libvorbis -q:a 8 '" + ogg + "'"));
    for (const std::string& file : {wav6, ogg}) {
        audio::CloseAudioInput(input);
        ASSERT_TRUE(openPath(file)) << file << ": " << describe(input.problem);
        EXPECT_EQ(channels(), 2);
        double leftPeak = 0, rightPeak = 0;
        for (int samples; (samples = read()) > 0;)
            for (int i = 0; i < samples; ++i) {
                leftPeak = std::max(leftPeak, std::abs(static_cast<double>(left[i])));
                rightPeak = std::max(rightPeak, std::abs(static_cast<double>(right[i])));
            }
        double fullLevel = std::abs(static_cast<double>(INT32_MIN)) / 8;  // the sine's amplitude 1/8
        EXPECT_NEAR(20 * std::log10(leftPeak / fullLevel), 0, 1.5) << file;
        EXPECT_NEAR(20 * std::log10(rightPeak / fullLevel), -6, 1.5) << file;
    }
}

TEST_F(ReaderTest, Mp3StartUpBelievesOnlyFramesThatChain) {
    Bytes noise(20000);
    for (size_t i = 0; i < noise.size(); ++i)
        noise[i] = static_cast<unsigned char>((i * 2654435761u) >> 13);
    // Lone frame headers among the noise, as pictures and tags hold them.
    for (size_t at = 100; at + 4 < noise.size(); at += 997) {
        const unsigned char header[4] = {0xFF, 0xFB, 0x90, 0x64};
        std::copy(header, header + 4, noise.begin() + static_cast<long>(at));
    }
    EXPECT_FALSE(open(noise, AudioFormat::Mp3));
    EXPECT_EQ(describe(input.problem), "no MPEG Layer III frame was found");

    writeToneWav(folder.path("tone.wav"), 22050, 1, 1.0);
    ASSERT_TRUE(run("lame --quiet '" + folder.path("tone.wav") + "' '" + folder.path("plain.mp3") + "'"));
    ASSERT_TRUE(open(concat(Bytes(noise.begin(), noise.begin() + 3000), readFile(folder.path("plain.mp3"))),
                     AudioFormat::Mp3));
    EXPECT_EQ(rate(), 22050);
    int total = 0;
    for (int samples; (samples = read()) > 0;)
        total += samples;
    EXPECT_GE(total, 22050) << "the whole tone, from its first real frame";
}

TEST_F(ReaderTest, AnMp3ThatChangesRatePartWayIsRefused) {
    writeToneWav(folder.path("a.wav"), 44100, 2, 1.0);
    writeToneWav(folder.path("b.wav"), 22050, 2, 1.0);
    ASSERT_TRUE(run("lame --quiet '" + folder.path("a.wav") + "' '" + folder.path("a.mp3") + "'"));
    ASSERT_TRUE(run("lame --quiet '" + folder.path("b.wav") + "' '" + folder.path("b.mp3") + "'"));
    EXPECT_FALSE(open(concat(readFile(folder.path("a.mp3")), readFile(folder.path("b.mp3"))), AudioFormat::Mp3));
    EXPECT_EQ(describe(input.problem), "the MP3 changes from 44100 Hz stereo to 22050 Hz stereo part way");
}

TEST_F(ReaderTest, AnId3SizePastTheEndIsSearchedPastWithinTheSearchLimit) {
    writeToneWav(folder.path("tone.wav"), 22050, 1, 1.0);
    ASSERT_TRUE(run("lame --quiet -t '" + folder.path("tone.wav") + "' '" + folder.path("plain.mp3") + "'"));
    Bytes mp3 = readFile(folder.path("plain.mp3"));
    Bytes id3 = {'I', 'D', '3', 3, 0, 0, 0x7F, 0x7F, 0x7F, 0x7F}; // 256 MiB, more than the file holds
    for (size_t junk : {size_t(0), transform::FSMp3SearchLimit - 100}) {
        ASSERT_TRUE(open(concat(concat(id3, Bytes(junk, 0)), mp3), AudioFormat::Mp3)) << junk << describe(input.problem);
        EXPECT_EQ(rate(), 22050);
        int total = 0;
        for (int samples; (samples = read()) > 0;)
            total += samples;
        EXPECT_GE(total, 22050) << "the whole tone after " << junk << " bytes";
        EXPECT_TRUE(audio::CloseAudioInput(input));
    }
    EXPECT_FALSE(open(concat(concat(id3, Bytes(transform::FSMp3SearchLimit + 100, 0)), mp3), AudioFormat::Mp3));
    EXPECT_EQ(describe(input.problem), "no MPEG Layer III frame was found");
}
