#include "audio/AudioFileInspection.h"
#include "audio/CachedConversion.h"
#include "audio/Mp3Length.h"
#include "audio/PortAudioSoundOutput.h"
#include "audio/PreviewPlayer.h"
#include "audio/RiffWriter.h"
#include "audio/TrackPreparation.h"
#include "audio/WorkFolder.h"
#include "input_files/InputFile.h"
#include "tests/audio/AudioFiles.h"
#include "transform/FSMp3Frames.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <thread>
#include <utility>
#include <vector>

using namespace testing_support;
using namespace audio;
namespace fs = std::filesystem;

namespace {

// An output with no sound card: it takes samples at the pace it is told.
class CountingOutput : public SoundOutput {
public:
    CountingOutput(std::atomic<size_t>& frames, bool opens = true, std::chrono::microseconds perBlock = {})
        : frames(frames), opens(opens), perBlock(perBlock) {}
    bool open(int rate, int channels) override {
        openedRate = rate;
        openedChannels = channels;
        return opens;
    }
    bool write(const int16_t*, size_t count) override {
        std::this_thread::sleep_for(perBlock);
        frames += count;
        return true;
    }
    void close() override {}

    std::atomic<size_t>& frames;
    bool opens;
    std::chrono::microseconds perBlock;
    int openedRate = 0;
    int openedChannels = 0;
};

std::tm december6At1405() {
    std::tm time{};
    time.tm_mon = 11;
    time.tm_mday = 6;
    time.tm_hour = 14;
    time.tm_min = 5;
    return time;
}

class TracksTest : public ::testing::Test {
protected:
    std::string makeMp3(const std::string& name, int rate, double seconds = 1.0) {
        std::string wav = folder.path(name + ".wav"), mp3 = folder.path(name + ".mp3");
        writeToneWav(wav, rate, 1, seconds);
        EXPECT_TRUE(run("lame --quiet '" + wav + "' '" + mp3 + "'"));
        return mp3;
    }
    // Prepares as the front ends do, converting into the test's folder and
    // keeping each conversion's file and check.
    PreparedTrack prepare(const std::string& path) {
        return prepareTrack(path, [this](const std::string& given, const TrackCheck& check) {
            converted.push_back({given, check.kind});
            return convertForPlayers(given, check, folder.path(""), december6At1405());
        });
    }
    void waitUntilDone(PreviewPlayer& player) {
        // A generous watchdog: the machine may be busy.
        auto watchdog = std::chrono::steady_clock::now() + std::chrono::seconds(20);
        while (player.isPlaying() && std::chrono::steady_clock::now() < watchdog)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }

    TemporaryFolder folder;
    std::atomic<size_t> frames{0};
    std::vector<std::pair<std::string, AudioFileKind>> converted;
};

TEST_F(TracksTest, PreviewDecodesTheWholeFile) {
    std::string mp3 = makeMp3("song", 22050);
    auto output = std::make_unique<CountingOutput>(frames);
    CountingOutput& sink = *output;
    PreviewPlayer player(std::move(output));
    ASSERT_TRUE(player.open(mp3));
    ASSERT_TRUE(player.play());
    waitUntilDone(player);
    EXPECT_FALSE(player.isPlaying());
    EXPECT_EQ(sink.openedRate, 22050);
    EXPECT_EQ(sink.openedChannels, 1);
    EXPECT_GE(frames.load(), 22050u);
    EXPECT_LE(frames.load(), 22050u + 3 * 1152);
    ASSERT_TRUE(player.open(mp3)) << "a new preview replaces the old one";
    EXPECT_TRUE(player.play());
    player.close();
}

TEST_F(TracksTest, StopEndsAPreviewPartWay) {
    // 58 blocks at 50 ms each: the whole track takes about three seconds.
    std::string mp3 = makeMp3("long", 22050, 3.0);
    PreviewPlayer player(std::make_unique<CountingOutput>(frames, true, std::chrono::milliseconds(50)));
    ASSERT_TRUE(player.open(mp3));
    ASSERT_TRUE(player.play());
    auto watchdog = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (frames.load() == 0 && std::chrono::steady_clock::now() < watchdog)
        std::this_thread::yield();
    ASSERT_GT(frames.load(), 0u) << "the preview did not start within 20 s";
    player.stop();
    EXPECT_FALSE(player.isPlaying());
    size_t atStop = frames.load();
    EXPECT_LT(atStop, 66150u) << "stopped before the end";
    player.close();
    EXPECT_EQ(frames.load(), atStop) << "nothing reaches the output after the stop";
}

TEST_F(TracksTest, PreviewsThatCannotPlayPlayNothing) {
    writeFile(folder.path("noise.mp3"), Bytes(5000, 0x42));
    PreviewPlayer player(std::make_unique<CountingOutput>(frames));
    EXPECT_FALSE(player.play()) << "nothing opened";
    EXPECT_FALSE(player.open(folder.path("noise.mp3")));
    EXPECT_FALSE(player.open(folder.path("missing.mp3")));
    EXPECT_FALSE(player.play());
    player.stop();
    player.close();

    PreviewPlayer silent(std::make_unique<CountingOutput>(frames, false));
    ASSERT_TRUE(silent.open(makeMp3("quiet", 11025)));
    EXPECT_FALSE(silent.play());
    EXPECT_EQ(frames.load(), 0u);

    PreviewPlayer real(std::make_unique<PortAudioSoundOutput>());
    if (real.open(makeMp3("real", 11025)) && real.play())
        real.stop();
}

TEST_F(TracksTest, WorkFolderIsMadeUnderTheDocumentsFolder) {
    EXPECT_EQ(workFolder(""), "");
    std::string documents = folder.path("Documents");
    EXPECT_EQ(workFolder(documents), (fs::path(documents) / "Tunemill").string());
    EXPECT_TRUE(fs::is_directory(fs::path(documents) / "Tunemill"));
    EXPECT_EQ(workFolder(documents), (fs::path(documents) / "Tunemill").string()) << "an existing folder is fine";
    writeFile(folder.path("file"), {1});
    EXPECT_EQ(workFolder(folder.path("file")), "");
}

TEST_F(TracksTest, TimeCodeNamesNeverReplaceAFile) {
    std::tm time = december6At1405();
    EXPECT_EQ(timeCode(time), "12061405");
    std::string first = convertedFileName(folder.path(""), time);
    EXPECT_EQ(fs::path(first).filename(), "12061405.mp3");
    writeFile(first, {1});
    std::string second = convertedFileName(folder.path(""), time);
    EXPECT_EQ(fs::path(second).filename(), "12061405-2.mp3");
    writeFile(second, {2});
    EXPECT_EQ(fs::path(convertedFileName(folder.path(""), time)).filename(), "12061405-3.mp3");
}

TEST_F(TracksTest, StreamableMp3sAreKeptAndTheRestConverted) {
    for (int rate : {11025, 22050, 44100}) {
        std::string mp3 = makeMp3("ok" + std::to_string(rate), rate);
        EXPECT_TRUE(isStreamableMp3(mp3));
        EXPECT_EQ(prepare(mp3).path, mp3);
    }
    ASSERT_TRUE(run("sox -n -r 48000 -c 1 -b 16 -t wavpcm '" + folder.path("high.wav") + "' synth 1 sine 440"));
    ASSERT_TRUE(run("lame --quiet '" + folder.path("high.wav") + "' '" + folder.path("high.mp3") + "'"));
    EXPECT_FALSE(isStreamableMp3(folder.path("high.mp3")));
    std::string converted = prepare(folder.path("high.mp3")).path;
    EXPECT_EQ(fs::path(converted).filename(), "12061405.mp3");
    EXPECT_EQ(probeAudio(converted), "mp3 22050 1");

    std::string fromWav = prepare(folder.path("high.wav")).path;
    EXPECT_EQ(fs::path(fromWav).filename(), "12061405-2.mp3");
    EXPECT_EQ(probeAudio(fromWav), "mp3 22050 1");
    EXPECT_TRUE(isStreamableMp3(fromWav));

    writeFile(folder.path("junk.mp3"), Bytes(3000, 0x42));
    PreparedTrack junk = prepare(folder.path("junk.mp3"));
    EXPECT_EQ(junk.path, "");
    EXPECT_EQ(describe(junk.refusal), "not a sound file Tunemill can read: it is text");
    EXPECT_FALSE(fs::exists(folder.path("12061405-3.mp3")));
}

TEST_F(TracksTest, OnlyFilesThatNeedItReachTheConverter) {
    std::string kept = makeMp3("kept", 22050);
    writeToneWav(folder.path("tone.wav"), 48000, 2, 0.5);
    ASSERT_TRUE(run("lame --quiet '" + folder.path("tone.wav") + "' '" + folder.path("high.mp3") + "'"));
    writeFile(folder.path("text.mp3"), Bytes(3000, 0x42));

    EXPECT_EQ(prepare(kept).path, kept);
    EXPECT_EQ(describe(prepare(folder.path("text.mp3")).refusal), "not a sound file Tunemill can read: it is text");
    EXPECT_TRUE(converted.empty()) << "a streamable MP3 and a refused file are never converted";

    EXPECT_EQ(probeAudio(prepare(folder.path("tone.wav")).path), "mp3 22050 2");
    EXPECT_EQ(probeAudio(prepare(folder.path("high.mp3")).path), "mp3 22050 2");
    using Calls = std::vector<std::pair<std::string, AudioFileKind>>;
    EXPECT_EQ(converted, (Calls{{folder.path("tone.wav"), AudioFileKind::Wav},
                                {folder.path("high.mp3"), AudioFileKind::Mp3}}));
}

// The same bytes are converted once: given again, under any name, the
// earlier MP3 in the work folder is named; when that is gone, or may not
// stand for this one, the cache's copy is put there under a new name. The
// cache's own entry, which may be evicted, is never named.
TEST_F(TracksTest, TheSameBytesAreConvertedOnceAndAlwaysNamedInTheWorkFolder) {
    std::string wav = folder.path("tone.wav"), copy = folder.path("copy.wav"), work = folder.path("work");
    writeToneWav(wav, 48000, 1, 0.5);
    fs::copy_file(wav, copy);
    fs::create_directories(work);
    publish::PublishCache cache(folder.path("cache"), publish::PublishCache::DefaultLimit);
    ASSERT_FALSE(cache.open());
    int conversions = 0;
    auto convert = [&](const std::string& path, bool reusable = true) {
        return convertThroughCache(
            path, checkTrack(path), work, december6At1405(), &cache,
            [&](const std::function<PreparedTrack()>& run) {
                ++conversions;
                return run();
            },
            [reusable](const fs::path&) { return reusable; });
    };
    std::string first = convert(wav).path;
    EXPECT_EQ(fs::path(first), fs::path(work) / "12061405.mp3");
    Bytes converted = readFile(first);
    EXPECT_EQ(convert(copy).path, first);
    fs::remove(first);
    std::string again = convert(wav).path;
    EXPECT_EQ(fs::path(again).parent_path(), fs::path(work));
    EXPECT_EQ(readFile(again), converted);
    std::string beside = convert(copy, false).path;
    EXPECT_NE(beside, again);
    EXPECT_EQ(readFile(beside), converted);
    EXPECT_EQ(conversions, 1);
    EXPECT_EQ(std::distance(fs::directory_iterator(work), fs::directory_iterator()), 2) << "nothing else left there";

    // A cache that cannot keep a conversion says why.
    fs::remove_all(folder.path("cache"));
    writeFile(folder.path("cache"), {1});
    PreparedTrack unkept = convert(folder.path("tone.wav"));
    EXPECT_TRUE(fs::exists(unkept.path));
    EXPECT_EQ(unkept.notKept, std::errc::not_a_directory);
}

TEST_F(TracksTest, AFailedConversionGivesItsReason) {
    std::string wav = folder.path("tone.wav");
    writeToneWav(wav, 48000, 1, 0.5);
    PreparedTrack full = prepareTrack(wav, [](const std::string&, const TrackCheck&) {
        Refusal full{RefusalReason::ConversionFailed, "", "", {}, {ConversionCause::OutputNotWritten}};
        return PreparedTrack{"", full, {}};
    });
    EXPECT_EQ(full.path, "");
    EXPECT_EQ(describe(full.refusal), "cannot be converted to MP3: the MP3 file cannot be written");

    PreparedTrack nowhere = prepareTrack(wav, [](const std::string& path, const TrackCheck& check) {
        return convertForPlayers(path, check, "", december6At1405());
    });
    EXPECT_EQ(nowhere.path, "");
    EXPECT_EQ(nowhere.refusal.reason, RefusalReason::NoWorkFolder);

    writeFile(folder.path("joined.mp3"), concat(readFile(makeMp3("cd", 44100)), readFile(makeMp3("voice", 22050))));
    PreparedTrack joined = prepare(folder.path("joined.mp3"));
    EXPECT_EQ(joined.path, "");
    EXPECT_EQ(describe(joined.refusal), "cannot be converted to MP3: the MP3 changes from 44100 Hz mono to 22050 Hz mono part way");
    EXPECT_EQ(converted.size(), 1u);
    EXPECT_FALSE(fs::exists(folder.path("12061405.mp3"))) << "nothing is left of a failed conversion";
}

TEST(RiffWriter, AscendingWritesTheSizeAndPadsOddChunks) {
    TemporaryFolder folder;
    RiffWriter writer;
    ASSERT_EQ(writer.open(folder.path("odd.riff")), 0);
    RiffChunk form = riffChunk("RIFF", 0, "TEST");
    RiffChunk odd = riffChunk("abc ", 100);
    ASSERT_EQ(writer.createChunk(form), 0);
    ASSERT_EQ(writer.createChunk(odd), 0);
    ASSERT_EQ(writer.write("xyz", 3), 3u);
    ASSERT_EQ(writer.ascend(odd), 0);
    ASSERT_EQ(writer.ascend(form), 0);
    ASSERT_EQ(writer.close(), 0);
    EXPECT_EQ(hex(readFile(folder.path("odd.riff"))),
              "52 49 46 46 10 00 00 00 54 45 53 54 61 62 63 20 03 00 00 00 78 79 7A 00");
    EXPECT_NE(writer.open(folder.path("no/folder/x.riff")), 0);
}

} // namespace

TEST_F(TracksTest, AnId3SizePastTheEndIsSearchedPastWithinTheSearchLimit) {
    Bytes mp3 = readFile(makeMp3("tone", 22050));
    Bytes id3 = {'I', 'D', '3', 3, 0, 0, 0x7F, 0x7F, 0x7F, 0x7F}; // 256 MiB, more than the file holds
    for (size_t junk : {size_t(0), transform::FSMp3SearchLimit - 100, transform::FSMp3SearchLimit + 100}) {
        std::string path = folder.path("after" + std::to_string(junk) + ".mp3");
        writeFile(path, concat(concat(id3, Bytes(junk, 0)), mp3));
        PreparedTrack ready = prepare(path);
        if (junk < transform::FSMp3SearchLimit)
            EXPECT_EQ(ready.path, path) << "streamed as it is after " << junk << " bytes: " << describe(ready.refusal);
        else
            EXPECT_EQ(describe(ready.refusal), "not a sound file Tunemill can read: it is binary data in which no MP3, WAV, "
                                     "AIFF, FLAC or Ogg audio was found");
    }
    EXPECT_TRUE(converted.empty());
}

// 22050 Hz: 576 samples a frame.
TEST_F(TracksTest, AnMp3IsMeasuredByItsSummaryUnlessCutShortElseByWalkingItsFrames) {
    std::string wav = folder.path("ten.wav"), bare = folder.path("bare.mp3"), summarised = folder.path("summary.mp3");
    writeToneWav(wav, 22050, 1, 10.0);
    ASSERT_TRUE(run("lame --quiet -t '" + wav + "' '" + bare + "'"));
    ASSERT_TRUE(run("ffmpeg -v error -i '" + bare + "' -c copy '" + summarised + "'"));
    Bytes plain = readFile(bare), summary = readFile(summarised);
    transform::FSMp3Walk walk;
    ASSERT_TRUE(transform::walkMp3Frames(plain.data(), plain.size(), SIZE_MAX, walk));
    std::uint64_t samples = walk.frames.size() * 576;
    auto measure = [this](const Bytes& bytes, int enoughSeconds) {
        std::string path = folder.path("measured.mp3");
        writeFile(path, bytes);
        publish::FileDescriptor file;
        EXPECT_FALSE(publish::openInputFile(path, file));
        AudioFileInspection inspection = inspectAudioFile(file.get(), path);
        EXPECT_EQ(inspection.kind, AudioFileKind::Mp3);
        Mp3Length length = measureMp3(file.get(), inspection.firstFrame, enoughSeconds);
        EXPECT_EQ(length.sampleRate, 22050);
        return length.samples;
    };
    EXPECT_EQ(measure(plain, 60), samples);
    EXPECT_EQ(measure(summary, 60), samples + 576) << "the summary's own frame streams too";
    Bytes interrupted = summary;
    interrupted.insert(interrupted.begin() + static_cast<long>(summary.size() / 2), 700, 0);
    EXPECT_EQ(measure(interrupted, 60), samples + 576) << "junk ends a walk, not the summary";
    std::uint64_t half = measure(Bytes(summary.begin(), summary.begin() + static_cast<long>(summary.size() / 2)), 60);
    EXPECT_GT(half, samples * 4 / 10) << "a file cut short is walked, whatever its summary says";
    EXPECT_LT(half, samples * 6 / 10);
    std::uint64_t enough = measure(plain, 2);
    EXPECT_GT(enough, 2u * 22050) << "a walk stops once it has enough";
    EXPECT_LE(enough, 2u * 22050 + 576);
}
