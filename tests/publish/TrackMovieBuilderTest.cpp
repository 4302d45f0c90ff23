#include "publish/TrackMovieBuilder.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <stop_token>
#include <thread>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace publish;
using namespace transform;
using namespace testing_support;

namespace {

class TrackMovieBuilderTest : public ::testing::Test {
protected:
    void SetUp() override {
        writeToneWav(folder.path("tone.wav"), 44100, 2, 3.0);
        ASSERT_TRUE(run("lame --quiet -b 128 '" + folder.path("tone.wav") + "' '" + mp3 + "'"));
    }

    std::unique_ptr<FSMovie> build(const std::string& title, TrackOutcome expected = TrackOutcome::Published) {
        result = buildTrackMovie(mp3, title, movie, dataLog);
        EXPECT_EQ(result.outcome, expected);
        return expected == TrackOutcome::Published ? decodeMovieFile(movie.c_str()) : nullptr;
    }

    // The line the command line prints for the last build of `source`.
    std::string line(const std::string& source) {
        return describe(TrackReport{1, source, movie, result.outcome, result.detail, result.systemError});
    }

    void writeDataLog(const std::string& text) { writeFile(dataLog, Bytes(text.begin(), text.end())); }

    TemporaryFolder folder;
    std::string mp3 = folder.path("tone.mp3");
    std::string movie = folder.path("1.swf");
    std::string dataLog = folder.path("data.log");
    TrackResult result;
};

// The variables each frame's actions set, as "name=value".
std::vector<std::vector<std::string>> variablesPerFrame(const FSMovie& movie) {
    std::vector<std::vector<std::string>> frames(1);
    for (const FSMovieObject* tag : movie.getObjects()) {
        if (tag->type == FSMovieObject::ShowFrame)
            frames.emplace_back();
        auto* doAction = dynamic_cast<const FSDoAction*>(tag);
        if (!doAction)
            continue;
        for (const FSActionObject* action : doAction->actions) {
            auto* push = dynamic_cast<const FSPush*>(action);
            if (!push)
                continue;
            std::string name = dynamic_cast<const FSString*>(push->values[0])->getText();
            const FSValue* value = push->values[1];
            std::string shown;
            if (auto* integer = dynamic_cast<const FSInteger*>(value))
                shown = "int " + std::to_string(integer->value);
            else if (auto* number = dynamic_cast<const FSDouble*>(value))
                shown = std::to_string(number->value).substr(0, 4);
            else
                shown = std::string("\"") + dynamic_cast<const FSString*>(value)->getText() + "\"";
            frames.back().push_back(name + "=" + shown);
        }
    }
    frames.pop_back();
    return frames;
}

} // namespace

TEST_F(TrackMovieBuilderTest, FiguresHeaderAndFirstFrame) {
    auto built = build("Tone & co");
    std::unique_ptr<FSSoundConstructor, FSRelease> sound(createSoundConstructor(transform::WavOrMp3));
    ASSERT_EQ(sound->loadFile(mp3.c_str()), 0);
    EXPECT_EQ(built->frameCount(), sound->getSampleCount() / 1160);
    EXPECT_EQ(built->getFrameRate(), 38.0f);
    EXPECT_EQ(built->getFrameSize().maxX, 1);
    auto* head = dynamic_cast<FSSoundStreamHead2*>(built->getObjects()[1]);
    ASSERT_NE(head, nullptr);
    EXPECT_EQ(head->streamSampleCount, 1160);
    EXPECT_EQ(head->streamRate, 44100);
    auto frames = variablesPerFrame(*built);
    EXPECT_EQ(frames[0], (std::vector<std::string>{"time=int " + std::to_string(sound->getSampleCount() / 44100),
                                                   "music=\"Tone & co\""}));
    EXPECT_TRUE(frames[1].empty()) << "no data file, no bars";
}

TEST_F(TrackMovieBuilderTest, StreamBlocksHoldEveryFrameOnceInOrder) {
    auto built = build("");
    std::unique_ptr<FSSoundConstructorImpl, FSRelease> sound(
        static_cast<FSSoundConstructorImpl*>(createSoundConstructor(transform::WavOrMp3)));
    ASSERT_EQ(sound->loadFile(mp3.c_str()), 0);
    Bytes data(static_cast<size_t>(sound->getDataSize()));
    sound->copyData(data.data());
    Bytes streamed;
    for (const FSMovieObject* tag : built->getObjects())
        if (auto* block = dynamic_cast<const FSSoundStreamBlock*>(tag))
            streamed.insert(streamed.end(), block->getData() + 4, block->getData() + block->getSize());
    ASSERT_LE(streamed.size(), data.size());
    EXPECT_EQ(Bytes(data.begin(), data.begin() + static_cast<long>(streamed.size())), streamed);
    EXPECT_GE(static_cast<int>(streamed.size()), sound->getFrame(sound->getFrameCount() - 1).offset);
    EXPECT_EQ(variablesPerFrame(*built)[0][1], "music=\"\"");
}

TEST_F(TrackMovieBuilderTest, TheMovieWrittenFrameByFrameIsTheMovieEncodedWhole) {
    writeDataLog("0:1;1;1;1;1;1;1;1;1;1;\n1:3;6;9;12;15;18;21;24;27;30;\n");
    auto built = build("t");
    built->setCompressed(false);
    int length = 0;
    FSBytes whole = built->encodeToMemory(length);
    Bytes file = readFile(movie);
    Bytes image = uncompressedImage(file);
    EXPECT_EQ(Bytes(image.begin() + 8, image.end()), Bytes(whole.data() + 8, whole.data() + length));
    EXPECT_EQ(image[4] | image[5] << 8 | image[6] << 16 | image[7] << 24, length) << "the length field";
}

TEST_F(TrackMovieBuilderTest, BarsFromTheDataFile) {
    writeDataLog("0:1;1;1;1;1;1;1;1;1;1;\n1:0;60;25;1;2;3;4;5;6;49;\n2:50;;\n");
    auto built = build("t");
    auto frames = variablesPerFrame(*built);
    EXPECT_EQ(frames[0], (std::vector<std::string>{"time=int 3", "music=\"t\"", "s2=12.5", "s3=0.50", "s4=1.00",
                                                   "s5=1.50", "s6=2.00", "s7=2.50", "s8=3.00", "s9=24.5"}));
    EXPECT_EQ(frames[1].size(), 8u) << "50 is not pushed, the kept values are";
    EXPECT_EQ(frames.back().size(), 8u) << "after the end the last values are pushed again";
    EXPECT_FALSE(std::filesystem::exists(dataLog)) << "the data file is used up";
}

TEST_F(TrackMovieBuilderTest, UnsupportedFilesAreReportedAndNotWritten) {
    writeDataLog("0:1;\n");
    std::string wav = folder.path("notes.txt");
    writeFile(wav, Bytes(500, 'x'));
    result = buildTrackMovie(wav, "t", movie, dataLog);
    EXPECT_EQ(result.outcome, TrackOutcome::Unsupported);
    EXPECT_EQ(line(wav), "skipped, unsupported format");
    EXPECT_FALSE(std::filesystem::exists(movie));
    EXPECT_TRUE(std::filesystem::exists(dataLog)) << "left in place after a failure";
    EXPECT_EQ(buildTrackMovie(folder.path("none.mp3"), "t", movie, dataLog).outcome, TrackOutcome::Unsupported);
}

TEST_F(TrackMovieBuilderTest, ARateBelowOneSamplePerFrameIsUnsupported) {
    // A PCM WAV file at 20 Hz loads, but 20 / 38 samples per frame is none.
    Bytes wav = {'R', 'I', 'F', 'F', 46, 0, 0, 0, 'W', 'A', 'V', 'E', 'f', 'm', 't', ' ', 16, 0, 0, 0, 1, 0, 1, 0,
                 20, 0, 0, 0, 40, 0, 0, 0, 2, 0, 16, 0, 'd', 'a', 't', 'a', 10, 0, 0, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    std::string slow = folder.path("slow.wav");
    writeFile(slow, wav);
    result = buildTrackMovie(slow, "t", movie, dataLog);
    EXPECT_EQ(result.outcome, TrackOutcome::Unsupported);
    EXPECT_EQ(line(slow), "skipped, unsupported format");
    EXPECT_FALSE(std::filesystem::exists(movie));
}

TEST_F(TrackMovieBuilderTest, AMovieThatCannotBeWrittenIsReported) {
    movie = folder.path("missing/1.swf");
    build("t", TrackOutcome::CannotWrite);
    EXPECT_EQ(line(mp3), "skipped, " + movie + " cannot be written: Cannot open file");
    EXPECT_EQ(result.systemError, std::make_error_code(std::errc::no_such_file_or_directory)) << "the system's reason";
}

TEST_F(TrackMovieBuilderTest, ASoundWithoutOneWholeFrameIsSkipped) {
    writeDataLog("0:1;\n");
    Bytes frame = {0xFF, 0xFB, 0x90, 0x00};
    frame.resize(417);
    writeFile(mp3, frame);
    build("t", TrackOutcome::NoSound);
    EXPECT_EQ(line(mp3), "skipped, no sound to publish");
    EXPECT_FALSE(std::filesystem::exists(movie));
    EXPECT_TRUE(std::filesystem::exists(dataLog));

    Bytes emptyWav = {'R', 'I', 'F', 'F', 36, 0, 0, 0, 'W', 'A', 'V', 'E', 'f', 'm', 't', ' ', 16, 0, 0, 0, 1, 0, 2, 0,
                      0x44, 0xAC, 0, 0, 0x10, 0xB1, 2, 0, 4, 0, 16, 0, 'd', 'a', 't', 'a', 0, 0, 0, 0};
    std::string wav = folder.path("empty.wav");
    writeFile(wav, emptyWav);
    EXPECT_EQ(buildTrackMovie(wav, "t", movie, dataLog).outcome, TrackOutcome::NoSound);
    EXPECT_FALSE(std::filesystem::exists(movie));
}

TEST_F(TrackMovieBuilderTest, AStopRequestedBeforeOrDuringTheBuildCancelsIt) {
    std::stop_source before;
    before.request_stop();
    writeDataLog("0:1;\n");
    EXPECT_EQ(buildTrackMovie(mp3, "t", movie, dataLog, before.get_token()).outcome, TrackOutcome::Cancelled);
    EXPECT_FALSE(std::filesystem::exists(movie));
    EXPECT_TRUE(std::filesystem::exists(dataLog));

    // The builder reads the data file frame by frame: from a pipe it waits
    // for each line, so the stop surely comes part way through.
    std::filesystem::remove(dataLog);
    ASSERT_EQ(mkfifo(dataLog.c_str(), 0600), 0);
    std::stop_source during;
    std::thread feeder([&] {
        std::FILE* pipe = std::fopen(dataLog.c_str(), "w");
        for (int line = 0; line < 20; ++line)
            std::fprintf(pipe, "%d:1;2;3;\n", line);
        std::fflush(pipe);
        during.request_stop();
        std::fclose(pipe);
    });
    result = buildTrackMovie(mp3, "t", movie, dataLog, during.get_token());
    feeder.join();
    EXPECT_EQ(result.outcome, TrackOutcome::Cancelled);
    EXPECT_FALSE(std::filesystem::exists(movie)) << "the partial movie is removed";
}

TEST_F(TrackMovieBuilderTest, RunningOutOfMemoryIsNamedAsSuch) {
#if UNDER_ADDRESS_SANITIZER
    GTEST_SKIP() << "the sanitizer reserves more address space than the limit allows";
#endif
    // 60000 MP3 frames at 320 kbit/s: a 62 MB file, more than the limit
    // below leaves room for.
    Bytes frame = {0xFF, 0xFB, 0xE0, 0x00};
    frame.resize(1044);
    {
        std::FILE* file = std::fopen(mp3.c_str(), "wb");
        for (int i = 0; i < 60000; ++i)
            std::fwrite(frame.data(), 1, frame.size(), file);
        std::fclose(file);
    }
    // A fresh process, so that no memory an earlier test freed is at hand.
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            long pages = 0;
            std::FILE* statm = std::fopen("/proc/self/statm", "r");
            if (!statm || std::fscanf(statm, "%ld", &pages) != 1)
                _exit(100);
            rlimit limit{};
            limit.rlim_cur = limit.rlim_max = static_cast<rlim_t>(pages) * sysconf(_SC_PAGESIZE) + (24 << 20);
            setrlimit(RLIMIT_AS, &limit);
            _exit(static_cast<int>(buildTrackMovie(mp3, "t", movie, dataLog).outcome));
        },
        ::testing::ExitedWithCode(static_cast<int>(TrackOutcome::OutOfMemory)), "");
    EXPECT_FALSE(std::filesystem::exists(movie));
    EXPECT_EQ(describe(TrackReport{1, mp3, movie, TrackOutcome::OutOfMemory, "", {}}),
              "skipped, not enough memory to build its movie");
}

TEST_F(TrackMovieBuilderTest, TooLongForTheFrameCountField) {
    // 65536 frames' worth of 8 kbit/s MPEG-2.5 frames at 11025 Hz (290
    // samples per movie frame, 576 per MP3 frame).
    Bytes frame = {0xFF, 0xE3, 0x10, 0xC0};
    frame.resize(52);
    Bytes file;
    for (int i = 0; i < 65536 * 290 / 576 + 2; ++i)
        file.insert(file.end(), frame.begin(), frame.end());
    writeFile(mp3, file);
    build("t", TrackOutcome::TooLong);
    EXPECT_EQ(line(mp3), "skipped, too long for a track movie (at most 28 min 44 s)");
    EXPECT_FALSE(std::filesystem::exists(movie));
}

TEST_F(TrackMovieBuilderTest, LyricsSetLrcAfterTheTitleAndBeforeTheBarsAtTheirFrames) {
    writeDataLog("0:1;\n1:0;0;3;\n");
    // 44100 Hz, 1160 samples a frame: 1 s is frame 38, 2.5 s frame 95.
    result = buildTrackMovie(mp3, "t", movie, dataLog, {}, parseLrc("[00:00.00]Zero\n[00:01.00]One\n[00:02.50]\n"));
    ASSERT_EQ(result.outcome, TrackOutcome::Published);
    auto frames = variablesPerFrame(*decodeMovieFile(movie.c_str()));
    EXPECT_EQ(frames[0], (std::vector<std::string>{"time=int 3", "music=\"t\"", "LRC=\"Zero\"", "s2=1.50"}));
    EXPECT_EQ(frames[38], (std::vector<std::string>{"LRC=\"One\"", "s2=1.50"}));
    EXPECT_EQ(frames[95], (std::vector<std::string>{"LRC=\"\"", "s2=1.50"}));
    for (int frame : {1, 37, 39, 94, 96})
        EXPECT_EQ(frames[frame], (std::vector<std::string>{"s2=1.50"})) << frame;
}

TEST_F(TrackMovieBuilderTest, WithoutLyricsTheMovieIsTheSameBytes) {
    build("t");
    Bytes before = readFile(movie);
    result = buildTrackMovie(mp3, "t", movie, dataLog, {}, parseLrc("[ar:only metadata]\nno timed lines\n"));
    EXPECT_EQ(readFile(movie), before);
    result = buildTrackMovie(mp3, "t", movie, dataLog, {}, parseLrc("[00:10.00]past the end\n"));
    auto frames = variablesPerFrame(*decodeMovieFile(movie.c_str()));
    EXPECT_EQ(frames[0].back(), "LRC=\"\"") << "a track with lyrics clears the line first";
}
