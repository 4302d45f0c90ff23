// Files as music libraries, recorders and editors hold them, published by
// the command line: streamed as they are, converted with the right sound
// and length, or refused with a clear reason.

#include "CommandLine.h"
#include "tests/support/TestSupport.h"
#include "transform/FSMp3Frames.h"
#include "transform/FSMovieReader.h"
#include "transform/transform.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <sys/wait.h>

using namespace testing_support;
namespace fs = std::filesystem;

namespace {

class RealFilesTest : public ::testing::Test {
protected:
    CommandResult publish(const std::string& files) {
        return runPublisher("--runtime 0 --html 0 --folder '" + site + "' " + files);
    }

    std::string movie(int number) { return site + "/output/" + std::to_string(number) + ".swf"; }

    // A 2-second 660 Hz tone, made by `command` with IN and OUT in place.
    std::string make(const std::string& name, const std::string& command) {
        std::string out = folder.path(name);
        std::string line = command;
        line.replace(line.find("OUT"), 3, "'" + out + "'");
        if (line.find("IN") != std::string::npos)
            line.replace(line.find("IN"), 2, "'" + source + "'");
        EXPECT_TRUE(run(line + " 2>/dev/null")) << line;
        return out;
    }

    void SetUp() override {
        ASSERT_TRUE(run("sox -n -r 44100 -c 2 -b 16 '" + source + "' synth 2 sine 660 vol 0.5"));
    }

    TemporaryFolder folder;
    std::string source = folder.path("tone.wav");
    std::string site = folder.path("site");
};

// The MP3 frames a track movie streams, back to back.
Bytes streamedMp3(const std::string& moviePath) {
    Bytes mp3;
    auto movie = transform::decodeMovieFile(moviePath.c_str());
    if (!movie)
        return mp3;
    for (const transform::FSMovieObject* tag : movie->getObjects()) {
        auto* block = dynamic_cast<const transform::FSSoundStreamBlock*>(tag);
        if (block && block->getSize() > 4)
            mp3.insert(mp3.end(), block->getData() + 4, block->getData() + block->getSize());
    }
    return mp3;
}

// The string the movie's first frame gives `name`.
std::string movieVariable(const std::string& moviePath, const std::string& name) {
    auto movie = transform::decodeMovieFile(moviePath.c_str());
    for (const transform::FSMovieObject* tag : movie->getObjects()) {
        auto* actions = dynamic_cast<const transform::FSDoAction*>(tag);
        if (!actions)
            continue;
        for (const transform::FSActionObject* action : actions->actions) {
            auto* push = dynamic_cast<const transform::FSPush*>(action);
            auto* key = push ? dynamic_cast<const transform::FSString*>(push->values[0]) : nullptr;
            auto* value = push && push->values.getCount() > 1 ? dynamic_cast<const transform::FSString*>(push->values[1])
                                                              : nullptr;
            if (key && value && name == key->getText())
                return value->getText();
        }
        break;
    }
    return "";
}

struct Measured {
    double seconds = 0;
    double frequency = 0;
};

// Decodes what the movie streams and lets sox measure it.
Measured measureStream(const std::string& moviePath, const TemporaryFolder& folder) {
    Bytes mp3 = streamedMp3(moviePath);
    std::string mp3Path = folder.path("measured.mp3"), wavPath = folder.path("measured.wav");
    writeFile(mp3Path, mp3);
    if (!run("lame --quiet --decode '" + mp3Path + "' '" + wavPath + "'"))
        return {};
    std::string stat = outputOf("sox '" + wavPath + "' -n remix 1 stat 2>&1");
    Measured measured;
    std::sscanf(stat.substr(stat.find("Length (seconds):")).c_str(), "Length (seconds): %lf", &measured.seconds);
    std::sscanf(stat.substr(stat.find("Rough   frequency:")).c_str(), "Rough frequency: %lf", &measured.frequency);
    return measured;
}

} // namespace

TEST_F(RealFilesTest, EditorsWavAndAiffFilesConvertWithTheRightSoundAndLength) {
    const std::pair<const char*, const char*> files[] = {
        {"u8.wav", "sox IN -b 8 -e unsigned OUT"},
        {"s24.wav", "sox IN -b 24 OUT"},
        {"s32.wav", "sox IN -b 32 OUT"},
        {"f32.wav", "sox IN -b 32 -e floating-point OUT"},
        {"f64.wav", "ffmpeg -v error -i IN -c:a pcm_f64le OUT"},
        {"ext24.wav", "ffmpeg -v error -i IN -c:a pcm_s24le -rf64 never OUT"},
        {"six.wav", "ffmpeg -v error -i IN -ac 6 -c:a pcm_s16le OUT"},
        {"s8.aiff", "sox IN -b 8 OUT"},
        {"s24.aiff", "sox IN -b 24 OUT"},
        {"s32.aiff", "sox IN -b 32 OUT"},
        {"sowt.aifc", "ffmpeg -v error -i IN -c:a pcm_s16le -f aiff OUT"},
        {"fl32.aifc", "ffmpeg -v error -i IN -c:a pcm_f32be -f aiff OUT"},
        {"fl64.aifc", "ffmpeg -v error -i IN -c:a pcm_f64be -f aiff OUT"},
        {"ulaw.wav", "sox IN -e u-law OUT"},
        {"alaw.wav", "sox IN -e a-law OUT"},
        {"ima.wav", "sox IN -e ima-adpcm OUT"},
        {"msadpcm.wav", "sox IN -e ms-adpcm OUT"},
        {"tone.flac", "flac --silent -o OUT IN"},
        {"s32.flac", "sox IN -b 32 -t wav - | flac --silent -o OUT -"},
        {"tone.ogg", "ffmpeg -v error -i IN -c:a libvorbis OUT"},
        {"tone.opus", "ffmpeg -v error -i IN -c:a libopus OUT"},
    };
    std::string arguments;
    for (const auto& [name, command] : files)
        arguments += "'" + make(name, command) + "' ";
    ASSERT_TRUE(run("metaflac --show-bps '" + folder.path("s32.flac") + "' | grep -qx 32"));
    CommandResult published = publish(arguments);
    EXPECT_EQ(published.status, 0) << published.said;
    for (size_t i = 0; i < std::size(files); ++i) {
        Measured measured = measureStream(movie(static_cast<int>(i) + 1), folder);
        // The encoder adds up to two frames of silence at 22050 Hz.
        EXPECT_NEAR(measured.seconds, 2.05, 0.1) << files[i].first;
        EXPECT_NEAR(measured.frequency, 660, 20) << files[i].first;
    }
}

TEST_F(RealFilesTest, AWavChunkOfOddSizeIsFollowedByItsPadByte) {
    Bytes wav = readFile(source);
    // "fmt " ends at 36: insert an odd LIST chunk and its pad byte there.
    Bytes list = {'L', 'I', 'S', 'T', 5, 0, 0, 0, 'a', 'b', 'c', 'd', 'e', 0};
    wav.insert(wav.begin() + 36, list.begin(), list.end());
    unsigned riff = static_cast<unsigned>(wav.size() - 8);
    for (int i = 0; i < 4; ++i)
        wav[4 + i] = static_cast<unsigned char>(riff >> (8 * i));
    writeFile(folder.path("padded.wav"), wav);
    EXPECT_EQ(publish("'" + folder.path("padded.wav") + "'").status, 0);
    Measured measured = measureStream(movie(1), folder);
    EXPECT_NEAR(measured.seconds, 2.05, 0.1);
    EXPECT_NEAR(measured.frequency, 660, 20);
}

TEST_F(RealFilesTest, TaggedMp3sAreStreamedBitForBitAndTitledByTheirTags) {
    std::string plain = make("plain.mp3", "lame --quiet -b 128 IN OUT");
    std::string cover = folder.path("cover.jpg");
    ASSERT_TRUE(run("ffmpeg -v error -f lavfi -i color=c=gray:s=400x400,noise=alls=100:allf=t -frames:v 1 '" + cover +
                    "'"));
    std::string tagged = folder.path("tagged.mp3");
    ASSERT_TRUE(run("ffmpeg -v error -i '" + plain + "' -i '" + cover +
                    "' -map 0 -map 1 -c copy -id3v2_version 3 -metadata 'title=Caf\xC3\xA9 \xE2\x99\xAA' '" + tagged +
                    "'"));
    std::string utf16 = make("utf16.mp3", "lame --quiet -b 128 --id3v2-only --id3v2-utf16 --tt 'Sixteen' IN OUT");
    CommandResult published = publish("'" + tagged + "' '" + utf16 + "'");
    EXPECT_EQ(published.status, 0) << published.said;
    EXPECT_EQ(published.said.find("Converting"), std::string::npos) << published.said;
    EXPECT_EQ(movieVariable(movie(1), "music"), "Caf\xC3\xA9 \xE2\x99\xAA");
    EXPECT_EQ(movieVariable(movie(2), "music"), "Sixteen");
    for (const auto& [number, file] : {std::pair{1, tagged}, std::pair{2, utf16}}) {
        Bytes original = readFile(file), streamed = streamedMp3(movie(number));
        size_t audio = transform::id3v2TagLength(original.data(), original.size());
        ASSERT_GT(streamed.size(), 10000u);
        EXPECT_EQ(Bytes(original.begin() + static_cast<long>(audio),
                        original.begin() + static_cast<long>(audio + streamed.size())),
                  streamed)
            << file;
    }
}

TEST_F(RealFilesTest, FilesThatAreNoSoundAreRefusedAndNamed) {
    std::string m4a = make("song.m4a", "ffmpeg -v error -i IN -c:a aac OUT");
    std::string picture = folder.path("photo.png");
    ASSERT_TRUE(run("ffmpeg -v error -f lavfi -i testsrc=size=320x240 -frames:v 1 '" + picture + "'"));
    std::string archive = folder.path("music.zip");
    ASSERT_TRUE(run("cd '" + folder.path("") + "' && python3 -m zipfile -c music.zip tone.wav"));
    std::string text = folder.path("notes.mp3");
    writeFile(text, Bytes(2000, 'a'));
    Bytes noise(100000);
    for (size_t i = 0; i < noise.size(); ++i)
        noise[i] = static_cast<unsigned char>((i * 2654435761u) >> 13);
    std::string random = folder.path("random.wav");
    writeFile(random, noise);
    std::string ones = folder.path("erased.wav");
    writeFile(ones, Bytes(500000, 0xFF));
    std::string good = make("good.mp3", "lame --quiet IN OUT");

    CommandResult published = publish("'" + m4a + "' '" + picture + "' '" + archive + "' '" + text + "' '" + random +
                                  "' '" + ones + "' '" + good + "'");
    EXPECT_EQ(published.status, 1);
    for (const auto& [file, reason] :
         {std::pair{m4a, "it is an MP4 or M4A file (AAC audio or video)"}, std::pair{picture, "it is a PNG picture"},
          std::pair{archive, "it is a ZIP archive"}, std::pair{text, "it is text"},
          std::pair{random, "it is binary data in which no MP3, WAV, AIFF, FLAC or Ogg audio was found"},
          std::pair{ones, "it holds nothing but bytes 0xFF"}}) {
        std::string line = ": " + file + ": skipped, not a sound file Tunemill can read: " + reason + "\n";
        EXPECT_NE(published.said.find(line), std::string::npos) << line << published.said;
    }
    EXPECT_NE(published.said.find("track 7 of 7: " + good + ": published"), std::string::npos) << published.said;
    EXPECT_NE(published.said.find("Published 1 of 7 tracks"), std::string::npos) << published.said;
    EXPECT_TRUE(fs::exists(movie(1)));
    EXPECT_FALSE(fs::exists(movie(2)));
}

TEST_F(RealFilesTest, AnMp3ThatChangesRatePartWayIsRefusedWithItsReason) {
    Bytes joined = concat(readFile(make("cd.mp3", "lame --quiet -b 128 IN OUT")),
                          readFile(make("radio.mp3", "lame --quiet -b 64 --resample 22.05 IN OUT")));
    std::string path = folder.path("joined.mp3");
    writeFile(path, joined);
    CommandResult published = publish("'" + path + "'");
    EXPECT_EQ(published.status, 1);
    EXPECT_NE(published.said.find(path + ": skipped, cannot be converted to MP3: the MP3 changes from 44100 Hz "
                                         "stereo to 22050 Hz stereo part way\n"),
              std::string::npos)
        << published.said;
    for (size_t at = published.said.find("/tunemill-"); at != std::string::npos;
         at = published.said.find("/tunemill-", at + 1))
        EXPECT_EQ(published.said.compare(at, 15, "/tunemill-test-"), 0) << "a temporary path: " << published.said;
}

TEST_F(RealFilesTest, TitlesComeFromTagsOrTheWholeNameLessItsExtension) {
    std::string aiff = make("Track.aiff", "sox IN OUT");
    std::string bare = make("Bare", "lame --quiet IN OUT");
    std::string flac = make("tagged.flac", "flac --silent -T TITLE=Vorbis -o OUT IN");
    fs::create_directory(folder.path("odd"));
    std::string equals = folder.path("odd/a=b.mp3");
    fs::copy_file(bare, equals);
    std::string dashed = folder.path("--dashed.mp3");
    fs::copy_file(bare, dashed);
    std::string longTitle(70000, 'x');
    ASSERT_EQ(publish("-- '" + aiff + "' '" + bare + "' '" + flac + "' '" + equals + "=Given=Title' '" + dashed +
                      "' '" + bare + "=" + longTitle + "'")
                  .status,
              0);
    EXPECT_EQ(movieVariable(movie(1), "music"), "Track");
    EXPECT_EQ(movieVariable(movie(2), "music"), "Bare");
    EXPECT_EQ(movieVariable(movie(3), "music"), "Vorbis");
    EXPECT_EQ(movieVariable(movie(4), "music"), "Given=Title");
    EXPECT_EQ(movieVariable(movie(5), "music"), "--dashed");
    EXPECT_EQ(movieVariable(movie(6), "music"), std::string(60000, 'x')) << "shortened, never a broken movie";
}

TEST_F(RealFilesTest, RepublishingRemovesTheMoviesOfALongerEarlierPlaylist) {
    std::string mp3 = make("one.mp3", "lame --quiet IN OUT");
    ASSERT_EQ(publish("'" + mp3 + "' '" + mp3 + "' '" + mp3 + "'").status, 0);
    writeFile(site + "/output/notes.swf", {'x'});
    CommandResult published = publish("'" + mp3 + "'");
    EXPECT_EQ(published.status, 0);
    EXPECT_TRUE(fs::exists(movie(1)));
    EXPECT_FALSE(fs::exists(movie(2)));
    EXPECT_FALSE(fs::exists(movie(3)));
    EXPECT_TRUE(fs::exists(site + "/output/notes.swf")) << "only the job's own movies go";
    EXPECT_NE(published.said.find("Removed 2 track movies of an earlier publish"), std::string::npos)
        << published.said;
}

// Refused before anything reads them whole: no analysis, no load, no
// scan of gigabytes for a frame.
TEST_F(RealFilesTest, HoursOfMp3AndGigabytesOfZerosAreRefusedWithoutReadingThemWhole) {
    // Three hours of 8 kbit/s MPEG-2.5 frames at 8000 Hz (a rate that would
    // be converted, for hours): a minute's frames again and again, once as
    // they are and once behind ffmpeg's summary.
    std::string minute = folder.path("minute.wav"), frames = folder.path("minute.mp3");
    ASSERT_TRUE(run("sox -n -r 8000 -c 1 -b 16 '" + minute + "' synth 60 sine 440 vol 0.1"));
    ASSERT_TRUE(run("lame --quiet -t -b 8 '" + minute + "' '" + frames + "'"));
    Bytes once = readFile(frames), hours;
    for (int i = 0; i < 180; ++i)
        hours.insert(hours.end(), once.begin(), once.end());
    std::string bare = folder.path("three hours.mp3"), summarised = folder.path("three hours summarised.mp3");
    writeFile(bare, hours);
    ASSERT_TRUE(run("ffmpeg -v error -i '" + bare + "' -c copy '" + summarised + "'"));
    auto summary = [](const std::string& path) {
        Bytes head = readFile(path);
        std::string start(head.begin(), head.begin() + 200);
        return start.find("Xing") != std::string::npos || start.find("Info") != std::string::npos;
    };
    ASSERT_FALSE(summary(bare));
    ASSERT_TRUE(summary(summarised));
    std::string zeros = folder.path("zeros.mp3");
    ASSERT_TRUE(run("truncate -s 2G '" + zeros + "'"));
    std::string good = make("good.mp3", "lame --quiet IN OUT");

    RunningPublisher publisher({"--runtime", "0", "--html", "0", "--folder", site, bare, summarised, zeros, good}, {});
    RunningPublisher::Ending ending = publisher.waitWithin(std::chrono::seconds(60));
    ASSERT_TRUE(ending.inTime) << publisher.said();
    EXPECT_EQ(ending.status, 1);
    for (const std::string& line :
         {bare + ": skipped, too long for a track movie (at most 28 min 44 s)\n",
          summarised + ": skipped, too long for a track movie (at most 28 min 44 s)\n",
          zeros + ": skipped, not a sound file Tunemill can read: it holds nothing but zero bytes\n",
          good + ": published\n"})
        EXPECT_NE(publisher.said().find(line), std::string::npos) << line << publisher.said();
    // AddressSanitizer's shadow and quarantine are memory of its own.
    if (!UNDER_ADDRESS_SANITIZER) {
        EXPECT_LT(ending.peakKilobytes, 50 * 1024);
    }
}
