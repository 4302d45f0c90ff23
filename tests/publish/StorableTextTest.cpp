#include "publish/Playlist.h"
#include "publish/PublishOptions.h"
#include "publish/PublishSettings.h"
#include "text_formats/StorableText.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

using namespace publish;
using namespace testing_support;

TEST(StorableTextTest, Utf8IsKeptLatin1IsReadAsSuchControlsAndDirectionControlsGo) {
    struct Case {
        std::string given, stored;
        bool latin1, controls;
    };
    const Case cases[] = {
        {"Caf\xC3\xA9 \xE2\x99\xAA \xF0\x9F\x8E\xB5\tend", "Caf\xC3\xA9 \xE2\x99\xAA \xF0\x9F\x8E\xB5\tend", false, false},
        {"Caf\xE9", "Caf\xC3\xA9", true, false},
        {"a\x01" "b\x7F" "c\r\nd", "abcd", false, true},
        {"\xC2\x85" "x\xEF\xBF\xBE", "x", false, true},           // C1 NEL, U+FFFE
        {"\xC0\xAF", "\xC3\x80\xC2\xAF", true, false},             // overlong "/"
        {"\xED\xA0\x80", "\xC3\xAD\xC2\xA0", true, true},          // a surrogate; 0x80 is C1 in Latin-1
        {"\xF4\x90\x80\x80", "\xC3\xB4", true, true},      // beyond U+10FFFF
        {"\xE2\x99", "\xC3\xA2", true, true},              // cut short
        // Direction controls: RLO txt.exe PDF; LRE, LRI, RLI, FSI, PDI
        {"\xE2\x80\xAEtxt.exe\xE2\x80\xAC", "txt.exe", false, true},
        {"a\xE2\x80\xAA" "b\xE2\x81\xA6" "c\xE2\x81\xA7\xE2\x81\xA8" "d\xE2\x81\xA9", "abcd", false, true},
        // The marks RLM, LRM stay; so do U+2029, U+202F, U+2065, U+206A beside the controls
        {"\xE2\x80\x8Fx\xE2\x80\x8E\xE2\x80\xA9\xE2\x80\xAF\xE2\x81\xA5\xE2\x81\xAA",
         "\xE2\x80\x8Fx\xE2\x80\x8E\xE2\x80\xA9\xE2\x80\xAF\xE2\x81\xA5\xE2\x81\xAA", false, false},
        {"", "", false, false},
    };
    for (const Case& c : cases) {
        StorableText stored = storableText(c.given);
        EXPECT_EQ(stored.text, c.stored) << hex(Bytes(c.given.begin(), c.given.end()));
        EXPECT_EQ(stored.readAsLatin1, c.latin1) << c.given;
        EXPECT_EQ(stored.controlsRemoved, c.controls) << c.given;
        EXPECT_TRUE(isStorableText(stored.text));
        EXPECT_EQ(isStorableText(c.given), !c.latin1 && !c.controls);
    }
}

// Whatever the titles hold, the settings file parses under a strict parser
// (expat), and what it stores comes back.
TEST(StorableTextTest, TheSettingsFileStaysXmlAndRefusesPathsItCannotHold) {
    TemporaryFolder folder;
    std::string path = folder.path("Songbox.sbx");
    ASSERT_TRUE(SavePlaylist({"/m/1.mp3"}, {"T\x01itle \xE9"}, path));
    PlayerChoices player;
    player.title = "My\x02 list";
    ASSERT_FALSE(savePlayerChoices(path, player));
    EXPECT_TRUE(run("python3 -c \"import xml.etree.ElementTree as E; E.parse('" + path + "')\""));
    std::vector<std::string> paths, titles;
    ASSERT_TRUE(LoadPlaylist(paths, titles, path));
    EXPECT_EQ(titles[0], "Title \xC3\xA9");
    EXPECT_EQ(loadPublishSettings(path)->title, "My list");

    EXPECT_FALSE(SavePlaylist({"/m/caf\xE9.mp3"}, {"x"}, path)) << "another path would name another file";
    EXPECT_FALSE(SavePlaylist({"/m/a\nb.mp3"}, {"x"}, path));
    PublishOptions options(path);
    options.Set("Folder", "/out\x01");
    EXPECT_FALSE(options.Save());
    ASSERT_TRUE(LoadPlaylist(paths, titles, path)) << "the file is as it was";

    writeFile(path, Bytes{});
    std::string handWritten = "<data Title=\"a&#1;b\"><item><file text=\"x&#x85;y\">/m/1.mp3</file></item>"
                              "<item><file text=\"z\">/m/&#2;.mp3</file></item></data>";
    writeFile(path, Bytes(handWritten.begin(), handWritten.end()));
    paths.clear();
    titles.clear();
    ASSERT_TRUE(LoadPlaylist(paths, titles, path));
    EXPECT_EQ(paths, std::vector<std::string>{"/m/1.mp3"}) << "a path we could not have stored is left out";
    EXPECT_EQ(titles, std::vector<std::string>{"xy"});
    EXPECT_EQ(loadPublishSettings(path)->title, "ab");
}
