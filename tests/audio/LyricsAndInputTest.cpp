#include "audio/FolderTracks.h"
#include "audio/InputExpansion.h"
#include "audio/LyricsLookup.h"
#include "audio/TrackTitle.h"
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
using namespace std::string_literals;
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
    // Looked up as a new publish would, its folder listed anew.
    std::optional<FoundLyrics> lyricsOf(const std::string& sound) {
        LyricsFileIndex fresh;
        return findLyrics(sound, fresh).found;
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

// An ID3v2.3 or 2.4 tag holding the frames, each its ID and its fields.
Bytes id3v2Tag(int version, const std::vector<std::pair<std::string, std::string>>& frames) {
    auto bigEndian = [](size_t size, int bits) {
        std::string bytes;
        for (int shift = 3 * bits; shift >= 0; shift -= bits)
            bytes += static_cast<char>(size >> shift & ((1u << bits) - 1));
        return bytes;
    };
    std::string body;
    for (const auto& [id, fields] : frames)
        body += id + bigEndian(fields.size(), version == 4 ? 7 : 8) + "\0\0"s + fields;
    std::string tag = "ID3" + std::string{static_cast<char>(version), 0, 0} + bigEndian(body.size(), 7) + body;
    return Bytes(tag.begin(), tag.end());
}

} // namespace

TEST_F(LyricsAndInputTest, AnLrcBesideWinsOverTagsInAnyCase) {
    std::string song = mp3("song.mp3");
    EXPECT_FALSE(lyricsOf(song));
    write("Song.LRC", "[00:01.00]Upper case\n");
    auto found = lyricsOf(song);
    ASSERT_TRUE(found);
    EXPECT_EQ(describeSource(*found), "Song.LRC");
    write("song.lrc", "[00:01.00]Exact\n");
    EXPECT_EQ(lyricsOf(song)->lrc, "[00:01.00]Exact\n");
    EXPECT_EQ(lyricsFileBeside(folder.path("x/Track 1.mp3")), folder.path("x/Track 1.lrc"));

    // One listing serves the folder's tracks and chooses as a listing per
    // track did: of the names in other cases, the first file the folder
    // lists, passing over a folder of that name. A file of the exact name is
    // found though made after the listing, as a converted file's lyrics are.
    std::string tune = mp3("many/tune.mp3"), late = folder.path("many/late.mp3");
    fs::copy_file(tune, late);
    fs::create_directories(folder.path("many/TUNE.LRC"));
    write("many/Tune.lrc", "[00:01.00]Tune\n");
    write("many/tUNE.lRC", "[00:01.00]tUNE\n");
    std::string firstListed;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder.path("many"))) {
        std::string name = entry.path().filename().string();
        if (firstListed.empty() && (name == "Tune.lrc" || name == "tUNE.lRC"))
            firstListed = name;
    }
    LyricsFileIndex index;
    std::optional<FoundLyrics> chosen = findLyrics(tune, index).found;
    ASSERT_TRUE(chosen);
    EXPECT_EQ(chosen->name, firstListed);
    write("many/late.lrc", "[00:01.00]Late\n");
    chosen = findLyrics(late, index).found;
    ASSERT_TRUE(chosen);
    EXPECT_EQ(chosen->lrc, "[00:01.00]Late\n");
}

TEST_F(LyricsAndInputTest, LyricsAreCarriedBesideTheConvertedFileOnly) {
    std::string song = mp3("given/song.mp3");
    LyricsFileIndex lyricsFiles;
    EXPECT_FALSE(carryLyrics(findLyrics(song, lyricsFiles), song, folder.path("work/a.mp3")).found);
    EXPECT_FALSE(fs::exists(folder.path("work/a.lrc"))) << "no lyrics, no file";
    write("given/song.lrc", "[00:01.00]One\n");
    CarriedLyrics same = carryLyrics(findLyrics(song, lyricsFiles), song, song);
    ASSERT_TRUE(same.found);
    EXPECT_EQ(same.found->origin, LyricsOrigin::LyricsFile);
    EXPECT_EQ(timedLyricsText(song, lyricsFiles), "[00:01.00]One\n");
    fs::create_directories(folder.path("work"));
    CarriedLyrics converted = carryLyrics(findLyrics(song, lyricsFiles), song, folder.path("work/a.mp3"));
    EXPECT_EQ(converted.unwritten, "");
    EXPECT_EQ(readFile(folder.path("work/a.lrc")), readFile(folder.path("given/song.lrc")));
    CarriedLyrics nowhere = carryLyrics(findLyrics(song, lyricsFiles), song, folder.path("no such folder/a.mp3"));
    EXPECT_TRUE(nowhere.found);
    EXPECT_EQ(nowhere.unwritten, folder.path("no such folder/a.lrc"));
    EXPECT_EQ(timedLyricsText(folder.path("no such folder/a.mp3"), lyricsFiles), "");
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
    EXPECT_FALSE(lyricsOf(song));
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
    auto found = lyricsOf(song);
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
    EXPECT_EQ(lyricsOf(framed)->lrc, "[00:02.612]Frame 100\n");
}

// The text of title and SYLT frames as their encoding byte says: a title
// marked UTF-8 that is not comes as its bytes, which the storable-text rules
// read as Latin-1 (before an ID3v1 title), and a SYLT frame in an encoding
// ID3v2 does not know gives no lyrics.
TEST_F(LyricsAndInputTest, Id3TextIsReadAsItsEncodingSays) {
    struct TitleCase {
        int version;
        std::string fields, title;
    };
    const TitleCase titles[] = {
        {3, "\x03" "Caf\xE9 au lait", "Caf\xE9 au lait"},
        {4, "\x03" "Caf\xE9\0au lait\0"s, "Caf\xE9 au lait"},
        {4, "\x03" "Caf\xC3\xA9", "Caf\xC3\xA9"},
        {3, "\x00" "Caf\xE9"s, "Caf\xC3\xA9"},
    };
    Bytes plain = readFile(mp3("plain.mp3"));
    Bytes id3v1 = Bytes{'T', 'A', 'G', 'O', 't', 'h', 'e', 'r'};
    id3v1.resize(128);
    for (const TitleCase& c : titles) {
        std::string path = folder.path("title.mp3");
        writeFile(path, concat(concat(id3v2Tag(c.version, {{"TIT2", c.fields}}), plain), id3v1));
        EXPECT_EQ(titleForFile(path), c.title) << c.fields;
    }

    struct SyltCase {
        char encoding;
        std::string text, end, lrc;
    };
    const SyltCase lyrics[] = {
        {0, "Caf\xE9", "\0"s, "[00:01.500]Caf\xC3\xA9\n"},
        {1, "\xFF\xFE" "C\0a\0f\0\xE9\0"s, "\0\0"s, "[00:01.500]Caf\xC3\xA9\n"},
        {2, "\0C\0a\0f\0\xE9"s, "\0\0"s, "[00:01.500]Caf\xC3\xA9\n"},
        {3, "Caf\xC3\xA9", "\0"s, "[00:01.500]Caf\xC3\xA9\n"},
        {4, "\xFF\xFE" "C\0a\0f\0\xE9\0"s, "\0\0"s, ""},
        {7, "C\0a\0f\0\xE9\0"s, "\0\0"s, ""},
    };
    for (const SyltCase& c : lyrics) {
        std::string path = folder.path("sylt" + std::to_string(c.encoding) + ".mp3");
        // In milliseconds (2), lyrics (1), no description; the line at 1500 ms.
        std::string fields = std::string(1, c.encoding) + "eng\x02\x01" + c.end + c.text + c.end + "\0\0\x05\xDC"s;
        writeFile(path, concat(id3v2Tag(3, {{"SYLT", fields}}), plain));
        std::optional<FoundLyrics> found = lyricsOf(path);
        EXPECT_EQ(found ? found->lrc : "", c.lrc) << int(c.encoding);
    }
}

TEST_F(LyricsAndInputTest, ApeAndVorbisLyricsHoldingLrc) {
    std::string song = mp3("ape.mp3");
    {
        TagLib::MPEG::File file(song.c_str());
        file.APETag(true)->addValue("Lyrics", "[00:02.00]From APE");
        ASSERT_TRUE(file.save(TagLib::MPEG::File::APE));
    }
    auto ape = lyricsOf(song);
    ASSERT_TRUE(ape);
    EXPECT_EQ(describeSource(*ape), "the APE Lyrics item");

    std::string wav = folder.path("tone.wav"), flac = folder.path("vorbis.flac"), ogg = folder.path("un.ogg");
    ASSERT_TRUE(run("flac --silent -f --tag='LYRICS=[00:03.00]From FLAC' -o '" + flac + "' '" + wav + "'"));
    EXPECT_EQ(describeSource(*lyricsOf(flac)), "the LYRICS tag");
    ASSERT_TRUE(run("ffmpeg -v error -y -i '" + wav + "' -c:a libvorbis -metadata 'UNSYNCEDLYRICS=[00:04.00]Ogg' '" +
                    ogg + "'"));
    auto vorbis = lyricsOf(ogg);
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
    std::string main = folder.path("lists/main.m3u8"), other = folder.path("lists/other.xspf");
    auto expectSkipped = [&](size_t i, RefusalReason reason, const std::string& name, const std::string& holder) {
        EXPECT_EQ(expanded.skipped[i].reason, reason) << i;
        EXPECT_EQ(expanded.skipped[i].file, name) << i;
        EXPECT_EQ(expanded.skipped[i].playlist, holder) << i;
    };
    expectSkipped(0, RefusalReason::WebAddress, "http://example.org/x.mp3", main);
    expectSkipped(1, RefusalReason::Missing, "../music/missing.mp3", main);
    expectSkipped(2, RefusalReason::PlaylistLoop, "main.m3u8", other); // the inner playlist holds it
    expectSkipped(3, RefusalReason::PlaylistLoop, "main.m3u8", main);
    EXPECT_EQ(expanded.tracks.at(1).playlist, other);

    write("list.pls", "[playlist]\nFile1=music/a.mp3\nTitle1=First\n");
    EXPECT_EQ(names(expandInput(folder.path("list.pls")).tracks), (std::vector<std::string>{"music/a.mp3=First"}));
    EXPECT_TRUE(isCollection(folder.path("list.pls")));
    EXPECT_FALSE(isCollection(folder.path("music/a.mp3")));
    EXPECT_EQ(expandInput(folder.path("nothing.m3u")).skipped.at(0).reason, RefusalReason::Missing);
}
