#include "audio/FolderTracks.h"
#include "audio/InputExpansion.h"
#include "audio/LyricsLookup.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>
#include <taglib/apetag.h>
#include <taglib/id3v2tag.h>
#include <taglib/mpegfile.h>
#include <taglib/synchronizedlyricsframe.h>
#include <taglib/unsynchronizedlyricsframe.h>

#include <fstream>

using namespace audio;
using namespace testing_support;
namespace fs = std::filesystem;

namespace {

class LyricsAndInputTest : public ::testing::Test {
protected:
    // A short MP3 made by lame, with its tag options.
    std::string mp3(const std::string& name, const std::string& tags = "") {
        std::string wav = folder.path("tone.wav"), path = folder.path(name);
        fs::create_directories(fs::path(path).parent_path());
        if (!fs::exists(wav))
            writeToneWav(wav, 22050, 1, 0.3);
        EXPECT_TRUE(run("lame --quiet " + tags + " '" + wav + "' '" + path + "'"));
        return path;
    }
    void write(const std::string& name, const std::string& text) {
        fs::create_directories(fs::path(folder.path(name)).parent_path());
        std::ofstream(folder.path(name), std::ios::binary) << text;
    }
    std::vector<std::string> names(const std::vector<InputTrack>& tracks) {
        std::vector<std::string> result;
        for (const InputTrack& track : tracks)
            result.push_back(fs::path(track.path).lexically_relative(folder.path("")).string() +
                             (track.title.empty() ? "" : "=" + track.title));
        return result;
    }
    TemporaryFolder folder;
};

} // namespace

TEST_F(LyricsAndInputTest, AnLrcBesideWinsOverTagsInAnyCase) {
    std::string song = mp3("song.mp3");
    EXPECT_FALSE(findLyrics(song));
    write("Song.LRC", "[00:01.00]Upper case\n");
    auto found = findLyrics(song);
    ASSERT_TRUE(found);
    EXPECT_EQ(describeSource(*found), "Song.LRC");
    write("song.lrc", "[00:01.00]Exact\n");
    EXPECT_EQ(findLyrics(song)->lrc, "[00:01.00]Exact\n");
    EXPECT_EQ(lyricsFileBeside(folder.path("x/Track 1.mp3")), folder.path("x/Track 1.lrc"));
}

TEST_F(LyricsAndInputTest, LyricsAreCarriedBesideTheConvertedFileOnly) {
    std::string song = mp3("given/song.mp3");
    EXPECT_FALSE(carryLyrics(song, folder.path("work/a.mp3")).found);
    EXPECT_FALSE(fs::exists(folder.path("work/a.lrc"))) << "no lyrics, no file";
    write("given/song.lrc", "[00:01.00]One\n");
    CarriedLyrics same = carryLyrics(song, song);
    ASSERT_TRUE(same.found);
    EXPECT_EQ(same.found->origin, LyricsOrigin::LyricsFile);
    EXPECT_EQ(timedLyricsText(song), "[00:01.00]One\n");
    fs::create_directories(folder.path("work"));
    CarriedLyrics converted = carryLyrics(song, folder.path("work/a.mp3"));
    EXPECT_EQ(converted.unwritten, "");
    EXPECT_EQ(readFile(folder.path("work/a.lrc")), readFile(folder.path("given/song.lrc")));
    CarriedLyrics nowhere = carryLyrics(song, folder.path("no such folder/a.mp3"));
    EXPECT_TRUE(nowhere.found);
    EXPECT_EQ(nowhere.unwritten, folder.path("no such folder/a.lrc"));
    EXPECT_EQ(timedLyricsText(folder.path("no such folder/a.mp3")), "");
}

TEST_F(LyricsAndInputTest, SyltFramesInMillisecondsAndMpegFramesButNotUslt) {
    std::string song = mp3("sylt.mp3");
    {
        TagLib::MPEG::File file(song.c_str());
        auto* uslt = new TagLib::ID3v2::UnsynchronizedLyricsFrame();
        uslt->setText("Words without times");
        file.ID3v2Tag(true)->addFrame(uslt);
        ASSERT_TRUE(file.save());
    }
    EXPECT_FALSE(findLyrics(song));
    {
        TagLib::MPEG::File file(song.c_str());
        auto* sylt = new TagLib::ID3v2::SynchronizedLyricsFrame();
        sylt->setTimestampFormat(TagLib::ID3v2::SynchronizedLyricsFrame::AbsoluteMilliseconds);
        TagLib::ID3v2::SynchronizedLyricsFrame::SynchedTextList lines;
        lines.append({1500, "\nFirst"});
        lines.append({61250, "Second"});
        sylt->setSynchedText(lines);
        file.ID3v2Tag(true)->addFrame(sylt);
        ASSERT_TRUE(file.save());
    }
    auto found = findLyrics(song);
    ASSERT_TRUE(found);
    EXPECT_EQ(found->lrc, "[00:01.500]First\n[01:01.250]Second\n");
    EXPECT_EQ(describeSource(*found), "the ID3v2 SYLT frame");

    std::string framed = mp3("frames.mp3");
    {
        TagLib::MPEG::File file(framed.c_str());
        auto* sylt = new TagLib::ID3v2::SynchronizedLyricsFrame();
        sylt->setTimestampFormat(TagLib::ID3v2::SynchronizedLyricsFrame::AbsoluteMpegFrames);
        TagLib::ID3v2::SynchronizedLyricsFrame::SynchedTextList lines;
        lines.append({100, "Frame 100"}); // MPEG-2 at 22050 Hz: 576 samples a frame
        sylt->setSynchedText(lines);
        file.ID3v2Tag(true)->addFrame(sylt);
        ASSERT_TRUE(file.save());
    }
    EXPECT_EQ(findLyrics(framed)->lrc, "[00:02.612]Frame 100\n");
}

TEST_F(LyricsAndInputTest, ApeAndVorbisLyricsHoldingLrc) {
    std::string song = mp3("ape.mp3");
    {
        TagLib::MPEG::File file(song.c_str());
        file.APETag(true)->addValue("Lyrics", "[00:02.00]From APE");
        ASSERT_TRUE(file.save(TagLib::MPEG::File::APE));
    }
    auto ape = findLyrics(song);
    ASSERT_TRUE(ape);
    EXPECT_EQ(describeSource(*ape), "the APE Lyrics item");

    std::string wav = folder.path("tone.wav"), flac = folder.path("vorbis.flac"), ogg = folder.path("un.ogg");
    ASSERT_TRUE(run("flac --silent -f --tag='LYRICS=[00:03.00]From FLAC' -o '" + flac + "' '" + wav + "'"));
    EXPECT_EQ(describeSource(*findLyrics(flac)), "the LYRICS tag");
    ASSERT_TRUE(run("ffmpeg -v error -y -i '" + wav + "' -c:a libvorbis -metadata 'UNSYNCEDLYRICS=[00:04.00]Ogg' '" +
                    ogg + "'"));
    auto vorbis = findLyrics(ogg);
    ASSERT_TRUE(vorbis);
    EXPECT_EQ(vorbis->lrc, "[00:04.00]Ogg");
}

TEST_F(LyricsAndInputTest, FoldersInDiscTrackAndNaturalOrder) {
    mp3("album/CD2/01 b.mp3", "--tn 1 --tv TPOS=2");
    mp3("album/CD1/02 x.mp3", "--tn 2 --tv TPOS=1/2");
    mp3("album/CD1/10 a.mp3", "--tn 1 --tv TPOS=1/2");
    mp3("album/loose/Track 10.mp3");
    mp3("album/loose/track 9.mp3");
    mp3("album/.hidden/h.mp3");
    mp3("album/.h.mp3");
    write("album/list.m3u", "CD1/10 a.mp3\n");
    write("album/notes.txt", "x");
    EXPECT_EQ(names(expandInput(folder.path("album")).tracks),
              (std::vector<std::string>{"album/CD1/10 a.mp3", "album/CD1/02 x.mp3", "album/loose/track 9.mp3",
                                        "album/loose/Track 10.mp3", "album/CD2/01 b.mp3"}));
    EXPECT_TRUE(naturallyBefore("a2", "a10"));
    EXPECT_TRUE(naturallyBefore("a02b", "a2c"));
    EXPECT_FALSE(naturallyBefore("B", "a"));
}

TEST_F(LyricsAndInputTest, PlaylistsResolveTitleSkipAndNeverLoop) {
    mp3("music/a.mp3");
    mp3("music/b c.mp3");
    write("lists/main.m3u8", "#EXTM3U\n#EXTINF:10,Ay\n../music/a.mp3\nhttp://example.org/x.mp3\n"
                             "../music/missing.mp3\nother.xspf\nmain.m3u8\n");
    write("lists/other.xspf", "<playlist><trackList><track><location>file://" + folder.path("music/b%20c.mp3") +
                                  "</location><title>Bee</title></track>"
                                  "<track><location>main.m3u8</location></track></trackList></playlist>");
    ExpandedInput expanded = expandInput(folder.path("lists/main.m3u8"));
    EXPECT_EQ(names(expanded.tracks), (std::vector<std::string>{"music/a.mp3=Ay", "music/b c.mp3=Bee"}));
    ASSERT_EQ(expanded.skipped.size(), 4u);
    EXPECT_EQ(expanded.skipped[0].name, "http://example.org/x.mp3");
    EXPECT_NE(expanded.skipped[0].reason.find("web address"), std::string::npos);
    EXPECT_EQ(expanded.skipped[1].name, "../music/missing.mp3");
    EXPECT_EQ(expanded.skipped[1].reason, "is missing");
    EXPECT_EQ(expanded.skipped[2].name, "main.m3u8"); // through other.xspf
    EXPECT_EQ(expanded.skipped[3].name, "main.m3u8"); // itself
    EXPECT_NE(expanded.skipped[3].reason.find("already followed"), std::string::npos);

    write("list.pls", "[playlist]\nFile1=music/a.mp3\nTitle1=First\n");
    EXPECT_EQ(names(expandInput(folder.path("list.pls")).tracks), (std::vector<std::string>{"music/a.mp3=First"}));
    EXPECT_TRUE(isCollection(folder.path("list.pls")));
    EXPECT_FALSE(isCollection(folder.path("music/a.mp3")));
    EXPECT_EQ(expandInput(folder.path("nothing.m3u")).skipped.at(0).reason, "is missing");
}
