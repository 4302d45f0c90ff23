#include "text_formats/PlaylistFile.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

#include <fstream>

using namespace publish;
namespace fs = std::filesystem;

namespace {

using Entries = std::vector<std::pair<std::string, std::string>>;

Entries flat(const std::vector<PlaylistFileEntry>& entries) {
    Entries result;
    for (const PlaylistFileEntry& entry : entries)
        result.emplace_back(entry.location, entry.title);
    return result;
}

} // namespace

TEST(PlaylistFileTest, M3uTitlesCommentsAndLineEnds) {
    EXPECT_EQ(flat(parseM3u("#EXTM3U\r\n#EXTINF:123,Artist - Title, with comma\r\nmusic/a.mp3\r\n"
                            "# a comment\r\n\r\n  /abs/b.mp3  \r\n#EXTINF:-1\r\nc.mp3")),
              (Entries{{"music/a.mp3", "Artist - Title, with comma"}, {"/abs/b.mp3", ""}, {"c.mp3", ""}}));
    EXPECT_EQ(flat(parseM3u("#EXTINF:1,Caf\xE9\nx.mp3\n")), (Entries{{"x.mp3", "Café"}}));
}

TEST(PlaylistFileTest, PlsIsOrderedByNumberAndKeysIgnoreCase) {
    EXPECT_EQ(flat(parsePls("[playlist]\nFile10=c.mp3\nfile2=b.mp3\nTitle2=Bee\nFILE1 = a.mp3\nTitle1=Ay\n"
                            "Title3=orphan\nNumberOfEntries=3\nLength1=-1\nVersion=2\n")),
              (Entries{{"a.mp3", "Ay"}, {"b.mp3", "Bee"}, {"c.mp3", ""}}));
}

TEST(PlaylistFileTest, XspfLocationsAndTitles) {
    EXPECT_EQ(flat(parseXspf("<?xml version=\"1.0\"?><playlist version=\"1\" xmlns=\"http://xspf.org/ns/0/\">"
                             "<title>List</title><trackList>"
                             "<track><title> A B </title><location>file:///m/a%20b.mp3</location></track>"
                             "<track><location>rel.flac</location><location>second.flac</location></track>"
                             "<track><title>no location</title></track>"
                             "</trackList></playlist>")),
              (Entries{{"file:///m/a%20b.mp3", "A B"}, {"rel.flac", ""}}));
    EXPECT_TRUE(parseXspf("<playlist><trackList><track>").empty());
    EXPECT_TRUE(parseXspf("not xml").empty());
}

TEST(PlaylistFileTest, LocationsResolveAgainstThePlaylistFolder) {
    EXPECT_EQ(resolveLocation("sub/../a.mp3", "/music/list").path, fs::path("/music/list/a.mp3"));
    EXPECT_EQ(resolveLocation("/abs/a.mp3", "/music").path, fs::path("/abs/a.mp3"));
    EXPECT_EQ(resolveLocation("file:///m/a%20b%C3%A9.mp3", "/x").path, fs::path("/m/a bé.mp3"));
    EXPECT_EQ(resolveLocation("FILE://localhost/m/a.mp3", "/x").path, fs::path("/m/a.mp3"));
    EXPECT_EQ(resolveLocation("file://server/m/a.mp3", "/x").problem, LocationProblem::OtherComputer);
    ResolvedLocation web = resolveLocation("http://example.org/a.mp3", "/x");
    EXPECT_TRUE(web.path.empty());
    EXPECT_EQ(web.problem, LocationProblem::WebAddress);
}

TEST(PlaylistFileTest, WindowsSeparatorsAreFollowedWhenTheFileIsThere) {
    testing_support::TemporaryFolder folder;
    fs::create_directory(folder.path("sub"));
    std::ofstream(folder.path("sub/a.mp3")) << "x";
    EXPECT_EQ(resolveLocation("sub\\a.mp3", folder.path("")).path, fs::path(folder.path("sub/a.mp3")).lexically_normal());
}

TEST(PlaylistFileTest, KindByExtension) {
    EXPECT_EQ(playlistKind("a.M3U"), PlaylistKind::M3u);
    EXPECT_EQ(playlistKind("a.m3u8"), PlaylistKind::M3u);
    EXPECT_EQ(playlistKind("a.pls"), PlaylistKind::Pls);
    EXPECT_EQ(playlistKind("a.XSPF"), PlaylistKind::Xspf);
    EXPECT_EQ(playlistKind("a.mp3"), PlaylistKind::None);
}
