#include "CommandLine.h"
#include "publish/Playlist.h"
#include "tests/support/FolderSnapshot.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <sys/stat.h>

using namespace testing_support;
namespace fs = std::filesystem;

namespace {

// LeakSanitizer cannot run in a process that strace follows: the traced
// publisher checks no leaks (in a build without it this changes nothing).
const std::string LeaksUnchecked = "ASAN_OPTIONS=\"${ASAN_OPTIONS}:detect_leaks=0\" ";

// File systems a test mounts in its temporary folder. When it ends,
// whatever happened, everything mounted there is unmounted, wherever a
// publish may have moved it, before the folder is removed.
class Mounts {
public:
    explicit Mounts(std::string root) : root(std::move(root)) {}
    ~Mounts() { unmountAll(); }
    bool mount(const std::string& how, const std::string& point) {
        fs::create_directories(point);
        return run("mount " + how + " '" + point + "'");
    }
    void unmountAll() {
        std::vector<std::string> points;
        std::ifstream table("/proc/self/mountinfo");
        for (std::string line; std::getline(table, line);) {
            std::istringstream fields(line);
            std::string id, parent, device, source, point;
            fields >> id >> parent >> device >> source >> point;
            if (point.starts_with(root))
                points.push_back(point);
        }
        // The innermost first.
        std::sort(points.rbegin(), points.rend());
        for (const std::string& point : points)
            run("umount -l '" + point + "'");
    }

private:
    std::string root;
};

class OutputFolderCommandTest : public ::testing::Test {
protected:
    void SetUp() override {
        writeToneWav(folder.path("tone.wav"), 22050, 1, 1.0);
        ASSERT_TRUE(run("lame --quiet '" + folder.path("tone.wav") + "' '" + mp3 + "'"));
        fs::create_directories(pictures + "/album");
        writeFile(pictures + "/album/cover.jpg", {1, 2, 3});
        picturesBefore = snapshot(pictures);
    }

    CommandResult publish(const std::string& program = PUBLISHER) {
        return runPublisher("--runtime 0 --folder '" + site + "' '" + mp3 + "'", program);
    }

    // The names beside the output folder.
    std::vector<std::string> beside() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(site))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    TemporaryFolder folder;
    std::string mp3 = folder.path("tone.mp3");
    std::string site = folder.path("site");
    std::string pictures = folder.path("pictures");
    std::map<std::string, std::string> picturesBefore;
    Mounts mounts{folder.path("")};
};

} // namespace

// A bind mount of a folder on the same disk keeps its device number, so
// only the mount tells it apart from the user's own folders.
TEST_F(OutputFolderCommandTest, AFileSystemMountedInsideTheOutputIsRefusedAndKeepsItsFiles) {
    ASSERT_EQ(publish().status, 0);
    std::string output = site + "/output";
    for (auto [point, how] : {std::pair{output + "/photos/pics", "--bind '" + pictures + "'"},
                              std::pair{output + "/scratch", std::string("-t tmpfs -o size=1m tmpfs")}}) {
        ASSERT_TRUE(mounts.mount(how, point)) << how;
        writeFile(point + "/note.txt", {'n'});
        auto before = snapshot(site);

        CommandResult result = publish();
        EXPECT_EQ(result.status, 1);
        EXPECT_NE(result.said.find("tunemill-publish: Cannot publish into " + output + ": " + point +
                                   " is a mount point or on another device, which the new player cannot carry "
                                   "along; unmount it or move it out of " + output + ".\n"),
                  std::string::npos)
            << result.said;
        EXPECT_NE(result.said.find("Nothing was published: " + output + " is unchanged"), std::string::npos);
        EXPECT_EQ(snapshot(site), before) << point;
        EXPECT_EQ(beside(), (std::vector<std::string>{"output"}));
        fs::remove(point + "/note.txt");
        mounts.unmountAll();
    }
    EXPECT_EQ(snapshot(pictures), picturesBefore);
}

// What an earlier run left beside the output folder is removed up to a
// mount in it and no further, whether the system has openat2 or not.
TEST_F(OutputFolderCommandTest, RemovingWhatAnEarlierRunLeftNeverEntersAMount) {
    std::string leftover = site + "/.output.tunemill-Ab12Cd";
    fs::create_directories(leftover + "/ruffle");
    writeFile(leftover + "/1.swf", {1});
    ASSERT_TRUE(mounts.mount("--bind '" + pictures + "'", leftover + "/pics"));
    std::string calls = folder.path("calls");
    std::string withoutOpenat2 = LeaksUnchecked + "strace -f -qq -o '" + calls + "' -e trace=openat2 -e inject=openat2:error=ENOSYS " +
                                 std::string(PUBLISHER);
    for (const std::string& program : {std::string(PUBLISHER), withoutOpenat2}) {
        CommandResult result = publish(program);
        EXPECT_EQ(result.status, 0) << result.said;
        EXPECT_NE(result.said.find("Cannot remove " + leftover +
                                   "/pics, left over from an earlier publish (another file system is mounted "
                                   "there); the next publish tries again\n"),
                  std::string::npos)
            << result.said;
        EXPECT_EQ(snapshot(pictures), picturesBefore);
        EXPECT_EQ(snapshot(leftover), (std::map<std::string, std::string>{
                                          {"pics", "folder"}, {"pics/album", "folder"}, {"pics/album/cover.jpg", "\1\2\3"}}));
    }
    std::string traced = outputOf("cat '" + calls + "'");
    EXPECT_NE(traced.find("ENOSYS (Function not implemented) (INJECTED)"), std::string::npos) << traced;
}

// The staged files and the staging folder are on disk before the swap, and
// the swap is on disk after it: for the first publish (a rename) and for a
// republish (an exchange). The command line hands the job its settings and
// playlist as they are: no settings file is written on the way.
TEST_F(OutputFolderCommandTest, TheNewPlayerIsFlushedBeforeTheSwapAndTheSwapAfterIt) {
    std::string calls = folder.path("calls");
    std::string traced = LeaksUnchecked + "strace -f -y -qq -o '" + calls + "' -e trace=syncfs,rename,renameat,renameat2,fsync " +
                         std::string(PUBLISHER);
    for (const char* swap : {"rename(\"", "renameat2(AT_FDCWD"}) {
        CommandResult result = publish(traced);
        ASSERT_EQ(result.status, 0) << result.said;
        std::vector<std::string> lines;
        std::istringstream log(outputOf("cat '" + calls + "'"));
        for (std::string line; std::getline(log, line);)
            lines.push_back(line);
        auto swapped = std::find_if(lines.begin(), lines.end(), [&](const std::string& line) {
            return line.find(swap) != std::string::npos && line.find("\"" + site + "/output\"") != std::string::npos;
        });
        for (const std::string& line : lines)
            EXPECT_EQ(line.find(publish::SettingsFileName), std::string::npos) << line;
        ASSERT_TRUE(swapped != lines.end()) << swap;
        EXPECT_NE(swapped->find(") = 0"), std::string::npos) << *swapped;
        auto flushed = std::find_if(lines.begin(), swapped, [&](const std::string& line) {
            return line.find("syncfs(") != std::string::npos &&
                   line.find("<" + site + "/.output.tunemill-") != std::string::npos &&
                   line.find(") = 0") != std::string::npos;
        });
        EXPECT_TRUE(flushed != swapped) << "no flush of the staging folder before " << *swapped;
        auto after = std::find_if(swapped, lines.end(), [&](const std::string& line) {
            return line.find("fsync(") != std::string::npos && line.find("<" + site + ">)") != std::string::npos;
        });
        EXPECT_TRUE(after != lines.end()) << "no flush of " << site << " after " << *swapped;
    }
}

namespace {

// The publisher run as `nobody`, in folders that user owns.
class OtherUserCommandTest : public OutputFolderCommandTest {
protected:
    void SetUp() override {
        OutputFolderCommandTest::SetUp();
        ASSERT_TRUE(run("chmod 755 '" + folder.path("") + "'"));
        fs::create_directories(site);
        ASSERT_TRUE(run("chown nobody:nogroup '" + site + "'"));
    }

    CommandResult publishAsNobody() {
        return runPublisher("--no-cache --runtime 0 --folder '" + site + "' '" + mp3 + "'",
                            "setpriv --reuid=nobody --regid=nogroup --clear-groups " + std::string(PUBLISHER));
    }

    static mode_t permissions(const std::string& path) {
        struct stat status {};
        lstat(path.c_str(), &status);
        return status.st_mode & 07777;
    }
};

} // namespace

// The old player's folders are made writable to remove them; its files,
// hard-linked into the new player, are not. What its user cannot remove is
// named, and the next publish tries again.
TEST_F(OtherUserCommandTest, AReadOnlyOutputLeavesNoCopyOfTheOldPlayer) {
    std::string output = site + "/output";
    ASSERT_EQ(publishAsNobody().status, 0);
    writeFile(output + "/index.html", {'m', 'i', 'n', 'e'});
    fs::create_directory(output + "/pics");
    writeFile(output + "/pics/a.jpg", {7});
    ASSERT_TRUE(run("chown -R nobody:nogroup '" + output + "' && chmod -R a-w '" + output + "'"));
    for (int i = 0; i < 2; ++i) {
        CommandResult result = publishAsNobody();
        EXPECT_EQ(result.status, 0) << result.said;
        EXPECT_EQ(result.said.find("Cannot remove"), std::string::npos) << result.said;
        EXPECT_EQ(beside(), (std::vector<std::string>{"output"}));
        EXPECT_EQ(readFile(output + "/index.html"), (Bytes{'m', 'i', 'n', 'e'}));
        EXPECT_EQ(permissions(output + "/index.html"), 0444u);
        EXPECT_EQ(permissions(output + "/pics/a.jpg"), 0444u);
        EXPECT_EQ(permissions(output), 0555u);
    }

    // A runtime folder of root's, which the new player does not carry,
    // cannot be emptied by the player's user.
    fs::create_directory(output + "/ruffle");
    writeFile(output + "/ruffle/ruffle.js", {'r'});
    CommandResult kept = publishAsNobody();
    EXPECT_EQ(kept.status, 0) << kept.said;
    ASSERT_EQ(beside().size(), 2u);
    std::string leftover = site + "/" + beside().front();
    std::string line = "Cannot remove " + leftover + "/ruffle/ruffle.js, left over from an earlier publish "
                       "(Permission denied); the next publish tries again\n";
    EXPECT_NE(kept.said.find(line), std::string::npos) << kept.said;
    EXPECT_FALSE(fs::exists(output + "/ruffle"));

    CommandResult again = publishAsNobody();
    EXPECT_EQ(again.status, 0) << again.said;
    EXPECT_NE(again.said.find(line), std::string::npos) << again.said;
    EXPECT_EQ(beside(), (std::vector<std::string>{beside().front(), "output"})) << "the new player's copy is gone";

    ASSERT_TRUE(run("chown -R nobody '" + leftover + "'"));
    CommandResult cleaned = publishAsNobody();
    EXPECT_EQ(cleaned.status, 0) << cleaned.said;
    EXPECT_EQ(cleaned.said.find("Cannot remove"), std::string::npos) << cleaned.said;
    EXPECT_EQ(beside(), (std::vector<std::string>{"output"}));
}

// The new player is made beside the folder a link points to; an in-place
// publish would not be one step, so the folder there must be writable.
TEST_F(OtherUserCommandTest, ALinkedOutputInAFolderThatCannotBeWrittenIsRefusedWithWhatToDo) {
    std::string www = folder.path("www");
    fs::create_directories(www + "/music");
    ASSERT_TRUE(run("chown nobody '" + www + "/music'"));
    fs::create_symlink(www + "/music", site + "/output");
    CommandResult result = publishAsNobody();
    EXPECT_EQ(result.status, 1);
    EXPECT_NE(result.said.find("tunemill-publish: Cannot publish into " + site + "/output: it links to " + www +
                               "/music, and the new player is built beside that in " + www +
                               " and put in its place in one step, so " + www +
                               " must be writable; make it writable, or link " + site +
                               "/output to a folder inside one you can write. (Permission denied)\n"),
              std::string::npos)
        << result.said;
    EXPECT_EQ(snapshot(www), (std::map<std::string, std::string>{{"music", "folder"}}));
    EXPECT_EQ(beside(), (std::vector<std::string>{"output"}));
}
