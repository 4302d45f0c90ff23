#include "RecordingObserver.h"
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
#include <filesystem>
#include <sys/wait.h>

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

    std::string makeMp3(const std::string& name, int rate) {
        std::string wav = folder.path(name + ".wav"), mp3 = folder.path(name + ".mp3");
        writeToneWav(wav, rate, 1, 1.0);
        EXPECT_TRUE(run("lame --quiet '" + wav + "' '" + mp3 + "'"));
        return mp3;
    }

    void writeSettings(const std::vector<std::string>& paths, const std::string& html) {
        std::vector<std::string> titles;
        for (size_t i = 0; i < paths.size(); ++i)
            titles.push_back("Track " + std::to_string(i + 1));
        ASSERT_TRUE(SavePlaylist(paths, titles, settingsFolder.settingsFile()));
        PublishOptions settings(settingsFolder.settingsFile());
        settings.Set("Folder", folder.path("site"));
        settings.Set("Title", "Mine");
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

    void runJob(const std::string& runtimeFolder = "") {
        NoSpectrumAnalyser analyser;
        PublishJob(settingsFolder, analyser, observer, runtimeFolder).run();
    }

    // A runtime package as npm lays it out, source maps included.
    std::string makeRuntime() {
        fs::create_directory(folder.path("runtime"));
        for (const char* name : {"ruffle.js", "ruffle.js.map", "core.ruffle.ab12.js", "core.ruffle.ab12.js.map",
                                 "cd34.wasm", "LICENSE_MIT", "package.json"})
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

TEST_F(PublishJobTest, WithoutASettingsFileTheJobEndsWithAFailure) {
    runJob();
    EXPECT_EQ(observer.doneCalls, 1);
    EXPECT_FALSE(observer.ran);
    EXPECT_NE(observer.whyNot.find("Songbox.sbx"), std::string::npos);
}

TEST_F(PublishJobTest, ADeletedTrackLeavesAGapAndTheRestIsPublished) {
    std::vector<std::string> paths = {makeMp3("a", 22050), makeMp3("b", 11025), makeMp3("c", 44100)};
    writeSettings(paths, "0");
    fs::remove(paths[1]);
    runJob();
    EXPECT_TRUE(observer.ran);
    EXPECT_TRUE(fs::exists(output("1.swf")));
    EXPECT_FALSE(fs::exists(output("2.swf")));
    EXPECT_TRUE(fs::exists(output("3.swf")));
    EXPECT_FALSE(fs::exists(output("Player.htm")));
    EXPECT_EQ(readFile(output("Player.swf")), (Bytes{'F', 'W', 'S'}));
    Bytes list = readFile(output("music_list.xml"));
    EXPECT_EQ(std::string(list.begin(), list.end()),
              "<data title=\"Mine\" autonext=\"0\" autostart=\"1\" looplist=\"1\" shufflelist=\"0\">"
              "<item><file>1.swf</file></item><item><file>3.swf</file></item></data>");
    ASSERT_EQ(observer.alerts.size(), 1u);
    EXPECT_EQ(observer.alerts[0].text, paths[1] + " \n- unsupported format!");
    EXPECT_EQ(observer.alerts[0].caption, "Build Swf");
    EXPECT_EQ(observer.positions, (std::vector<int>{100, 200, 300}));
    EXPECT_EQ(observer.events.front(), "wait Generate specrum data");
}

TEST_F(PublishJobTest, SevenTracksStepTheBarByFortyTwo) {
    std::string mp3 = makeMp3("a", 11025);
    writeSettings(std::vector<std::string>(7, mp3), "1");
    runJob();
    EXPECT_EQ(observer.positions, (std::vector<int>{42, 84, 126, 168, 210, 252, 294}));
    EXPECT_TRUE(fs::exists(output("Player.htm")));
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
    EXPECT_TRUE(observer.alerts.empty());
    std::vector<std::string> copied;
    for (const auto& entry : fs::directory_iterator(output("ruffle")))
        copied.push_back(entry.path().filename().string());
    std::sort(copied.begin(), copied.end());
    EXPECT_EQ(copied, (std::vector<std::string>{"LICENSE_MIT", "cd34.wasm", "core.ruffle.ab12.js", "ruffle.js"}));
    auto stored = resources::findResource("HTM", 216);
    std::string page(stored.begin(), stored.end());
    Bytes written = readFile(output("Player.htm"));
    size_t head = page.find("</head>");
    EXPECT_EQ(std::string(written.begin(), written.end()),
              page.substr(0, head) + RuntimeScript + page.substr(head));
}

TEST_F(PublishJobTest, WithoutTheRuntimeThePageIsTheStoredOne) {
    writeSettings({makeMp3("a", 22050)}, "1");
    runJob(makeRuntime());
    auto stored = resources::findResource("HTM", 216);
    EXPECT_EQ(readFile(output("Player.htm")), Bytes(stored.begin(), stored.end()));
    EXPECT_FALSE(fs::exists(output("ruffle")));

    runtime = "1";
    writeSettings({makeMp3("a", 22050)}, "1");
    runJob(folder.path("no-runtime-here"));
    ASSERT_EQ(observer.failures.size(), 1u);
    EXPECT_EQ(observer.failures[0].step, PublishStep::Runtime);
    EXPECT_EQ(observer.alerts[0].text.rfind("Cannot copy the player runtime from " + folder.path("no-runtime-here"), 0), 0u);
    EXPECT_EQ(readFile(output("Player.htm")), Bytes(stored.begin(), stored.end()));
}

namespace {

// Writes bars for the first track only, as an analyser that fails on the
// second would.
struct FirstTrackOnlyAnalyser : SpectrumAnalyser {
    int calls = 0;
    bool run(const std::string&, const fs::path& dataPath) override {
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
    PublishJob(settingsFolder, analyser, observer).run();
    EXPECT_TRUE(hasBars(output("1.swf")));
    EXPECT_FALSE(hasBars(output("2.swf")));
}

TEST_F(PublishJobTest, EveryStepThatCannotWriteItsFileIsReported) {
    writeSettings({makeMp3("a", 22050)}, "1");
    fs::create_directories(output("music_list.xml"));
    fs::create_directories(output("Player.htm"));
    fs::remove(folder.path("skin.swf"));
    runJob(makeRuntime());
    EXPECT_TRUE(observer.ran);
    std::vector<PublishStep> steps;
    for (const StepFailure& failure : observer.failures)
        steps.push_back(failure.step);
    EXPECT_EQ(steps, (std::vector<PublishStep>{PublishStep::MusicList, PublishStep::PlayerMovie,
                                               PublishStep::PlayerPage}));
    EXPECT_EQ(observer.alerts[0].text, "Cannot write the playlist document " + output("music_list.xml") +
                                           ".\nIs a directory");
    EXPECT_EQ(observer.alerts[0].caption, "Tunemill");
    EXPECT_EQ(describe(observer.failures[1]), "Cannot copy the player movie " + folder.path("skin.swf") + " to " +
                                                  output("Player.swf") + ". (No such file or directory)");
    EXPECT_TRUE(fs::exists(output("1.swf"))) << "the tracks are published all the same";
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
    EXPECT_NE(text.find(RuntimeScript), std::string::npos) << "the runtime as the player page loads it";

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
