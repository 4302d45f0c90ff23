// tunemill-publish given playlists, folders and files with timed lyrics,
// names that are no files, and the snippet it prints for framing the
// player.
#include "CommandLine.h"
#include "tests/support/TestSupport.h"
#include "transform/transform.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

using namespace testing_support;
namespace fs = std::filesystem;

namespace {

class InputsAndLyricsCommandTest : public ::testing::Test {
protected:
    std::string mp3(const std::string& name, const std::string& tags = "", int rate = 22050) {
        std::string wav = folder.path("tone" + std::to_string(rate) + ".wav"), path = folder.path(name);
        fs::create_directories(fs::path(path).parent_path());
        if (!fs::exists(wav))
            writeToneWav(wav, rate, 1, 3.0);
        EXPECT_TRUE(run("lame --quiet " + tags + " '" + wav + "' '" + path + "'"));
        return path;
    }
    void write(const std::string& name, const std::string& text) {
        fs::create_directories(fs::path(folder.path(name)).parent_path());
        std::ofstream(folder.path(name), std::ios::binary) << text;
    }
    std::string movie(int number) { return site + "/output/" + std::to_string(number) + ".swf"; }

    TemporaryFolder folder;
    std::string site = folder.path("site");
};

// Every string variable the movie sets, with its frame: "frame name=value".
std::vector<std::string> settings(const std::string& moviePath, const std::string& only) {
    std::vector<std::string> found;
    auto movie = transform::decodeMovieFile(moviePath.c_str());
    int frame = 0;
    for (const transform::FSMovieObject* tag : movie->getObjects()) {
        if (tag->type == transform::FSMovieObject::ShowFrame)
            ++frame;
        auto* actions = dynamic_cast<const transform::FSDoAction*>(tag);
        for (const transform::FSActionObject* action : actions ? actions->actions : transform::FSActionList()) {
            auto* push = dynamic_cast<const transform::FSPush*>(action);
            auto* key = push ? dynamic_cast<const transform::FSString*>(push->values[0]) : nullptr;
            auto* value = push ? dynamic_cast<const transform::FSString*>(push->values[1]) : nullptr;
            if (key && value && only == key->getText())
                found.push_back(std::to_string(frame) + " " + value->getText());
        }
    }
    return found;
}

} // namespace

TEST_F(InputsAndLyricsCommandTest, AnM3uWithRelativePathsTitlesAndMissingEntries) {
    mp3("music/a.mp3", "--tt Tagged");
    mp3("music/b.mp3");
    write("lists/mix.m3u", "#EXTM3U\n#EXTINF:3,First title\n../music/b.mp3\n# a comment\n"
                           "../music/gone.mp3\nhttp://example.org/stream.mp3\n../music/a.mp3\n");
    CommandResult result = runPublisher("--folder '" + site + "' '" + folder.path("lists/mix.m3u") + "'");
    EXPECT_EQ(result.status, 1) << "entries were skipped";
    EXPECT_NE(result.said.find("../music/gone.mp3 is missing, skipped"), std::string::npos) << result.said;
    EXPECT_NE(result.said.find("http://example.org/stream.mp3 is a web address"), std::string::npos) << result.said;
    EXPECT_EQ(settings(movie(1), "music"), (std::vector<std::string>{"0 First title"}));
    EXPECT_EQ(settings(movie(2), "music"), (std::vector<std::string>{"0 Tagged"}));
    EXPECT_FALSE(fs::exists(movie(3)));
}

TEST_F(InputsAndLyricsCommandTest, AFolderInTrackOrderAndAnXspf) {
    mp3("album/a.mp3", "--tn 3 --tt Three");
    mp3("album/b.mp3", "--tn 1 --tt One");
    mp3("album/c.mp3", "--tn 2 --tt Two");
    CommandResult result = runPublisher("--folder '" + site + "' '" + folder.path("album") + "'");
    EXPECT_EQ(result.status, 0) << result.said;
    for (auto [number, title] : {std::pair{1, "One"}, {2, "Two"}, {3, "Three"}})
        EXPECT_EQ(settings(movie(number), "music"), (std::vector<std::string>{std::string("0 ") + title}));

    write("list.xspf", "<playlist xmlns=\"http://xspf.org/ns/0/\"><trackList>"
                       "<track><location>album/c.mp3</location><title>See</title></track>"
                       "<track><location>file://" + folder.path("album/a.mp3") + "</location></track>"
                       "</trackList></playlist>");
    result = runPublisher("--folder '" + site + "' '" + folder.path("list.xspf") + "'");
    EXPECT_EQ(result.status, 0) << result.said;
    EXPECT_EQ(settings(movie(1), "music"), (std::vector<std::string>{"0 See"}));
    EXPECT_EQ(settings(movie(2), "music"), (std::vector<std::string>{"0 Three"}));
}

// 22050 Hz: 580 samples a frame, so a second is 38.02 frames.
TEST_F(InputsAndLyricsCommandTest, LyricsBesideAStreamedAndAConvertedFile) {
    std::string streamed = mp3("song.mp3");
    write("song.lrc", "[ti:Song]\n[00:01.00]One\n[00:02.00][00:00.50]Twice\n[00:02.50]\n");
    std::string wav = folder.path("wave.wav");
    writeToneWav(wav, 44100, 2, 3.0);
    write("Wave.LRC", "[offset:+500]\n[00:02.00]Early\n");
    // Lyrics files of 4 MB are read; longer ones are not, and a line says so.
    std::string whole = folder.path("whole.mp3"), over = folder.path("over.mp3");
    for (const std::string& copy : {whole, over})
        fs::copy_file(streamed, copy);
    for (auto [name, size] : {std::pair{"whole.lrc", 4u << 20}, {"over.lrc", (4u << 20) + 1}}) {
        write(name, "[00:01.00]Long\n");
        fs::resize_file(folder.path(name), size);
    }
    CommandResult result =
        runPublisher("--folder '" + site + "' '" + streamed + "' '" + wav + "' '" + whole + "' '" + over + "'");
    EXPECT_EQ(result.status, 0) << result.said;
    EXPECT_NE(result.said.find("song.mp3: timed lyrics from song.lrc"), std::string::npos) << result.said;
    EXPECT_NE(result.said.find("wave.wav: timed lyrics from Wave.LRC"), std::string::npos) << result.said;
    EXPECT_NE(result.said.find("whole.mp3: timed lyrics from whole.lrc"), std::string::npos) << result.said;
    EXPECT_NE(result.said.find(over + ": " + folder.path("over.lrc") +
                               " is over 4 MB, longer than any lyrics file; it is not read\n"),
              std::string::npos)
        << result.said;
    EXPECT_EQ(settings(movie(1), "LRC"), (std::vector<std::string>{"0 ", "19 Twice", "38 One", "76 Twice", "95 "}));
    EXPECT_EQ(settings(movie(2), "LRC"), (std::vector<std::string>{"0 ", "57 Early"}));
    EXPECT_EQ(settings(movie(3), "LRC"), (std::vector<std::string>{"0 ", "38 Long"}));
    EXPECT_TRUE(settings(movie(4), "LRC").empty());

    result = runPublisher("--lyrics 0 --folder '" + site + "' '" + streamed + "'");
    EXPECT_EQ(result.status, 0) << result.said;
    EXPECT_TRUE(settings(movie(1), "LRC").empty());
    EXPECT_EQ(result.said.find("timed lyrics"), std::string::npos);
}

TEST_F(InputsAndLyricsCommandTest, PrintsTheSnippetThatFramesTheEmbedPage) {
    std::string song = mp3("song.mp3");
    std::string snippet =
        outputOf(std::string(PUBLISHER) + " --skin simple --title 'A & B' --embed-base https://example.org/music/ "
                 "--folder '" + site + "' '" + song + "' 2>/dev/null");
    EXPECT_EQ(snippet, "<iframe src=\"https://example.org/music/embed.html\" width=\"205\" height=\"25\" "
                       "title=\"A &amp; B\" style=\"border:0\"></iframe>\n");
    EXPECT_TRUE(fs::exists(site + "/output/embed.html"));

    CommandResult result = runPublisher("--folder '" + site + "' '" + song + "'");
    EXPECT_NE(result.said.find("replace \"embed.html\""), std::string::npos) << result.said;
    snippet = outputOf(std::string(PUBLISHER) + " --folder '" + site + "' '" + song + "' 2>/dev/null");
    EXPECT_NE(snippet.find("<iframe src=\"embed.html\" width=\"300\" height=\"60\""), std::string::npos) << snippet;

    snippet = outputOf(std::string(PUBLISHER) + " --html 0 --folder '" + site + "' '" + song + "' 2>/dev/null");
    EXPECT_EQ(snippet, "") << "no page, no snippet";
}

// Reading any of these would wait for ever or never end; each is named by
// its kind at once, and the good track beside them is published.
TEST_F(InputsAndLyricsCommandTest, FifosSocketsAndDevicesAreRefusedByTheirKindAndTheRestPublished) {
    mp3("music/good.mp3");
    for (const char* name : {"music/pipe.mp3", "music/good.lrc", "given.mp3", "pipe.m3u"})
        ASSERT_EQ(mkfifo(folder.path(name).c_str(), 0644), 0) << name;
    std::string socketPath = folder.path("socket.mp3");
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    socketPath.copy(address.sun_path, sizeof address.sun_path - 1);
    int listening = socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_EQ(bind(listening, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    close(listening);
    write("music/list.m3u", "pipe.mp3\ngood.mp3\n");

    RunningPublisher publisher({"--runtime", "0", "--html", "0", "--folder", site, folder.path("music/list.m3u"),
                                folder.path("given.mp3"), socketPath, "/dev/zero", folder.path("pipe.m3u")},
                               {});
    RunningPublisher::Ending ending = publisher.waitWithin(std::chrono::seconds(60));
    ASSERT_TRUE(ending.inTime) << "the publish hung: " << publisher.said();
    EXPECT_EQ(ending.status, 1) << publisher.said();
    for (const std::string& line :
         {std::string("pipe.mp3: skipped, the file is a FIFO (named pipe), not a regular file\n"),
          folder.path("given.mp3") + ": skipped, the file is a FIFO (named pipe), not a regular file\n",
          socketPath + ": skipped, the file is a socket, not a regular file\n",
          std::string("/dev/zero: skipped, the file is a device, not a regular file\n"),
          folder.path("pipe.m3u") + " is a FIFO (named pipe), not a regular file, skipped\n",
          std::string("good.mp3: published\n")})
        EXPECT_NE(publisher.said().find(line), std::string::npos) << line << publisher.said();
    EXPECT_NE(publisher.said().find("Published 1 of 5 tracks"), std::string::npos) << publisher.said();
    EXPECT_TRUE(settings(movie(1), "LRC").empty()) << "no lyrics from a FIFO";
}
