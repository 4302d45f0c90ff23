#include "audio/Mp3Converter.h"
#include "tests/audio/AudioFiles.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace testing_support;
using audio::ConverterInput;
using audio::EncoderSampleRate;

namespace {

class ConverterTest : public ::testing::Test {
protected:
    // Converts, then checks the MP3 with ffprobe and LAME's decoder.
    void expectConverted(const std::string& input, ConverterInput mp3Input, int outputRate, const std::string& expectedProbe,
                         double expectedSeconds) {
        std::string output = folder.path("out.mp3");
        ASSERT_TRUE(audio::ConvertToMp3(input, output, mp3Input, outputRate)) << input;
        EXPECT_EQ(probeAudio(output), expectedProbe) << input;
        EXPECT_NEAR(probeDuration(output), expectedSeconds, 0.15) << input;
        EXPECT_TRUE(lameDecodes(output, folder.path("decoded.wav"))) << input;
    }
    std::string writeWav(const std::string& name, const WavLayout& layout) {
        writeFile(folder.path(name), wavBytes(layout));
        return folder.path(name);
    }

    TemporaryFolder folder;
};

TEST_F(ConverterTest, RecorderStyleWavsAtEachRateKeepTheirRate) {
    for (int rate : {11025, 22050, 44100}) {
        WavLayout layout;
        layout.rate = rate;
        layout.formatChunkSize = 18;
        layout.data = toneSamples(rate, rate);
        expectConverted(writeWav("voice.wav", layout), ConverterInput::Pcm, EncoderSampleRate, "mp3 " + std::to_string(rate) + " 1", 1.0);
    }
}

TEST_F(ConverterTest, EightAndTwentyFourBitWavs) {
    WavLayout eight;
    eight.bits = 8;
    eight.data = Bytes(22050, 0x80);
    for (size_t i = 0; i < eight.data.size(); i += 2)
        eight.data[i] = 0xC0;
    expectConverted(writeWav("eight.wav", eight), ConverterInput::Pcm, EncoderSampleRate, "mp3 22050 1", 1.0);

    ASSERT_TRUE(run("sox -n -r 44100 -b 24 -c 2 -t wavpcm '" + folder.path("wide.wav") + "' synth 1.5 sine 300"));
    expectConverted(folder.path("wide.wav"), ConverterInput::Pcm, EncoderSampleRate, "mp3 44100 2", 1.5);
}

TEST_F(ConverterTest, AiffAndSowtAiffC) {
    ASSERT_TRUE(run("sox -n -r 44100 -b 16 -c 2 '" + folder.path("take.aiff") + "' synth 1 sine 500"));
    expectConverted(folder.path("take.aiff"), ConverterInput::Pcm, EncoderSampleRate, "mp3 44100 2", 1.0);
    ASSERT_TRUE(run("ffmpeg -v error -f lavfi -i sine=f=500:r=22050:d=1 -ac 2 -c:a pcm_s16le -f aiff '" +
                    folder.path("take.aifc") + "'"));
    expectConverted(folder.path("take.aifc"), ConverterInput::Pcm, EncoderSampleRate, "mp3 22050 2", 1.0);
}

TEST_F(ConverterTest, ListChunkBeforeDataAndMoreThanTwentyChunks) {
    WavLayout listed;
    listed.chunksBeforeData = {{"LIST", Bytes(40, 'i')}};
    listed.data = toneSamples(22050, 22050);
    expectConverted(writeWav("listed.wav", listed), ConverterInput::Pcm, EncoderSampleRate, "mp3 22050 1", 1.0);

    WavLayout crowded = listed;
    crowded.chunksBeforeData.assign(21, {"junk", Bytes(2, 0)});
    // Beyond the parser's twenty chunks libsndfile reads it: never as raw noise.
    expectConverted(writeWav("crowded.wav", crowded), ConverterInput::Pcm, EncoderSampleRate, "mp3 22050 1", 1.0);
}

TEST_F(ConverterTest, Mp3InputsAreReencodedAtTheRequestedRate) {
    ASSERT_TRUE(run("sox -n -r 48000 -c 2 '" + folder.path("song48k.wav") + "' synth 2 sine 440"));
    ASSERT_TRUE(run("lame --quiet '" + folder.path("song48k.wav") + "' '" + folder.path("song48k.mp3") + "'"));
    expectConverted(folder.path("song48k.mp3"), ConverterInput::Mp3, 22050, "mp3 22050 2", 2.0);

    ASSERT_TRUE(run("lame --quiet --id3v2-only --tt 'A title' --ta 'Someone' '" + folder.path("song48k.wav") +
                    "' '" + folder.path("tagged.mp3") + "'"));
    ASSERT_EQ(readFile(folder.path("tagged.mp3"))[0], 'I');
    expectConverted(folder.path("tagged.mp3"), ConverterInput::Mp3, 22050, "mp3 22050 2", 2.0);
}

TEST_F(ConverterTest, EmptyDataGivesOnlyWhatTheFlushReturns) {
    std::string input = writeWav("empty.wav", WavLayout());
    std::string output = folder.path("empty.mp3");
    ASSERT_TRUE(audio::ConvertToMp3(input, output, ConverterInput::Pcm, EncoderSampleRate));
    EXPECT_LT(std::filesystem::file_size(output), 2000u);
}

TEST_F(ConverterTest, RefusalsAreReportedOnStandardError) {
    WavLayout layout;
    layout.data = toneSamples(1000, 22050);
    std::string input = writeWav("in.wav", layout);

    ::testing::internal::CaptureStderr();
    EXPECT_FALSE(audio::ConvertToMp3(input, input, ConverterInput::Pcm, EncoderSampleRate));
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "Input file and Output file are the same. Abort.\n");
    EXPECT_EQ(readFile(input), wavBytes(layout));

    std::string nowhere = folder.path("no/such/folder/out.mp3");
    ::testing::internal::CaptureStderr();
    EXPECT_FALSE(audio::ConvertToMp3(input, nowhere, ConverterInput::Pcm, EncoderSampleRate));
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "Can't init outfile '" + nowhere + "'\n");

    ::testing::internal::CaptureStderr();
    EXPECT_FALSE(audio::ConvertToMp3("", folder.path("out.mp3"), ConverterInput::Pcm, EncoderSampleRate));
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "Can't open input file '': no input file was given\n");
    EXPECT_FALSE(std::filesystem::exists(folder.path("out.mp3")));
}

TEST_F(ConverterTest, BrokenInputsFailOrConvertButNeverEndTheProcess) {
    std::vector<Bytes> inputs = {Bytes{'R', 'I', 'F'}, Bytes(4, 0xFF), Bytes{'F', 'O', 'R', 'M', 0, 0, 0, 9}};
    srand(7);
    for (int i = 0; i < 4; ++i) {
        Bytes noise(3000 + 1000 * i);
        for (unsigned char& byte : noise)
            byte = static_cast<unsigned char>(rand());
        inputs.push_back(noise);
    }
    for (const Bytes& bytes : inputs) {
        writeFile(folder.path("broken"), bytes);
        for (ConverterInput mp3Input : {ConverterInput::Pcm, ConverterInput::Mp3}) {
            std::filesystem::remove(folder.path("broken.mp3"));
            ::testing::internal::CaptureStderr();
            bool converted = audio::ConvertToMp3(folder.path("broken"), folder.path("broken.mp3"), mp3Input, 22050);
            std::string messages = ::testing::internal::GetCapturedStderr();
            if (!converted) {
                EXPECT_NE(messages.find("'" + folder.path("broken") + "'"), std::string::npos) << messages;
            }
            EXPECT_EQ(converted, std::filesystem::exists(folder.path("broken.mp3")));
        }
    }
}

} // namespace
