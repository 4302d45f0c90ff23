// The settings file: the key/value store and the playlist beside it, the
// pages' choices as the job reads them back, and the built-in skins.

#include "player_contract/PlayerContract.h"
#include "publish/Playlist.h"
#include "publish/PublishOptions.h"
#include "publish/PublishSettings.h"
#include "publish/SkinCatalogue.h"
#include "resources/Resources.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

using namespace publish;
using namespace testing_support;
namespace fs = std::filesystem;

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
    EXPECT_EQ(options.Merge(), std::errc::no_such_file_or_directory);
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

TEST(PublishSettingsTest, ThePagesChoicesTravelThroughTheFileAsTheJobReadsThem) {
    TemporaryFolder folder;
    std::string file = folder.path("Songbox.sbx");
    ASSERT_TRUE(SavePlaylist({"/music/a.mp3"}, {"A"}, file));
    ASSERT_FALSE(savePlayerChoices(file, {"players/2.swf", false, true, false, true, "Songs & \"more\""}));
    ASSERT_FALSE(saveFolderChoices(file, {"/home/me/Tunemill", false, false}));

    PublishOptions raw(file);
    ASSERT_TRUE(raw.Load());
    EXPECT_EQ(raw.Get("AutoStart"), "0");
    EXPECT_EQ(raw.Get("Random"), "1");
    EXPECT_EQ(raw.Get("HTML"), "0");
    EXPECT_EQ(raw.Get("Runtime"), "0");

    std::optional<PublishSettings> settings = loadPublishSettings(file);
    ASSERT_TRUE(settings);
    EXPECT_EQ(settings->folder, "/home/me/Tunemill");
    EXPECT_EQ(settings->title, "Songs & \"more\"");
    EXPECT_EQ(settings->player, "players/2.swf");
    EXPECT_EQ(settings->autoStart, false);
    EXPECT_EQ(settings->autoNext, true);
    EXPECT_EQ(settings->loop, false);
    EXPECT_EQ(settings->random, true);
    EXPECT_FALSE(settings->html);
    EXPECT_FALSE(settings->runtime);
}

TEST(PublishSettingsTest, AbsentKeysReadAsTheJobHasAlwaysTakenThem) {
    TemporaryFolder folder;
    std::string file = folder.path("Songbox.sbx");
    writeFile(file, {'<', 'd', 'a', 't', 'a', ' ', 'H', 'T', 'M', 'L', '=', '"', 'y', 'e', 's', '"', '/', '>'});
    std::optional<PublishSettings> settings = loadPublishSettings(file);
    ASSERT_TRUE(settings);
    EXPECT_FALSE(settings->autoStart.has_value()) << "an absent option is left out of the playlist document";
    EXPECT_FALSE(settings->html) << "only \"1\" asks for the page";
    EXPECT_TRUE(settings->runtime) << "only \"0\" leaves the runtime out";
    EXPECT_TRUE(settings->lyrics) << "only \"0\" leaves the lyrics out";
    EXPECT_TRUE(settings->htaccess) << "only \"0\" leaves the .htaccess out";
    EXPECT_FALSE(loadPublishSettings(folder.path("none.sbx")));
}

TEST(PublishSettingsTest, LyricsAndTheHtaccessAreStoredOnlyWhileTurnedOff) {
    TemporaryFolder folder;
    std::string file = folder.path("Songbox.sbx");
    ASSERT_TRUE(SavePlaylist({"/music/a.mp3"}, {"A"}, file));
    ASSERT_FALSE(savePlayerChoices(file, {"players/2.swf"}));
    ASSERT_FALSE(saveFolderChoices(file, {"/home/me/Tunemill"}));
    Bytes allOn = readFile(file);
    EXPECT_EQ(text(allOn).find("Lyrics"), std::string::npos);
    EXPECT_EQ(text(allOn).find("Htaccess"), std::string::npos);
    PlayerChoices without{"players/2.swf"};
    without.lyrics = false;
    ASSERT_FALSE(savePlayerChoices(file, without));
    FolderChoices noHtaccess{"/home/me/Tunemill"};
    noHtaccess.htaccess = false;
    ASSERT_FALSE(saveFolderChoices(file, noHtaccess));
    PublishOptions raw(file);
    ASSERT_TRUE(raw.Load());
    EXPECT_EQ(raw.Get("Lyrics"), "0");
    EXPECT_EQ(raw.Get("Htaccess"), "0");
    EXPECT_FALSE(loadPublishSettings(file)->lyrics);
    EXPECT_FALSE(loadPublishSettings(file)->htaccess);
    EXPECT_FALSE(storedPlayerChoices(file).lyrics) << "the player page starts from the stored choice";
    EXPECT_FALSE(storedFolderChoices(file, "/default/Tunemill").htaccess) << "so does the folder page";
    ASSERT_FALSE(savePlayerChoices(file, {"players/2.swf"}));
    ASSERT_FALSE(saveFolderChoices(file, {"/home/me/Tunemill"}));
    EXPECT_EQ(readFile(file), allOn) << "turned on again, the file is as if never turned off";
    EXPECT_TRUE(storedPlayerChoices(file).lyrics);
    EXPECT_TRUE(storedFolderChoices(file, "/default/Tunemill").htaccess);
    EXPECT_TRUE(loadPublishSettings(file)->htaccess);
}

TEST(SkinCatalogueTest, ListsTheSkinsInThePlayerPagesOrderAndUnpacksTheirMovies) {
    std::vector<std::string> names;
    for (const contract::BuiltInSkin& skin : contract::BuiltInSkins)
        names.push_back(skin.name);
    EXPECT_EQ(names, (std::vector<std::string>{"Real-like Player", "WMP-like  Player", "simple player"}));
    ASSERT_NE(findBuiltInSkin("wmp-like"), nullptr);
    EXPECT_EQ(findBuiltInSkin("wmp-like")->resource, 208);
    EXPECT_EQ(findBuiltInSkin("Real-like Player"), nullptr) << "the command line takes its own names";

    TemporaryFolder folder;
    fs::path players = folder.path("players");
    EXPECT_FALSE(unpackBuiltInSkins(players));
    for (const contract::BuiltInSkin& skin : contract::BuiltInSkins) {
        auto stored = resources::findResource("SWF", skin.resource);
        EXPECT_EQ(readFile(skinMovieFile(players, skin).string()), Bytes(stored.begin(), stored.end())) << skin.name;
    }
    EXPECT_EQ(skinMovieFile(players, *findBuiltInSkin("real-like")), players / "2.swf");

    writeFile(folder.path("file"), Bytes{1});
    EXPECT_EQ(unpackBuiltInSkins(folder.path("file")), std::errc::not_a_directory);
    EXPECT_EQ(playerMovieFor("simple", folder.path("file")).problem,
              "cannot be written to " + folder.path("file/3.swf") + ": Not a directory");
}

TEST(PublishSettingsTest, StoredChoicesCountOnlyWhenValid) {
    TemporaryFolder folder;
    std::string file = folder.path("Songbox.sbx");
    PlayerChoices none = storedPlayerChoices(file);
    EXPECT_EQ(none.player, "");
    EXPECT_TRUE(none.autoStart && none.autoNext && none.loop && !none.random);
    EXPECT_EQ(none.title, "Tunemill Player");
    EXPECT_EQ(storedFolderChoices(file, "/default/Tunemill").folder, "/default/Tunemill");

    fs::create_directories(folder.path("sites"));
    ASSERT_TRUE(SavePlaylist({"/music/a.mp3"}, {"A"}, file));
    ASSERT_FALSE(savePlayerChoices(file, {"/moved/away/players/3.swf", false, false, false, true, "Mine"}));
    ASSERT_FALSE(saveFolderChoices(file, {folder.path("sites/Tunemill"), false, false}));
    PlayerChoices player = storedPlayerChoices(file);
    EXPECT_EQ(player.player, "/moved/away/players/3.swf") << "a built-in skin's name, wherever it points";
    EXPECT_FALSE(player.autoStart || player.autoNext || player.loop);
    EXPECT_TRUE(player.random);
    EXPECT_EQ(player.title, "Mine");
    FolderChoices chosen = storedFolderChoices(file, "/default/Tunemill");
    EXPECT_EQ(chosen.folder, folder.path("sites/Tunemill")) << "its parent exists";
    EXPECT_FALSE(chosen.html || chosen.runtime);

    PublishOptions raw(file);
    ASSERT_TRUE(raw.Load());
    raw.Set("Player", "/somewhere/custom.swf");
    raw.Set("AutoStart", "true");
    raw.Set("Random", "01");
    raw.Set("Folder", folder.path("gone/away/Tunemill"));
    raw.Set("HTML", "yes");
    ASSERT_TRUE(raw.Save());
    player = storedPlayerChoices(file);
    EXPECT_EQ(player.player, "");
    EXPECT_TRUE(player.autoStart);
    EXPECT_FALSE(player.random);
    EXPECT_FALSE(player.loop) << "the valid keys still count";
    chosen = storedFolderChoices(file, "/default/Tunemill");
    EXPECT_EQ(chosen.folder, "/default/Tunemill");
    EXPECT_TRUE(chosen.html);
    EXPECT_FALSE(chosen.runtime);
    raw.Set("Folder", "relative/Tunemill");
    ASSERT_TRUE(raw.Save());
    EXPECT_EQ(storedFolderChoices(file, "/default/Tunemill").folder, "/default/Tunemill");
}

TEST(PublishSettingsTest, UpdatingThePlaylistKeepsTheChoices) {
    TemporaryFolder folder;
    std::string file = folder.path("Songbox.sbx");
    ASSERT_FALSE(updatePlaylist({{"/music/a.mp3", "A"}}, file)) << "a first save makes the file";
    ASSERT_FALSE(savePlayerChoices(file, {"players/3.swf", false, true, false, true, "Mine"}));
    ASSERT_FALSE(updatePlaylist({{"/music/b.mp3", "B & \"C\""}, {"/music/c.mp3", ""}}, file));
    std::vector<std::string> paths, titles;
    ASSERT_TRUE(LoadPlaylist(paths, titles, file));
    EXPECT_EQ(paths, (std::vector<std::string>{"/music/b.mp3", "/music/c.mp3"}));
    EXPECT_EQ(titles, (std::vector<std::string>{"B & \"C\"", ""}));
    std::optional<PublishSettings> settings = loadPublishSettings(file);
    ASSERT_TRUE(settings);
    EXPECT_EQ(settings->player, "players/3.swf");
    EXPECT_EQ(settings->title, "Mine");
    EXPECT_EQ(settings->random, true);
    ASSERT_TRUE(SavePlaylist({"/music/a.mp3"}, {"A"}, file));
    EXPECT_EQ(loadPublishSettings(file)->title, "") << "a new file still starts without them";
}
