#include "publish/Playlist.h"
#include "publish/PlayerContract.h"
#include "publish/PublishOptions.h"
#include "publish/PublishSettings.h"
#include "publish/SkinCatalogue.h"
#include "resources/Resources.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace publish;
using namespace testing_support;
namespace fs = std::filesystem;

TEST(PublishSettingsTest, ThePagesChoicesTravelThroughTheFileAsTheJobReadsThem) {
    TemporaryFolder folder;
    std::string file = folder.path("Songbox.sbx");
    EXPECT_FALSE(savePlayerChoices(file, {})) << "nothing is stored before the playlist page made the file";
    ASSERT_TRUE(SavePlaylist({"/music/a.mp3"}, {"A"}, file));
    ASSERT_TRUE(savePlayerChoices(file, {"players/2.swf", false, true, false, true, "Songs & \"more\""}));
    ASSERT_TRUE(saveFolderChoices(file, {"/home/me/Tunemill", false, false}));

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
    std::vector<std::string> paths, titles;
    EXPECT_TRUE(LoadPlaylist(paths, titles, file)) << "the choices leave the playlist in place";
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
    EXPECT_FALSE(loadPublishSettings(folder.path("none.sbx")));
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
    EXPECT_EQ(unpackBuiltInSkins(players), 3);
    for (const contract::BuiltInSkin& skin : contract::BuiltInSkins) {
        auto stored = resources::findResource("SWF", skin.resource);
        EXPECT_EQ(readFile(skinMovieFile(players, skin).string()), Bytes(stored.begin(), stored.end())) << skin.name;
    }
    EXPECT_EQ(skinMovieFile(players, *findBuiltInSkin("real-like")), players / "2.swf");
}
