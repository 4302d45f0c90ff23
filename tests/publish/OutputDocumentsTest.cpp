#include "file_writing/AtomicFile.h"
#include "publish/EmbedPage.h"
#include "file_writing/NewFile.h"
#include "publish/OutputDocuments.h"
#include "publish/PublishOptions.h"
#include "resources/Resources.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

using namespace publish;
using namespace testing_support;

namespace {
std::string text(const Bytes& bytes) { return std::string(bytes.begin(), bytes.end()); }
} // namespace

TEST(MusicListTest, TitleIsEscapedAndOptionsFollowInKeyOrder) {
    TemporaryFolder folder;
    std::string path = folder.path("music_list.xml");
    std::string title = "Rock & \"Roll\" <100%>";
    ASSERT_FALSE(writeNewFile(path, musicListText(title, musicListItem(1) + musicListItem(3))));
    EXPECT_EQ(text(readFile(path)), "<data title=\"Rock &amp; &quot;Roll&quot; &lt;100%&gt;\">"
                                    "<item><file>1.swf</file></item><item><file>3.swf</file></item></data>");
    ASSERT_FALSE(mergePlayerOptions(path, {true, false, true, false}));
    EXPECT_EQ(text(readFile(path)),
              "<data title=\"Rock &amp; &quot;Roll&quot; &lt;100%>\" autonext=\"0\" autostart=\"1\" looplist=\"1\" "
              "shufflelist=\"0\"><item><file>1.swf</file></item><item><file>3.swf</file></item></data>");
    PublishOptions reread(path);
    ASSERT_TRUE(reread.Load());
    EXPECT_EQ(reread.Get("title"), title);
}

TEST(MusicListTest, EmptyOptionsAreLeftOutAndNoTracksLeaveAnEmptyRoot) {
    TemporaryFolder folder;
    std::string path = folder.path("music_list.xml");
    ASSERT_FALSE(writeNewFile(path, musicListText("T", "")));
    ASSERT_FALSE(mergePlayerOptions(path, {std::nullopt, true, true, true}));
    EXPECT_EQ(text(readFile(path)), "<data title=\"T\" autonext=\"1\" looplist=\"1\" shufflelist=\"1\"/>");
}

TEST(PlayerPageTest, IsTheStoredPageByteForByte) {
    TemporaryFolder folder;
    std::string path = folder.path("Player.htm");
    ASSERT_FALSE(writeResourceToFile("HTM", 216, path));
    auto stored = resources::findResource("HTM", 216);
    Bytes page = readFile(path);
    EXPECT_EQ(page, Bytes(stored.begin(), stored.end()));
    std::string html = text(page);
    EXPECT_EQ(html.rfind("<!DOCTYPE html PUBLIC \"-//W3C//DTD XHTML 1.0 Transitional//EN\"", 0), 0u);
    EXPECT_NE(html.find("<title>RealPlayer</title>\r\n"), std::string::npos);
    EXPECT_NE(html.find("classid=\"clsid:d27cdb6e-ae6d-11cf-96b8-444553540000\""), std::string::npos);
    EXPECT_NE(html.find("#version=7,0,0,0\" width=\"300\" height=\"60\" id=\"RealPlayer\" align=\"middle\">"),
              std::string::npos);
    size_t first = html.find("allowScriptAccess\" value=\"sameDomain\"");
    size_t movie = html.find("\"movie\" value=\"Player.swf\"");
    size_t quality = html.find("\"quality\" value=\"high\"");
    size_t colour = html.find("\"bgcolor\" value=\"#ffffff\"");
    size_t embed = html.find("<embed src=\"Player.swf\" quality=\"high\" bgcolor=\"#ffffff\" width=\"300\" height=\"60\" "
                             "name=\"RealPlayer\" align=\"middle\" allowScriptAccess=\"sameDomain\" "
                             "type=\"application/x-shockwave-flash\" pluginspage=");
    EXPECT_TRUE(first < movie && movie < quality && quality < colour && colour < embed && embed != std::string::npos);
    for (size_t at = html.find('\n'); at != std::string::npos; at = html.find('\n', at + 1))
        EXPECT_EQ(html[at - 1], '\r');
    EXPECT_EQ(writeResourceToFile("HTM", 999, path), std::errc::no_such_file_or_directory);
}

TEST(CopyPlayerTest, MakesANewFileNeverWritingThroughALinkAndNamesTheReason) {
    TemporaryFolder folder;
    writeFile(folder.path("skin.swf"), {1, 2, 3});
    ASSERT_FALSE(copyPlayer(folder.path("skin.swf"), folder.path("Player.swf")));
    EXPECT_EQ(readFile(folder.path("Player.swf")), (Bytes{1, 2, 3}));
    EXPECT_EQ(copyPlayer(folder.path("none.swf"), folder.path("new.swf")), std::errc::no_such_file_or_directory);

    writeFile(folder.path("outside"), {9});
    std::filesystem::create_symlink(folder.path("outside"), folder.path("planted.swf"));
    EXPECT_EQ(copyPlayer(folder.path("skin.swf"), folder.path("planted.swf")), std::errc::file_exists);
    EXPECT_EQ(readFile(folder.path("outside")), (Bytes{9})) << "the link's target is untouched";
}

TEST(AtomicReplaceTest, ReplacesALinkInsteadOfWritingThroughIt) {
    TemporaryFolder folder;
    writeFile(folder.path("outside"), {9});
    std::filesystem::create_symlink(folder.path("outside"), folder.path("Songbox.sbx"));
    ASSERT_FALSE(replaceFileAtomically(folder.path("Songbox.sbx"), "<data/>"));
    EXPECT_FALSE(std::filesystem::is_symlink(folder.path("Songbox.sbx")));
    EXPECT_EQ(text(readFile(folder.path("Songbox.sbx"))), "<data/>");
    EXPECT_EQ(readFile(folder.path("outside")), (Bytes{9}));
    EXPECT_EQ(replaceFileAtomically(folder.path("no-folder/Songbox.sbx"), "x"), std::errc::no_such_file_or_directory);
}

TEST(EmbedSnippetTest, TakesOnlyWebAddressesAndPathsAndEscapesThem) {
    for (const char* base : {"https://example.org/music/", "HTTP://example.org", "music/", "/music", "../a:b", "a?b=c"})
        EXPECT_TRUE(isEmbedBase(base)) << base;
    for (const char* base : {"", "javascript:alert(11)", " JavaScript:alert(1)", "data:text/html,x", "vbscript:x",
                             "ftp://example.org", "//evil.example", "\\\\evil.example", "https://", "https:///x",
                             "https://a b", "music\t", "a\x7f", "https:\\\\evil.example"})
        EXPECT_FALSE(isEmbedBase(base)) << base;

    StageSize size{300, 60};
    EXPECT_EQ(embedSnippet("javascript:alert(11)", size, "T"),
              "<iframe src=\"embed.html\" width=\"300\" height=\"60\" title=\"T\" style=\"border:0\"></iframe>");
    EXPECT_EQ(embedSnippet("https://e.org/\"><script>", size, "T"),
              "<iframe src=\"https://e.org/&quot;&gt;&lt;script&gt;/embed.html\" width=\"300\" height=\"60\" "
              "title=\"T\" style=\"border:0\"></iframe>");
}
