#include "publish/Playlist.h"
#include "publish/PublishOptions.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

using namespace publish;
using namespace testing_support;

namespace {

std::string text(const Bytes& bytes) { return std::string(bytes.begin(), bytes.end()); }

const char* const AwkwardTitle = "Caf\xC3\xA9 & \"Bar\" <live> 100% \xE2\x99\xAA";

} // namespace

TEST(PublishOptionsTest, EmptyValuesAreNeverWrittenAndAbsentKeysReadEmpty) {
    TemporaryFolder folder;
    std::string path = folder.path("Songbox.sbx");
    writeFile(path, {'<', 'd', 'a', 't', 'a', ' ', 'T', 'i', 't', 'l', 'e', '=', '"', 'o', 'l', 'd', '"', '/', '>'});
    PublishOptions options(path);
    options.Set("Title", "");
    options.SetBool("AutoStart", true);
    options.SetBool("Loop", false);
    options.SetInt("Depth", -5);
    ASSERT_TRUE(options.Save());

    PublishOptions reread(path);
    ASSERT_TRUE(reread.Load());
    EXPECT_EQ(reread.Get("Title"), "old");
    EXPECT_EQ(reread.Get("AutoStart"), "1");
    EXPECT_EQ(reread.Get("Loop"), "0");
    EXPECT_EQ(reread.Get("Depth"), "-5");
    EXPECT_EQ(reread.Get("Missing"), "");
    EXPECT_EQ(reread.Get("title"), "") << "keys are case-sensitive";
}

TEST(PublishOptionsTest, LoadSkipsEmptyAttributesAndKeepsTheMapOnFailure) {
    TemporaryFolder folder;
    std::string path = folder.path("a.xml");
    std::string xml = "<data HTML=\"\" Folder=\"x\"/>";
    writeFile(path, Bytes(xml.begin(), xml.end()));
    PublishOptions options(path);
    ASSERT_TRUE(options.Load());
    EXPECT_EQ(options.Get("HTML"), "");
    EXPECT_EQ(options.Get("Folder"), "x");
    PublishOptions missing(folder.path("none.xml"));
    missing.Set("Folder", "kept");
    EXPECT_FALSE(missing.Load());
    EXPECT_EQ(missing.Get("Folder"), "kept");
}

TEST(PublishOptionsTest, SaveMergesWithoutCreatingAndKeepsThePlaylist) {
    TemporaryFolder folder;
    std::string path = folder.path("Songbox.sbx");
    PublishOptions options(path);
    options.Set("Title", "t");
    EXPECT_FALSE(options.Save()) << "Save never creates the file";
    EXPECT_FALSE(std::filesystem::exists(path));

    ASSERT_TRUE(SavePlaylist({"/music/a.mp3"}, {"A"}, path));
    ASSERT_TRUE(options.Save());
    std::vector<std::string> paths, titles;
    ASSERT_TRUE(LoadPlaylist(paths, titles, path));
    EXPECT_EQ(paths, std::vector<std::string>{"/music/a.mp3"});
    EXPECT_EQ(text(readFile(path)), "<data Title=\"t\"><item><file text=\"A\">/music/a.mp3</file></item></data>");
}

TEST(PublishOptionsTest, AwkwardTextComesBackUnchanged) {
    TemporaryFolder folder;
    std::string path = folder.path("Songbox.sbx");
    std::string awkwardPath = "/home/m\xC3\xBCller/R&B \"best\" <1> 50%.mp3";
    ASSERT_TRUE(SavePlaylist({awkwardPath}, {AwkwardTitle}, path));
    PublishOptions options(path);
    options.Set("Title", AwkwardTitle);
    options.Set("Folder", awkwardPath);
    ASSERT_TRUE(options.Save());

    PublishOptions reread(path);
    ASSERT_TRUE(reread.Load());
    EXPECT_EQ(reread.Get("Title"), AwkwardTitle);
    EXPECT_EQ(reread.Get("Folder"), awkwardPath);
    std::vector<std::string> paths, titles;
    ASSERT_TRUE(LoadPlaylist(paths, titles, path));
    EXPECT_EQ(paths[0], awkwardPath);
    EXPECT_EQ(titles[0], AwkwardTitle);
}

TEST(PublishOptionsTest, AFailedWriteLeavesTheOldFile) {
    TemporaryFolder folder;
    std::string sub = folder.path("locked");
    std::filesystem::create_directory(sub);
    std::string path = sub + "/Songbox.sbx";
    ASSERT_TRUE(SavePlaylist({"a.mp3"}, {"A"}, path));
    Bytes before = readFile(path);
    if (geteuid() == 0) {
        // Permissions do not stop root: make the rename itself fail instead.
        std::filesystem::remove(path);
        std::filesystem::create_directories(path + "/inside");
        EXPECT_FALSE(SavePlaylist({"b.mp3"}, {"B"}, path));
        EXPECT_TRUE(std::filesystem::is_directory(path + "/inside"));
    } else {
        chmod(sub.c_str(), 0555);
        PublishOptions options(path);
        options.Set("Title", "new");
        EXPECT_FALSE(options.Save());
        EXPECT_FALSE(SavePlaylist({"b.mp3"}, {"B"}, path));
        chmod(sub.c_str(), 0755);
        EXPECT_EQ(readFile(path), before);
    }
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(sub), std::filesystem::directory_iterator()), 1)
        << "no temporary file is left behind";
}

TEST(PlaylistTest, EmptyAndMismatchedPlaylists) {
    TemporaryFolder folder;
    std::string path = folder.path("Songbox.sbx");
    ASSERT_TRUE(SavePlaylist({}, {}, path));
    EXPECT_EQ(text(readFile(path)), "<data/>");
    std::vector<std::string> paths, titles;
    EXPECT_FALSE(LoadPlaylist(paths, titles, path));
    EXPECT_FALSE(SavePlaylist({"a", "b"}, {"A"}, path));
    EXPECT_EQ(text(readFile(path)), "<data/>");
}

TEST(PlaylistTest, LoadingIgnoresWhatIsNotAnItemFile) {
    TemporaryFolder folder;
    std::string path = folder.path("Songbox.sbx");
    std::string xml = "<data Folder=\"f\"><!-- note -->text<other><file>no</file></other>"
                      "<item><file text=\"One\">1.mp3</file><file>2.mp3</file><title>x</title></item>"
                      "<item><file text=\"Empty\"></file></item><Item><file>no.mp3</file></Item></data>";
    writeFile(path, Bytes(xml.begin(), xml.end()));
    std::vector<std::string> paths, titles;
    ASSERT_TRUE(LoadPlaylist(paths, titles, path));
    EXPECT_EQ(paths, (std::vector<std::string>{"1.mp3", "2.mp3"}));
    EXPECT_EQ(titles, (std::vector<std::string>{"One", ""}));
}
