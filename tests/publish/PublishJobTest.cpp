#include "tests/support/FolderSnapshot.h"
#include "RecordingObserver.h"
#include "file_writing/AtomicFile.h"
#include "publish/FolderLock.h"
#include "publish/OutputDocuments.h"
#include "publish/Playlist.h"
#include "publish/PublishJob.h"
#include "publish/PlayerRuntime.h"
#include "publish/PublishOptions.h"
#include "resources/Resources.h"
#include "transform/FSMovieReader.h"
#include "transform/transform.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <csignal>
#include <set>
#include <filesystem>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>

using namespace publish;
using namespace testing_support;
namespace fs = std::filesystem;

namespace {

class PublishJobTest : public ::testing::Test {
protected:
    // The smallest skin the command line takes: an SWF movie that reads.
    Bytes writeSkinMovie() {
        transform::FSMovie movie(transform::FSBounds(0, 0, 2000, 2000), 12.0f);
        movie.addObject(new transform::FSShowFrame());
        movie.encodeToFile(folder.path("skin.swf").c_str());
        return readFile(folder.path("skin.swf"));
    }

    std::string makeMp3(const std::string& name, int rate, double seconds = 1.0) {
        std::string wav = folder.path(name + ".wav"), mp3 = folder.path(name + ".mp3");
        writeToneWav(wav, rate, 1, seconds);
        EXPECT_TRUE(run("lame --quiet '" + wav + "' '" + mp3 + "'"));
        return mp3;
    }

    void writeSettings(const std::vector<std::string>& paths, const std::string& html,
                       const std::string& title = "Mine") {
        std::vector<std::string> titles;
        for (size_t i = 0; i < paths.size(); ++i)
            titles.push_back("Track " + std::to_string(i + 1));
        ASSERT_TRUE(SavePlaylist(paths, titles, settingsFolder.settingsFile()));
        PublishOptions settings(settingsFolder.settingsFile());
        settings.Set("Folder", folder.path("site"));
        settings.Set("Title", title);
        settings.Set("Player", folder.path("skin.swf"));
        settings.Set("AutoStart", "1");
        settings.Set("AutoNext", "0");
        settings.Set("Loop", "1");
        settings.Set("Random", "0");
        settings.Set("HTML", html);
        settings.Set("Runtime", runtime);
        ASSERT_TRUE(settings.Save());
        fs::create_directory(folder.path("site"));
        writeFile(folder.path("skin.swf"), {'F', 'W', 'S'});
    }

    PublishResult runJob(const std::string& runtimeFolder = "", std::stop_token stop = {}) {
        NoSpectrumAnalyser analyser;
        observer = RecordingObserver();
        return PublishJob(settingsFolder, analyser, observer, runtimeFolder).run(stop);
    }

    // A runtime as the build lays it out: npm's package, source maps
    // included, with the compressed copies of its scripts and WebAssembly.
    std::string makeRuntime() {
        fs::create_directory(folder.path("runtime"));
        for (const char* name : {"ruffle.js", "ruffle.js.map", "core.ruffle.ab12.js", "core.ruffle.ab12.js.map",
                                 "cd34.wasm", "cd34.wasm.br", "cd34.wasm.gz", "ruffle.js.br", "LICENSE_MIT",
                                 "package.json", "package.json.gz"})
            writeFile(folder.path(std::string("runtime/") + name), {'x'});
        return folder.path("runtime");
    }

    std::string output(const std::string& name) { return folder.path("site/output/" + name); }

    TemporaryFolder folder;
    SettingsFolder settingsFolder{folder.path("")};
    RecordingObserver observer;
    std::string runtime = "0";
};

int exitStatus(const std::string& command) {
    int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

} // namespace

TEST_F(PublishJobTest, WithoutAReadableSettingsFileTheJobEndsSayingWhatAndWhere) {
    std::string file = settingsFolder.settingsFile().string();
    runJob();
    EXPECT_EQ(observer.doneCalls, 1);
    EXPECT_EQ(observer.result.outcome, PublishOutcome::NothingPublished);
    EXPECT_EQ(describe(observer.result), "Cannot read the settings file " + file + ". (No such file or directory)");
    std::string broken = "<data Folder=\"x\"><item></data>";
    writeFile(file, Bytes(broken.begin(), broken.end()));
    EXPECT_EQ(describe(runJob()), "Cannot read the settings file " + file + ". (Start-end tags mismatch at byte 25)");
    writeFile(file, Bytes{'<', '!', '-', '-', 'x', '-', '-', '>'});
    EXPECT_EQ(describe(runJob()), "Cannot read the settings file " + file + ". (No document element found at byte 8)");
}

TEST_F(PublishJobTest, ADeletedTrackLeavesAGapAndTheRestIsPublished) {
    std::vector<std::string> paths = {makeMp3("a", 22050), makeMp3("b", 11025), makeMp3("c", 44100)};
    writeSettings(paths, "0");
    fs::remove(paths[1]);
    PublishResult result = runJob();
    EXPECT_EQ(result.outcome, PublishOutcome::SomeSkipped);
    EXPECT_EQ(result.published, 2);
    EXPECT_EQ(result.skipped, 1);
    EXPECT_TRUE(fs::exists(output("1.swf")));
    EXPECT_FALSE(fs::exists(output("2.swf")));
    EXPECT_TRUE(fs::exists(output("3.swf")));
    EXPECT_FALSE(fs::exists(output("Player.htm")));
    EXPECT_EQ(readFile(output("Player.swf")), (Bytes{'F', 'W', 'S'}));
    Bytes list = readFile(output("music_list.xml"));
    EXPECT_EQ(std::string(list.begin(), list.end()),
              "<data title=\"Mine\" autonext=\"0\" autostart=\"1\" looplist=\"1\" shufflelist=\"0\">"
              "<item><file>1.swf</file></item><item><file>3.swf</file></item></data>");
    ASSERT_EQ(observer.tracks.size(), 3u);
    EXPECT_EQ(observer.tracks[1].source, paths[1]);
    EXPECT_EQ(describe(observer.tracks[1]), "skipped, unsupported format");
    EXPECT_EQ(observer.positions, (std::vector<int>{100, 200, 300}));
    EXPECT_EQ(std::vector<std::string>(observer.events.begin(), observer.events.begin() + 4),
              (std::vector<std::string>{"start 1", "wait Generate specrum data", "wait ends", "track 1"}));
}

TEST_F(PublishJobTest, SevenTracksStepTheBarByFortyTwo) {
    std::string mp3 = makeMp3("a", 11025);
    writeSettings(std::vector<std::string>(7, mp3), "1");
    runJob();
    EXPECT_EQ(observer.positions, (std::vector<int>{42, 84, 126, 168, 210, 252, 294}));
    EXPECT_TRUE(fs::exists(output("Player.htm")));
}

TEST_F(PublishJobTest, AboveThreeHundredTracksTheBarStillMovesToFull) {
    // Tracks that cannot be read are quick, and the bar advances for them too.
    for (int count : {301, 1000}) {
        writeSettings(std::vector<std::string>(count, folder.path("gone.mp3")), "0");
        runJob();
        const std::vector<int>& positions = observer.positions;
        ASSERT_EQ(positions.size(), static_cast<size_t>(count));
        EXPECT_TRUE(std::is_sorted(positions.begin(), positions.end())) << count;
        EXPECT_EQ(std::set<int>(positions.begin(), positions.end()).size(), 301u) << count << " tracks: every position from 0 up";
        EXPECT_EQ(positions[count / 2 - 1], count == 1000 ? 150 : 149) << count;
        EXPECT_EQ(positions.back(), 300) << count;
    }
}

mode_t permissionsOf(const std::string& path) {
    struct stat status {};
    return ::stat(path.c_str(), &status) == 0 ? status.st_mode & 07777 : 0;
}

TEST_F(PublishJobTest, UnderAUmaskOf027EveryNewFileGetsItsPermissionsWhileAnotherThreadCreatesFiles) {
    writeSettings({makeMp3("a", 22050)}, "1");
    struct MaskFor027 {
        mode_t before = ::umask(027);
        ~MaskFor027() { ::umask(before); }
    } mask;
    // Any moment the publish set the umask aside would give this thread's
    // files the wrong permissions.
    std::atomic<bool> publishing{true};
    std::atomic<int> wrong{0};
    std::thread other([&] {
        for (int n = 0; publishing; ++n) {
            std::string name = folder.path("other" + std::to_string(n % 8));
            int file = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
            if (file < 0 || permissionsOf(name) != 0640)
                ++wrong;
            ::close(file);
            ::unlink(name.c_str());
        }
    });
    PublishResult result = runJob();
    std::vector<std::string> replaced;
    for (int n = 0; n < 300; ++n)
        if (!replaceFileAtomically(folder.path("new" + std::to_string(n)), "x"))
            replaced.push_back(folder.path("new" + std::to_string(n)));
    publishing = false;
    other.join();
    EXPECT_EQ(result.outcome, PublishOutcome::AllPublished);
    EXPECT_EQ(permissionsOf(folder.path("site/output")), 0750u);
    for (const char* name : {"1.swf", "music_list.xml", "Player.swf", "Player.htm", "embed.html"})
        EXPECT_EQ(permissionsOf(output(name)), 0640u) << name;
    ASSERT_EQ(replaced.size(), 300u);
    for (const std::string& file : replaced)
        ASSERT_EQ(permissionsOf(file), 0640u) << file;
    EXPECT_EQ(wrong, 0);
}

TEST_F(PublishJobTest, TheCommandLinePublishesTwiceIntoOneFolder) {
    std::string a = makeMp3("a", 22050), b = makeMp3("b", 44100);
    Bytes skin = writeSkinMovie();
    std::string site = folder.path("site");
    std::string common = std::string(PUBLISHER) + " --folder '" + site + "' --skin '" + folder.path("skin.swf") +
                         "' --html 0 2>/dev/null >/dev/null ";
    EXPECT_EQ(exitStatus(common + "'" + a + "=First' '" + b + "'"), 0);
    EXPECT_EQ(exitStatus(common + "'" + b + "' '" + folder.path("missing.mp3") + "'"), 1);
    EXPECT_FALSE(fs::exists(output("2.swf"))) << "a longer earlier playlist's movie is removed";
    Bytes list = readFile(output("music_list.xml"));
    EXPECT_EQ(std::string(list.begin(), list.end()).find("<item><file>1.swf</file></item></data>") != std::string::npos,
              true);
    EXPECT_FALSE(fs::exists(output("Player.htm")));
    EXPECT_EQ(readFile(output("Player.swf")), skin);
}

TEST_F(PublishJobTest, TheCommandLineRefusesBadArguments) {
    std::string publisher = std::string(PUBLISHER) + " 2>/dev/null ";
    EXPECT_EQ(exitStatus(publisher), 2);
    EXPECT_EQ(exitStatus(publisher + "--folder x"), 2);
    EXPECT_EQ(exitStatus(publisher + "--folder x --loop 2 a.mp3"), 2);
    EXPECT_EQ(exitStatus(publisher + "--folder x --colour red a.mp3"), 2);
    EXPECT_EQ(exitStatus(publisher + "--folder x --skin '" + folder.path("none.swf") + "' a.mp3"), 2);
    EXPECT_EQ(exitStatus(publisher + "--demo --folder x a.mp3"), 2);
}

TEST_F(PublishJobTest, TheCommandLineConvertsWhatThePlayersCannotStream) {
    writeToneWav(folder.path("voice.wav"), 22050, 1, 1.0);
    ASSERT_TRUE(run("sox -n -r 48000 -c 2 '" + folder.path("song48k.wav") + "' synth 1 sine 440"));
    ASSERT_TRUE(run("lame --quiet '" + folder.path("song48k.wav") + "' '" + folder.path("song48k.mp3") + "'"));
    ASSERT_TRUE(run("sox -n -r 44100 -c 2 -b 16 '" + folder.path("take.aiff") + "' synth 1 sine 600"));
    writeSkinMovie();
    std::string command = std::string(PUBLISHER) + " --folder '" + folder.path("site") + "' --skin '" +
                          folder.path("skin.swf") + "' 2>/dev/null >/dev/null ";
    EXPECT_EQ(exitStatus(command + "'" + folder.path("voice.wav") + "' '" + folder.path("song48k.mp3") + "' '" +
                         folder.path("take.aiff") + "'"),
              0);
    for (const char* movie : {"1.swf", "2.swf", "3.swf"}) {
        transform::FSMovieHeader header;
        ASSERT_TRUE(transform::decodeMovieFile(output(movie).c_str(), &header)) << movie;
        // One second at 38 frames per second, with the encoder's padding.
        EXPECT_GE(header.frameCount, 38) << movie;
        EXPECT_LE(header.frameCount, 42) << movie;
    }

    writeFile(folder.path("broken.mp3"), Bytes(100, 0x11));
    EXPECT_EQ(exitStatus(command + "'" + folder.path("broken.mp3") + "'"), 1);
}

TEST_F(PublishJobTest, TheRuntimeIsBundledAndLoadedByThePage) {
    runtime = ""; // absent reads as "1"
    writeSettings({makeMp3("a", 22050)}, "1");
    runJob(makeRuntime());
    ASSERT_EQ(observer.tracks.size(), 1u);
    EXPECT_EQ(observer.tracks[0].outcome, TrackOutcome::Published);
    std::vector<std::string> copied;
    for (const auto& entry : fs::directory_iterator(output("ruffle")))
        copied.push_back(entry.path().filename().string());
    std::sort(copied.begin(), copied.end());
    EXPECT_EQ(copied, (std::vector<std::string>{"LICENSE_MIT", "cd34.wasm", "cd34.wasm.br", "cd34.wasm.gz",
                                                "core.ruffle.ab12.js", "ruffle.js", "ruffle.js.br"}));
    auto stored = resources::findResource("HTM", 216);
    std::string page(stored.begin(), stored.end());
    Bytes written = readFile(output("Player.htm"));
    size_t head = page.find("</head>");
    EXPECT_EQ(std::string(written.begin(), written.end()),
              page.substr(0, head) + runtimeScript("1.swf") + page.substr(head));
}

TEST_F(PublishJobTest, WithoutTheRuntimeThePageIsTheStoredOne) {
    writeSettings({makeMp3("a", 22050)}, "1");
    runJob(makeRuntime());
    auto stored = resources::findResource("HTM", 216);
    EXPECT_EQ(readFile(output("Player.htm")), Bytes(stored.begin(), stored.end()));
    EXPECT_FALSE(fs::exists(output("ruffle")));

    runtime = "1";
    writeSettings({makeMp3("a", 22050)}, "1");
    auto before = snapshot(folder.path("site"));
    PublishResult result = runJob(folder.path("no-runtime-here"));
    EXPECT_EQ(result.outcome, PublishOutcome::NothingPublished);
    ASSERT_TRUE(result.failure);
    EXPECT_EQ(result.failure->step, PublishStep::Runtime);
    EXPECT_EQ(describe(result).rfind("Cannot copy the player runtime from " + folder.path("no-runtime-here"), 0), 0u);
    EXPECT_EQ(snapshot(folder.path("site")), before) << "the old player stays as it was";
}

namespace {

// Writes bars for the first track only, as an analyser that fails on the
// second would.
struct FirstTrackOnlyAnalyser : SpectrumAnalyser {
    int calls = 0;
    AnalyserIdentity identity() const override { return {true, hashBytes("first track only")}; }
    bool run(const std::string&, const fs::path& dataPath, std::stop_token) override {
        if (++calls > 1)
            return true;
        std::string lines;
        for (int i = 0; i < 200; ++i)
            lines += std::to_string(i) + ":20;20;20;20;20;20;20;20;20;20;\n";
        writeFile(dataPath.string(), Bytes(lines.begin(), lines.end()));
        return true;
    }
};

// Without bars only the first frame has actions (its title and length).
bool hasBars(const std::string& movie) {
    auto decoded = transform::decodeMovieFile(movie.c_str());
    int actionTags = 0;
    for (const transform::FSMovieObject* tag : decoded->getObjects())
        actionTags += tag->type == transform::FSMovieObject::DoAction ? 1 : 0;
    return actionTags > 1;
}

} // namespace

TEST_F(PublishJobTest, ATrackWhoseAnalysisWritesNothingGetsNoEarlierTracksBars) {
    std::string mp3 = makeMp3("a", 22050);
    writeSettings({mp3, mp3}, "0");
    FirstTrackOnlyAnalyser analyser;
    PublishJob(settingsFolder, analyser, observer, "", {1, std::nullopt}).run();
    EXPECT_TRUE(hasBars(output("1.swf")));
    EXPECT_FALSE(hasBars(output("2.swf")));
}

namespace {

// Writes of more than `bytes` into one file fail with "File too large",
// as a full disk makes them fail, for as long as the object lives.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit{bytes, saved.rlim_max};
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &saved); }

private:
    rlimit saved{};
};

} // namespace

TEST_F(PublishJobTest, AFailingWriterAtEachStepLeavesTheOldPlayerByteForByte) {
    // Every file of this player fits under the limit but the page.
    const rlim_t Limit = 1500;
    runtime = "1";
    std::string tiny = makeMp3("tiny", 11025, 0.1);
    writeSettings({tiny}, "1");
    std::string runtimeFolder = makeRuntime();
    ASSERT_EQ(runJob(runtimeFolder).outcome, PublishOutcome::AllPublished);
    ASSERT_LT(fs::file_size(output("1.swf")), Limit);
    writeFile(output("index.html"), {'m', 'i', 'n', 'e'});
    auto before = snapshot(folder.path("site"));
    std::string items = "<item><file>1.swf</file></item>";
    std::string bigFile(2 * Limit, 'x');

    struct Case {
        PublishStep step;
        std::function<void()> arrange;
    };
    std::vector<Case> cases = {
        {PublishStep::TrackMovie, [&] { writeSettings({makeMp3("long", 44100, 3.0)}, "1"); }},
        {PublishStep::MusicList, [&] { writeSettings({tiny}, "1", bigFile); }},
        // The options make the document just long enough to fail.
        {PublishStep::PlayerOptions,
         [&] { writeSettings({tiny}, "1", std::string(Limit - musicListText("", items).size() - 5, 't')); }},
        {PublishStep::PlayerMovie,
         [&] {
             writeSettings({tiny}, "1");
             writeFile(folder.path("skin.swf"), Bytes(bigFile.begin(), bigFile.end()));
         }},
        {PublishStep::Runtime,
         [&] {
             writeSettings({tiny}, "1");
             writeFile(runtimeFolder + "/cd34.wasm", Bytes(bigFile.begin(), bigFile.end()));
         }},
        {PublishStep::PlayerPage,
         [&] {
             writeSettings({tiny}, "1");
             writeFile(runtimeFolder + "/cd34.wasm", {'x'});
         }},
    };
    for (const Case& failing : cases) {
        failing.arrange();
        PublishResult result;
        {
            FileSizeLimit limit(Limit);
            result = runJob(runtimeFolder);
        }
        EXPECT_EQ(result.outcome, PublishOutcome::NothingPublished) << describe(result);
        ASSERT_TRUE(result.failure) << describe(result);
        EXPECT_EQ(result.failure->step, failing.step) << describe(result);
        EXPECT_TRUE(result.failure->error == std::errc::file_too_large) << result.failure->error.message();
        EXPECT_NE(describe(result).find(folder.path("site/output")), std::string::npos) << describe(result);
        EXPECT_EQ(snapshot(folder.path("site")), before) << describe(result);
    }
}

TEST_F(PublishJobTest, ARepublishKeepsTheUsersFilesAndDropsTunemillsOldOnes) {
    std::string a = makeMp3("a", 22050);
    runtime = "1";
    writeSettings({a, a, a}, "1");
    ASSERT_EQ(runJob(makeRuntime()).outcome, PublishOutcome::AllPublished);
    writeFile(output("index.html"), {'m', 'i', 'n', 'e'});
    fs::create_directories(output("pictures/old"));
    writeFile(output("pictures/old/cover.jpg"), {1, 2});
    writeFile(folder.path("elsewhere"), {7});
    fs::create_symlink(folder.path("elsewhere"), output("link"));
    fs::path userFile = output("index.html");
    auto inode = [](const fs::path& file) {
        struct stat status {};
        lstat(file.c_str(), &status);
        return status.st_ino;
    };
    auto userInode = inode(userFile);

    runtime = "0";
    writeSettings({a}, "0");
    ASSERT_EQ(runJob().outcome, PublishOutcome::AllPublished);
    EXPECT_EQ(readFile(output("index.html")), (Bytes{'m', 'i', 'n', 'e'}));
    EXPECT_EQ(inode(userFile), userInode) << "hard-linked, not copied";
    EXPECT_EQ(readFile(output("pictures/old/cover.jpg")), (Bytes{1, 2}));
    EXPECT_EQ(fs::read_symlink(output("link")), folder.path("elsewhere"));
    EXPECT_EQ(observer.staleMovies, 2);
    for (const char* gone : {"2.swf", "3.swf", "Player.htm", "ruffle"})
        EXPECT_FALSE(fs::exists(output(gone))) << gone;
    std::vector<std::string> beside;
    for (const auto& entry : fs::directory_iterator(folder.path("site")))
        beside.push_back(entry.path().filename().string());
    EXPECT_EQ(beside, (std::vector<std::string>{"output"}));
}

// Links planted where the player's files go are replaced, never written
// through: what they point at keeps its bytes.
TEST_F(PublishJobTest, LinksInTheOutputKeepTheirTargetsIntact) {
    std::string a = makeMp3("a", 22050);
    runtime = "1";
    writeSettings({a, a}, "1");
    std::string runtimeFolder = makeRuntime();
    ASSERT_EQ(runJob(runtimeFolder).outcome, PublishOutcome::AllPublished);
    writeFile(folder.path("outside"), {'k', 'e', 'e', 'p'});
    for (const char* planted : {"1.swf", "music_list.xml", "Player.htm", "ruffle/ruffle.js"}) {
        fs::remove(output(planted));
        fs::create_symlink(folder.path("outside"), output(planted));
    }
    ASSERT_EQ(runJob(runtimeFolder).outcome, PublishOutcome::AllPublished);
    EXPECT_EQ(readFile(folder.path("outside")), (Bytes{'k', 'e', 'e', 'p'}));
    for (const char* planted : {"1.swf", "music_list.xml", "Player.htm", "ruffle/ruffle.js"})
        EXPECT_FALSE(fs::is_symlink(output(planted))) << planted;
}

TEST_F(PublishJobTest, ARepublishWhereNoTrackCanBeUsedLeavesThePlayerAsItWas) {
    writeSettings({makeMp3("a", 22050), makeMp3("b", 22050)}, "1");
    ASSERT_EQ(runJob().outcome, PublishOutcome::AllPublished);
    auto before = snapshot(folder.path("site"));
    writeFile(folder.path("noise.mp3"), Bytes(4000, 0x11));
    writeSettings({folder.path("noise.mp3")}, "1");
    PublishResult result = runJob();
    EXPECT_EQ(result.outcome, PublishOutcome::NothingPublished);
    EXPECT_EQ(describe(result), "The track could not be published.");
    EXPECT_EQ(observer.staleMovies, 0);
    EXPECT_EQ(snapshot(folder.path("site")), before);
}

TEST_F(PublishJobTest, AnOutputThatIsNoFolderIsRefusedAndALinkedOneIsFollowed) {
    writeSettings({makeMp3("a", 22050)}, "0");
    std::string site = folder.path("site/output");
    writeFile(site, {'x'});
    PublishResult result = runJob();
    EXPECT_EQ(result.outcome, PublishOutcome::NothingPublished);
    EXPECT_EQ(describe(result), "Cannot publish into " + folder.path("site/output") + ". (Not a directory)");
    EXPECT_EQ(readFile(site), (Bytes{'x'}));

    fs::remove(site);
    fs::create_directory(folder.path("real"));
    fs::create_symlink(folder.path("real"), site);
    ASSERT_EQ(runJob().outcome, PublishOutcome::AllPublished);
    EXPECT_TRUE(fs::is_symlink(site));
    EXPECT_TRUE(fs::exists(folder.path("real/1.swf")));
    std::vector<std::string> beside;
    for (const auto& entry : fs::directory_iterator(folder.path("")))
        if (entry.path().filename().string()[0] == '.')
            beside.push_back(entry.path().filename().string());
    EXPECT_TRUE(beside.empty()) << beside[0];
}

TEST_F(PublishJobTest, WhatAKilledRunLeftBesideTheOutputIsRemoved) {
    writeSettings({makeMp3("a", 22050)}, "0");
    ASSERT_EQ(runJob().outcome, PublishOutcome::AllPublished);
    fs::create_directories(folder.path("site/.output.tunemill-Ab12Cd/ruffle"));
    fs::create_directories(folder.path("site/.output.tunemill-Ef34Gh-old"));
    writeFile(folder.path("site/.output.tunemill-Ab12Cd/1.swf"), {1});
    writeFile(folder.path("site/notes.txt"), {2});
    ASSERT_EQ(runJob().outcome, PublishOutcome::AllPublished);
    std::vector<std::string> beside;
    for (const auto& entry : fs::directory_iterator(folder.path("site")))
        beside.push_back(entry.path().filename().string());
    std::sort(beside.begin(), beside.end());
    EXPECT_EQ(beside, (std::vector<std::string>{"notes.txt", "output"}));
}

TEST_F(PublishJobTest, AStopBeforeOrBetweenTracksLeavesTheOldPlayer) {
    std::string a = makeMp3("a", 22050);
    writeSettings({a}, "1");
    ASSERT_EQ(runJob().outcome, PublishOutcome::AllPublished);
    auto before = snapshot(folder.path("site"));
    writeSettings({a, a, a}, "0");

    std::stop_source stopped;
    stopped.request_stop();
    EXPECT_EQ(runJob("", stopped.get_token()).outcome, PublishOutcome::Cancelled);
    EXPECT_EQ(snapshot(folder.path("site")), before);

    // Stopped as the second track is reported, from the job's own thread.
    struct StoppingObserver : RecordingObserver {
        std::stop_source source;
        void trackDone(const TrackReport& report) override {
            RecordingObserver::trackDone(report);
            if (report.number == 2)
                source.request_stop();
        }
    } stopping;
    NoSpectrumAnalyser analyser;
    PublishResult result = PublishJob(settingsFolder, analyser, stopping).run(stopping.source.get_token());
    EXPECT_EQ(result.outcome, PublishOutcome::Cancelled);
    EXPECT_EQ(stopping.result.outcome, PublishOutcome::Cancelled);
    EXPECT_LE(stopping.tracks.size(), 2u);
    EXPECT_EQ(snapshot(folder.path("site")), before);
}

TEST_F(PublishJobTest, ASecondPublishIntoTheFolderWaitsForTheFirstAndSaysSo) {
    writeSettings({makeMp3("a", 22050)}, "0");
    FolderLock first;
    ASSERT_TRUE(first.tryAcquire(folder.path("site")));
    struct WaitingObserver : RecordingObserver {
        std::atomic<bool> heard{false};
        void notice(const Notice& notice) override {
            RecordingObserver::notice(notice);
            heard = true;
        }
    } waiting;
    std::atomic<bool> finished{false};
    std::thread second([&] {
        NoSpectrumAnalyser analyser;
        PublishJob(settingsFolder, analyser, waiting).run();
        finished = true;
    });
    for (int i = 0; i < 500 && !waiting.heard; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    EXPECT_TRUE(waiting.heard);
    EXPECT_FALSE(finished) << "it does not publish while the first holds the folder";
    first = FolderLock();
    second.join();
    EXPECT_EQ(waiting.result.outcome, PublishOutcome::AllPublished);
    ASSERT_EQ(waiting.notices.size(), 1u);
    EXPECT_EQ(describe(waiting.notices[0]),
              "Waiting for the other publish into " + folder.path("site/output") + " to finish");
}

TEST_F(PublishJobTest, TheEmbedPageFramesThePlayerAtItsStageSize) {
    writeSettings({makeMp3("a", 22050)}, "1");
    transform::FSMovie skin(transform::FSBounds(0, 0, 205 * 20, 25 * 20), 12.0f);
    skin.encodeToFile(folder.path("skin.swf").c_str());
    runJob();
    Bytes page = readFile(output("embed.html"));
    std::string text(page.begin(), page.end());
    EXPECT_NE(text.find("width: 205px; height: 25px;"), std::string::npos) << text;
    EXPECT_NE(text.find("width=\"205\" height=\"25\""), std::string::npos) << text;
    EXPECT_EQ(text.find("ruffle.js"), std::string::npos) << "no runtime asked for";

    runtime = "1";
    writeSettings({makeMp3("a", 22050)}, "1"); // a player that is no movie
    runJob(makeRuntime());
    page = readFile(output("embed.html"));
    text.assign(page.begin(), page.end());
    EXPECT_NE(text.find("width=\"300\" height=\"60\""), std::string::npos) << "the player page's size";
    EXPECT_NE(text.find(runtimeScript("1.swf")), std::string::npos) << "the runtime as the player page loads it";

    fs::remove(output("embed.html"));
    writeSettings({makeMp3("a", 22050)}, "0");
    runJob();
    EXPECT_FALSE(fs::exists(output("embed.html"))) << "made only with the web page";
}

TEST_F(PublishJobTest, LyricsComeFromTheFinderUnlessTurnedOff) {
    std::string mp3 = makeMp3("a", 22050);
    writeSettings({mp3}, "0");
    std::vector<std::string> asked;
    auto publishWithFinder = [&] {
        NoSpectrumAnalyser analyser;
        PublishJob job(settingsFolder, analyser, observer);
        job.findLyricsWith([&asked](const std::string& path) {
            asked.push_back(path);
            return std::string("[00:00.10]Hello");
        });
        job.run();
        return transform::decodeMovieFile(output("1.swf").c_str());
    };
    auto hasLyric = [](const transform::FSMovie& movie) {
        for (const transform::FSMovieObject* tag : movie.getObjects())
            if (auto* actions = dynamic_cast<const transform::FSDoAction*>(tag))
                for (const transform::FSActionObject* action : actions->actions)
                    if (auto* push = dynamic_cast<const transform::FSPush*>(action))
                        if (std::string(dynamic_cast<const transform::FSString*>(push->values[0])->getText()) == "LRC")
                            return true;
        return false;
    };
    EXPECT_TRUE(hasLyric(*publishWithFinder()));
    EXPECT_EQ(asked, (std::vector<std::string>{mp3}));
    PublishOptions settings(settingsFolder.settingsFile());
    settings.Set("Lyrics", "0");
    ASSERT_TRUE(settings.Save());
    EXPECT_FALSE(hasLyric(*publishWithFinder()));
    EXPECT_EQ(asked.size(), 1u) << "not even looked for";
}
