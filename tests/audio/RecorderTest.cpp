#include "audio/Mp3Converter.h"
#include "audio/PortAudioWaveInput.h"
#include "audio/Recorder.h"
#include "audio/SyntheticWaveInput.h"
#include "tests/audio/AudioFiles.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <mutex>
#include <sys/resource.h>
#include <thread>

using namespace testing_support;
using namespace audio;

namespace {

uint32_t little32(const Bytes& bytes, size_t at) {
    return bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 | static_cast<uint32_t>(bytes[at + 3]) << 24;
}

// Collects what the recorder reports, from whichever thread reports it.
class RecorderTest : public ::testing::Test {
protected:
    Recorder::Callbacks callbacks() {
        return {[this](uint32_t elapsed) {
                    std::lock_guard lock(mutex);
                    statuses.push_back(std::to_string(elapsed));
                },
                [this] {
                    std::lock_guard lock(mutex);
                    statuses.push_back("stopped");
                },
                [this](const RecordingError& error) {
                    std::lock_guard lock(mutex);
                    errors.push_back(error);
                }};
    }
    void recordFor(Recorder& recorder, std::chrono::milliseconds duration) {
        ASSERT_TRUE(recorder.start(wav));
        std::this_thread::sleep_for(duration);
        recorder.stop();
    }
    int selectQuality(Recorder& recorder, const std::string& text) {
        for (size_t i = 0; i < recorder.qualities().size(); ++i)
            if (recorder.qualities()[i].text == text)
                recorder.selectQuality(static_cast<int>(i));
        return recorder.selectedQuality();
    }
    // Records from a synthetic device at the named quality; the quality's
    // index, which is the first when the device lacks the named one.
    int recordSynthetic(const std::string& quality, std::chrono::milliseconds duration) {
        SyntheticWaveInput device;
        Recorder recorder(device, callbacks());
        recorder.fillQualities();
        int selected = selectQuality(recorder, quality);
        recordFor(recorder, duration);
        return selected;
    }

    [[noreturn]] void recordIntoAFullDisk() {
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit{30000, 30000};
        setrlimit(RLIMIT_FSIZE, &limit);
        recordSynthetic("11kHz - Telephone Quality", std::chrono::milliseconds(2300));
        std::lock_guard lock(mutex);
        bool reported = errors.size() == 1 && errors[0].problem == RecordingProblem::SamplesNotWritten &&
                        errors[0].error == std::errc::file_too_large && errors[0].line > 0;
        std::exit(reported ? 0 : 3);
    }

    TemporaryFolder folder;
    std::string wav = folder.path("record.wav");
    std::mutex mutex;
    std::vector<std::string> statuses;
    std::vector<RecordingError> errors;
};

TEST(WaveFormatRecord, IsEighteenBytesEndingWithEighteen) {
    WaveFormat radio = waveFormatForFlag(Format22kMono16);
    auto bytes = waveFormatBytes(radio);
    EXPECT_EQ(hex(Bytes(bytes.begin(), bytes.end())), "01 00 01 00 22 56 00 00 44 AC 00 00 02 00 10 00 12 00");
    WaveFormat stereo8 = waveFormatForFlag(Format96kStereo8);
    EXPECT_EQ(stereo8.samplesPerSecond, 96000u);
    EXPECT_EQ(stereo8.channels, 2);
    EXPECT_EQ(stereo8.bitsPerSample, 8);
    EXPECT_EQ(stereo8.averageBytesPerSecond, 192000u);
    EXPECT_EQ(waveFormatForFlag(0x1000).samplesPerSecond, 0u);
}

TEST_F(RecorderTest, QualitiesFollowTheDeviceCapabilities) {
    SyntheticWaveInput full;
    Recorder recorder(full, callbacks());
    ASSERT_EQ(recorder.fillQualities(), 3);
    EXPECT_EQ(recorder.qualities()[0].text, "44kHz - CD Quality");
    EXPECT_EQ(recorder.qualities()[1].text, "22kHz - Radio Quality");
    EXPECT_EQ(recorder.qualities()[2].text, "11kHz - Telephone Quality");

    SyntheticDeviceSettings telephone;
    telephone.formats = Format11kMono16 | Format44kStereo16;
    SyntheticWaveInput narrow(telephone);
    Recorder narrowRecorder(narrow, callbacks());
    ASSERT_EQ(narrowRecorder.fillQualities(), 1);
    EXPECT_EQ(narrowRecorder.qualities()[0].text, "11kHz - Telephone Quality");
    EXPECT_EQ(narrowRecorder.selectedQuality(), 0);

    SyntheticDeviceSettings none;
    none.capabilitiesResult = WaveNoDevice;
    SyntheticWaveInput missing(none);
    Recorder missingRecorder(missing, callbacks());
    EXPECT_EQ(missingRecorder.fillQualities(), 0);
    EXPECT_EQ(missingRecorder.selectedQuality(), -1);
}

TEST_F(RecorderTest, TwoAndAHalfSecondsAtRadioQualityMakeTheWavLayout) {
    ASSERT_EQ(recordSynthetic("22kHz - Radio Quality", std::chrono::milliseconds(2500)), 1);

    Bytes file = readFile(wav);
    ASSERT_GE(file.size(), 46u);
    EXPECT_EQ(std::string(file.begin(), file.begin() + 4), "RIFF");
    EXPECT_EQ(std::string(file.begin() + 8, file.begin() + 16), "WAVEfmt ");
    EXPECT_EQ(little32(file, 16), 18u);
    EXPECT_EQ(hex(Bytes(file.begin() + 20, file.begin() + 38)), "01 00 01 00 22 56 00 00 44 AC 00 00 02 00 10 00 12 00");
    EXPECT_EQ(std::string(file.begin() + 38, file.begin() + 42), "data");
    uint32_t data = little32(file, 42);
    EXPECT_EQ(data % 2, 0u);
    EXPECT_NEAR(static_cast<double>(data), 110250.0, 4410.0);
    EXPECT_EQ(file.size(), 46u + data);
    EXPECT_EQ(little32(file, 4), data + 38);

    std::lock_guard lock(mutex);
    EXPECT_TRUE(errors.empty());
    ASSERT_GE(statuses.size(), 20u);
    EXPECT_LT(std::stoul(statuses.front()), 1000u);
    EXPECT_EQ(std::stoul(statuses[statuses.size() - 2]) / 1000, 2u);
    EXPECT_EQ(statuses.back(), "stopped");
}

TEST_F(RecorderTest, StoppingWithinTheFirstSecondKeepsThePartialBuffer) {
    recordSynthetic("11kHz - Telephone Quality", std::chrono::milliseconds(300));
    Bytes file = readFile(wav);
    ASSERT_GE(file.size(), 46u);
    uint32_t data = little32(file, 42);
    EXPECT_GT(data, 2000u);
    EXPECT_LT(data, 22050u);
    EXPECT_EQ(file.size(), 46u + data);
}

TEST_F(RecorderTest, ARecordingConvertsToAnMp3) {
    recordSynthetic("11kHz - Telephone Quality", std::chrono::milliseconds(1200));
    std::string mp3 = folder.path("12061405.mp3");
    ASSERT_TRUE(ConvertToMp3(wav, mp3, ConverterInput::Pcm, EncoderSampleRate));
    EXPECT_EQ(probeAudio(mp3), "mp3 11025 1");
    // As long as what was recorded, which a busy machine can stretch past
    // the 1.2 s asked for, plus the encoder's delay and padding: a few
    // 576-sample frames, 52 ms each at this rate.
    double recorded = little32(readFile(wav), 42) / (11025.0 * 2);
    EXPECT_GT(recorded, 1.0);
    EXPECT_GE(probeDuration(mp3), recorded);
    EXPECT_LE(probeDuration(mp3), recorded + 0.25);
}

TEST_F(RecorderTest, DeviceErrorsGiveTheLineAndDeviceTexts) {
    SyntheticDeviceSettings unknown;
    unknown.openResult = 77;
    SyntheticWaveInput failing(unknown);
    Recorder recorder(failing, callbacks());
    recorder.fillQualities();
    recordFor(recorder, std::chrono::milliseconds(50));

    SyntheticDeviceSettings known;
    known.startResult = 78;
    known.errorTexts[78] = "The device is busy.";
    SyntheticWaveInput busy(known);
    Recorder busyRecorder(busy, callbacks());
    busyRecorder.fillQualities();
    recordFor(busyRecorder, std::chrono::milliseconds(50));

    std::lock_guard lock(mutex);
    ASSERT_EQ(errors.size(), 2u);
    EXPECT_EQ(errors[0].problem, RecordingProblem::DeviceCall);
    EXPECT_EQ(errors[0].deviceCode, 77);
    EXPECT_EQ(errors[0].queryResult, 1) << "the device has no words for 77";
    EXPECT_EQ(errors[1].problem, RecordingProblem::DeviceCall);
    EXPECT_EQ(errors[1].queryResult, 0);
    EXPECT_EQ(errors[1].deviceText, "The device is busy.");
    // Each names the line of its own failing call, not the line of a helper.
    EXPECT_GT(errors[0].line, 0);
    EXPECT_NE(errors[0].line, errors[1].line);
    EXPECT_EQ(statuses, (std::vector<std::string>{"stopped", "stopped"}));
    EXPECT_EQ(little32(readFile(wav), 42), 0u) << "the file opened before the failed start is complete";
}

TEST_F(RecorderTest, NoQualityOrNoFileEndsTheRecordingWithAMessage) {
    SyntheticDeviceSettings none;
    none.capabilitiesResult = WaveNoDevice;
    SyntheticWaveInput missing(none);
    Recorder recorder(missing, callbacks());
    recorder.fillQualities();
    recordFor(recorder, std::chrono::milliseconds(20));

    SyntheticWaveInput device;
    Recorder nowhere(device, callbacks());
    nowhere.fillQualities();
    ASSERT_TRUE(nowhere.start(folder.path("no/such/folder/record.wav")));
    nowhere.stop();

    std::lock_guard lock(mutex);
    ASSERT_EQ(errors.size(), 2u);
    EXPECT_EQ(errors[0].problem, RecordingProblem::NoQuality);
    EXPECT_EQ(errors[1].problem, RecordingProblem::FileNotOpened);
    EXPECT_EQ(statuses, (std::vector<std::string>{"stopped", "stopped"}));
}

// A file-size limit makes the disk "full" once the first buffer is in.
TEST_F(RecorderTest, AFullDiskIsReportedAndTheFileKeepsItsSizes) {
    EXPECT_EXIT(recordIntoAFullDisk(), ::testing::ExitedWithCode(0), "");
    Bytes file = readFile(wav);
    ASSERT_GE(file.size(), 46u);
    uint32_t data = little32(file, 42);
    EXPECT_EQ(file.size(), 46u + data);
    EXPECT_EQ(little32(file, 4), data + 38);
    EXPECT_GE(data, 22050u);
    EXPECT_LE(file.size(), 30000u);
}

TEST_F(RecorderTest, PortAudioWithoutAnInputDeviceOffersNothing) {
    PortAudioWaveInput device;
    Recorder recorder(device, callbacks());
    if (recorder.fillQualities() > 0)
        GTEST_SKIP() << "this machine has a sound input device";
    recordFor(recorder, std::chrono::milliseconds(20));
    std::lock_guard lock(mutex);
    EXPECT_EQ(statuses, std::vector<std::string>{"stopped"});
}

} // namespace
