#include "CommandLine.h"
#include "tests/support/FolderSnapshot.h"
#include "tests/preview/HttpRequests.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace testing_support;
namespace fs = std::filesystem;

namespace {

CommandResult publish(const std::string& arguments, const std::string& program = PUBLISHER) {
    return runPublisher(arguments, program);
}

// The publisher running in the background; its first line of standard
// output is read when asked for.
class Serving {
public:
    explicit Serving(const std::vector<std::string>& arguments) {
        int out = -1;
        child = startPublisher(arguments, {}, STDOUT_FILENO, out);
        if (child > 0)
            output = fdopen(out, "r");
    }
    ~Serving() {
        if (child > 0 && status == -1)
            stop();
        if (output)
            std::fclose(output);
    }
    std::string firstLine() {
        char line[512] = {};
        if (!output || !std::fgets(line, sizeof line, output))
            return "";
        std::string text = line;
        return text.substr(0, text.find('\n'));
    }
    int stop(int signal = SIGTERM) {
        kill(child, signal);
        int raw;
        waitpid(child, &raw, 0);
        status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        return status;
    }

private:
    pid_t child = -1;
    std::FILE* output = nullptr;
    int status = -1;
};

int portOf(const std::string& address) {
    size_t colon = address.rfind(':');
    return colon == std::string::npos ? 0 : std::atoi(address.c_str() + colon + 1);
}

class CommandLineTest : public ::testing::Test {
protected:
    void SetUp() override {
        writeToneWav(folder.path("tone.wav"), 22050, 1, 1.0);
        ASSERT_TRUE(run("lame --quiet '" + folder.path("tone.wav") + "' '" + mp3 + "'"));
    }

    TemporaryFolder folder;
    std::string mp3 = folder.path("tone.mp3");
    std::string site = folder.path("site");
};

} // namespace

// A converted file is kept in the cache: the next run converts nothing and
// publishes the same bytes as a run without the cache.
TEST_F(CommandLineTest, AConversionIsTakenFromTheCacheTheNextTime) {
    std::string withCache = "XDG_CACHE_HOME='" + folder.path("cache") + "' " + PUBLISHER;
    std::string arguments = "--runtime 0 --folder '" + site + "' '" + folder.path("tone.wav") + "'";
    CommandResult first = publish(arguments, withCache);
    ASSERT_EQ(first.status, 0) << first.said;
    EXPECT_NE(first.said.find("Converting " + folder.path("tone.wav") + " to MP3 at 22050 Hz\n"), std::string::npos)
        << first.said;
    auto published = snapshot(site + "/output");

    CommandResult again = publish(arguments, withCache);
    ASSERT_EQ(again.status, 0) << again.said;
    EXPECT_EQ(again.said.find("Converting"), std::string::npos) << again.said;
    EXPECT_EQ(snapshot(site + "/output"), published);

    CommandResult uncached = publish("--no-cache " + arguments, withCache);
    ASSERT_EQ(uncached.status, 0) << uncached.said;
    EXPECT_NE(uncached.said.find("Converting"), std::string::npos);
    EXPECT_EQ(snapshot(site + "/output"), published);
}

// A FIFO in each entry's place would hold any open or read of it until some
// writer came: each is a miss, made again, and the publish (whose trimming
// of the cache meets one more) ends by itself.
TEST_F(CommandLineTest, FifosInTheCacheEntriesPlacesAreMissesNeverWaitedOn) {
    std::string cache = folder.path("cache"), wav = folder.path("other.wav");
    writeToneWav(wav, 22050, 1, 1.0, 660.0);
    std::vector<std::string> arguments = {"--html", "0", "--runtime", "0", "--folder", site, mp3, wav};
    std::string words = "--html 0 --runtime 0 --folder '" + site + "' '" + mp3 + "' '" + wav + "'";
    ASSERT_EQ(publish("--no-cache " + words).status, 0);
    auto uncached = snapshot(site + "/output");
    ASSERT_EQ(publish(words, "XDG_CACHE_HOME='" + cache + "' " + PUBLISHER).status, 0);

    std::vector<fs::path> entries;
    for (const auto& entry : fs::recursive_directory_iterator(cache))
        if (entry.is_regular_file())
            entries.push_back(entry.path());
    ASSERT_EQ(entries.size(), 5u) << "two movies, two analyses, one conversion";
    for (const fs::path& entry : entries) {
        fs::remove(entry);
        ASSERT_EQ(mkfifo(entry.c_str(), 0644), 0) << entry;
    }
    // Named as a writer that died an hour ago would have left it.
    std::string abandoned = cache + "/tunemill/movies/.tmp-abandoned";
    ASSERT_EQ(mkfifo(abandoned.c_str(), 0644), 0);
    fs::last_write_time(abandoned, fs::file_time_type::clock::now() - std::chrono::hours(1));
    RunningPublisher again(arguments, {"XDG_CACHE_HOME=" + cache});
    ASSERT_TRUE(again.waitFor("Published 2 of 2 tracks")) << "not done within a minute: " << again.said();
    EXPECT_EQ(again.wait(), 0) << again.said();
    EXPECT_EQ(snapshot(site + "/output"), uncached);
    for (const fs::path& entry : entries)
        EXPECT_TRUE(fs::is_regular_file(entry)) << entry << " is an entry again";
    EXPECT_FALSE(fs::exists(fs::symlink_status(abandoned)));
}

TEST_F(CommandLineTest, AnOutputThatIsNoFolderIsRefusedWithTheReasonAndLeftAlone) {
    fs::create_directories(site);
    writeFile(site + "/output", {'x'});
    CommandResult result = publish("--folder '" + site + "' '" + mp3 + "'");
    EXPECT_EQ(result.status, 1);
    EXPECT_NE(result.said.find("Cannot publish into " + site + "/output. (Not a directory)"), std::string::npos)
        << result.said;
    EXPECT_EQ(result.said.find("To play it"), std::string::npos);
    EXPECT_EQ(snapshot(site), (std::map<std::string, std::string>{{"output", "x"}}));

    fs::remove_all(site);
    writeFile(site, {'x'}); // the folder's place is taken by a file
    result = publish("--folder '" + site + "' '" + mp3 + "'");
    EXPECT_EQ(result.status, 1);
    EXPECT_NE(result.said.find("cannot prepare the folder"), std::string::npos) << result.said;
}

TEST_F(CommandLineTest, AProgramWithoutItsRuntimeSaysWhereItLookedAndFails) {
    fs::create_directories(folder.path("alone/bin"));
    std::string copy = folder.path("alone/bin/tunemill-publish");
    fs::copy_file(PUBLISHER, copy);
    CommandResult result = publish("--folder '" + site + "' '" + mp3 + "'", copy);
    EXPECT_EQ(result.status, 1);
    EXPECT_NE(result.said.find("the SWF runtime is not found (looked in " + folder.path("alone/bin/ruffle") + ", " +
                                 folder.path("alone/share/tunemill/ruffle") + ")"),
              std::string::npos)
        << result.said;
    EXPECT_FALSE(fs::exists(site + "/output")) << "nothing is published that would not play";

    result = publish("--runtime 0 --folder '" + site + "' '" + mp3 + "'", copy);
    EXPECT_EQ(result.status, 0) << result.said;
    EXPECT_NE(result.said.find("the tracks get no spectrum bars"), std::string::npos) << result.said;
    EXPECT_TRUE(fs::exists(site + "/output/1.swf"));
}

TEST_F(CommandLineTest, ServesWhatItPublishesUntilStopped) {
    Serving serving({"--serve", "--folder", site, mp3 + "=Tone"});
    std::string address = serving.firstLine();
    ASSERT_EQ(address.rfind("http://127.0.0.1:", 0), 0u) << address;
    ASSERT_EQ(address.substr(address.size() - 11), "/Player.htm");
    HttpResponse page = httpGet(portOf(address), "/Player.htm");
    EXPECT_EQ(page.status, 200);
    EXPECT_NE(page.body.find("ruffle/ruffle.js"), std::string::npos);
    EXPECT_EQ(httpGet(portOf(address), "/1.swf").status, 200);
    EXPECT_EQ(serving.stop(SIGINT), 0);
    EXPECT_FALSE(accepts("127.0.0.1", portOf(address)));
}

TEST_F(CommandLineTest, ServesAnEarlierPublishWithoutFilesAndRefusesAnEmptyFolder) {
    EXPECT_EQ(publish("--serve --folder '" + folder.path("nothing") + "'").status, 1);
    ASSERT_EQ(publish("--html 0 --folder '" + site + "' '" + mp3 + "'").status, 0);
    Serving serving({"--serve", "--port", "0", "--folder", site});
    std::string address = serving.firstLine();
    ASSERT_EQ(address.substr(address.size() - 11), "/Player.swf") << "no page was asked for";
    EXPECT_EQ(httpGet(portOf(address), "/music_list.xml").status, 200);
    EXPECT_EQ(serving.stop(), 0);
}

TEST_F(CommandLineTest, RefusesServingOptionsWithoutServe) {
    EXPECT_EQ(publish("--folder x --open '" + mp3 + "'").status, 2);
    EXPECT_EQ(publish("--folder x --serve --port 70000").status, 2);
    EXPECT_EQ(publish("--folder x --port 8080 '" + mp3 + "'").status, 2);
}

TEST_F(CommandLineTest, HelpAndVersionGoToStandardOutputAndAMistakeToStandardErrorWithItsStatus) {
    EXPECT_EQ(publish("--help").status, 0);
    EXPECT_EQ(outputOf(std::string(PUBLISHER) + " --version 2>&1"), "tunemill-publish 1.2.2\n");
    CommandResult result = publish("--unknown --folder x '" + mp3 + "'");
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.said, "tunemill-publish: unknown option --unknown\nRun with --help for more information.\n");
}

TEST_F(CommandLineTest, ASkinMustBeAnSwfMovie) {
    std::string notes = folder.path("notes.xml"), broken = folder.path("broken.swf");
    writeFile(notes, Bytes{'<', 'a', '/', '>'});
    writeFile(broken, Bytes{'F', 'W', 'S', 7, 0xFF, 0xFF, 0xFF, 0x7F, 0x78});
    CommandResult text = publish("--skin '" + notes + "' --folder '" + site + "' '" + mp3 + "'");
    EXPECT_EQ(text.status, 2);
    EXPECT_NE(text.said.find("the skin " + notes + " is not an SWF movie (it does not begin with the signature"),
              std::string::npos)
        << text.said;
    CommandResult cut = publish("--skin '" + broken + "' --folder '" + site + "' '" + mp3 + "'");
    EXPECT_EQ(cut.status, 2);
    EXPECT_NE(cut.said.find("the skin " + broken + " is not a readable SWF movie: "), std::string::npos) << cut.said;
    EXPECT_FALSE(fs::exists(site + "/output/Player.swf"));
}

// Titles reach the playlist as UTF-8 that XML can hold, whatever bytes they
// were given in; the document parses under a strict parser (expat).
TEST_F(CommandLineTest, TitlesAreStoredAsCleanUtf8AndTheUserIsTold) {
    CommandResult published =
        publish("--html 0 --title \"$(printf 'Caf\\351\\001 list')\" --folder '" + site + "' \"" + mp3 +
                "=$(printf 'T\\002one\\tA')\"");
    EXPECT_EQ(published.status, 0) << published.said;
    EXPECT_NE(published.said.find("The playlist title is not UTF-8: its bytes are read as Latin-1"), std::string::npos)
        << published.said;
    EXPECT_NE(published.said.find("The playlist title holds control characters: they are removed"),
              std::string::npos);
    EXPECT_NE(published.said.find("The title of " + mp3 + " holds control characters: they are removed"),
              std::string::npos)
        << published.said;
    std::string title = outputOf("python3 -c \"import sys, xml.etree.ElementTree as E; "
                                 "sys.stdout.write(E.parse('" + site + "/output/music_list.xml').getroot().get('title'))\"");
    EXPECT_EQ(title, "Caf\xC3\xA9 list");
}

TEST_F(CommandLineTest, AFileWhosePathIsNotUtf8IsRefusedWithThatReason) {
    ASSERT_TRUE(run("cp '" + mp3 + "' \"" + folder.path("") + "/$(printf 'caf\\351.mp3')\""));
    CommandResult published =
        publish("--folder '" + site + "' \"" + folder.path("") + "/$(printf 'caf\\351.mp3')\" '" + mp3 + "'");
    EXPECT_EQ(published.status, 1);
    EXPECT_NE(published.said.find("skipped, its path is not valid UTF-8, which the playlist cannot store"),
              std::string::npos)
        << published.said;
    EXPECT_NE(published.said.find("Published 1 of 2 tracks"), std::string::npos) << published.said;
}

namespace {

// A republish that runs for a few seconds: twenty entries of one minute.
class InterruptedPublishTest : public CommandLineTest {
protected:
    void SetUp() override {
        CommandLineTest::SetUp();
        fs::create_directories(temporary);
        ASSERT_EQ(publish("--runtime 0 --folder '" + site + "' '" + mp3 + "'").status, 0);
        writeFile(site + "/output/index.html", {'m', 'i', 'n', 'e'});
        before = snapshot(site);
        ASSERT_TRUE(run("sox -n -r 44100 -c 2 '" + folder.path("minute.wav") + "' synth 60 sine 440"));
        ASSERT_TRUE(run("lame --quiet '" + folder.path("minute.wav") + "' '" + minute + "'"));
    }

    std::vector<std::string> longPublish(const std::string& extra = "") {
        // Without the cache, whose entries would make the repeated track quick.
        std::vector<std::string> arguments = {"--no-cache", "--runtime", "0", "--folder", site};
        for (int i = 0; i < 20; ++i)
            arguments.push_back(minute);
        if (!extra.empty())
            arguments.push_back(extra);
        return arguments;
    }
    // A cache of the test's own: a conversion kept by an earlier run would
    // make the conversion these tests interrupt instant.
    std::vector<std::string> environment() const {
        return {"TMPDIR=" + temporary, "XDG_CACHE_HOME=" + folder.path("cache")};
    }

    // Nothing beside the output folder, no working folder left.
    void expectNothingLeft() {
        std::vector<std::string> beside, working;
        for (const auto& entry : fs::directory_iterator(site))
            beside.push_back(entry.path().filename().string());
        EXPECT_EQ(beside, (std::vector<std::string>{"output"}));
        for (const auto& entry : fs::directory_iterator(temporary))
            working.push_back(entry.path().filename().string());
        EXPECT_TRUE(working.empty()) << working.front();
    }

    std::string minute = folder.path("minute.mp3");
    std::string temporary = folder.path("tmp");
    std::map<std::string, std::string> before;
};

} // namespace

TEST_F(InterruptedPublishTest, SigintAndSigtermLeaveTheOutputAsItWas) {
    for (int stop : {SIGINT, SIGTERM}) {
        RunningPublisher publisher(longPublish(), environment());
        ASSERT_TRUE(publisher.waitFor("track 1 of 20")) << publisher.said();
        publisher.signal(stop);
        EXPECT_EQ(publisher.wait(), 128 + stop) << publisher.said();
        EXPECT_NE(publisher.said().find("Cancelled: " + site + "/output is unchanged\n"), std::string::npos)
            << publisher.said();
        EXPECT_EQ(snapshot(site), before);
        expectNothingLeft();
    }
}

TEST_F(InterruptedPublishTest, ASignalDuringAConversionRemovesTheWorkingFolder) {
    std::string wav = folder.path("long.wav");
    ASSERT_TRUE(run("sox -n -r 48000 -c 2 '" + wav + "' synth 600 sine 440"));
    RunningPublisher publisher({"--runtime", "0", "--folder", site, wav}, environment());
    ASSERT_TRUE(publisher.waitFor("Converting")) << publisher.said();
    publisher.signal(SIGINT);
    EXPECT_EQ(publisher.wait(), 130) << publisher.said();
    EXPECT_NE(publisher.said().find("Cancelled: " + site + "/output is unchanged"), std::string::npos);
    EXPECT_EQ(snapshot(site), before);
    expectNothingLeft();
}

TEST_F(InterruptedPublishTest, AKilledRunLeavesTheOldPlayerAndTheNextRunCleansUp) {
    {
        RunningPublisher publisher(longPublish(), environment());
        ASSERT_TRUE(publisher.waitFor("track 2 of 20")) << publisher.said();
        publisher.signal(SIGKILL);
        EXPECT_EQ(publisher.wait(), 128 + SIGKILL);
    }
    EXPECT_GT(std::distance(fs::directory_iterator(site), fs::directory_iterator()), 1) << "the killed run's staging";
    EXPECT_FALSE(fs::is_empty(temporary)) << "the killed run's working folder";
    for (const auto& [name, bytes] : before)
        EXPECT_EQ(snapshot(site)[name], bytes) << name;

    RunningPublisher again({"--runtime", "0", "--folder", site, mp3 + "=Again"}, environment());
    EXPECT_EQ(again.wait(), 0) << again.said();
    expectNothingLeft();
    EXPECT_EQ(readFile(site + "/output/index.html"), (Bytes{'m', 'i', 'n', 'e'}));
}

TEST_F(CommandLineTest, AFullDiskLeavesTheOutputAsItWas) {
    std::string disk = folder.path("disk");
    fs::create_directories(disk);
    if (!run("mount -t tmpfs -o size=1m tmpfs '" + disk + "' 2>/dev/null"))
        GTEST_SKIP() << "no tmpfs can be mounted here";
    std::string small = disk + "/site";
    ASSERT_EQ(publish("--runtime 0 --folder '" + small + "' '" + mp3 + "'").status, 0);
    auto before = snapshot(small);
    std::string big = folder.path("big.mp3");
    ASSERT_TRUE(run("sox -n -r 44100 -c 2 '" + folder.path("big.wav") + "' synth 90 whitenoise"));
    ASSERT_TRUE(run("lame --quiet '" + folder.path("big.wav") + "' '" + big + "'"));
    CommandResult result = publish("--runtime 0 --folder '" + small + "' '" + big + "'");
    auto after = snapshot(small);
    run("umount -l '" + disk + "'");
    EXPECT_EQ(result.status, 1);
    EXPECT_NE(result.said.find("(No space left on device)"), std::string::npos) << result.said;
    EXPECT_NE(result.said.find("Nothing was published: " + small + "/output is unchanged"), std::string::npos)
        << result.said;
    EXPECT_EQ(after, before);
}
