#include "resources/Resources.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

using namespace transform;
using namespace testing_support;

namespace {

struct SkinFacts {
    int resource;
    int width, height;
    float frameRate;
    bool spectrum, lyric, stop;
    const char* buffering;
};

class SkinMovieTest : public ::testing::TestWithParam<SkinFacts> {};

void collect(const FSActionList& actions, std::set<std::string>& functions, std::set<std::string>& strings) {
    for (const FSActionObject* action : actions) {
        if (auto* function = dynamic_cast<const FSNewFunction*>(action)) {
            functions.insert(function->name.getText());
            collect(function->actions, functions, strings);
        } else if (auto* push = dynamic_cast<const FSPush*>(action)) {
            for (const FSValue* value : push->values)
                if (auto* text = dynamic_cast<const FSString*>(value))
                    strings.insert(text->getText());
        }
    }
}

TEST_P(SkinMovieTest, IsACompressedVersion7MovieWithTheSharedLogic) {
    const SkinFacts& facts = GetParam();
    auto stored = resources::findResource("SWF", facts.resource);
    ASSERT_FALSE(stored.empty());
    EXPECT_EQ(std::string(stored.begin(), stored.begin() + 3), "CWS");
    FSMovieHeader header;
    auto movie = decodeMovie(stored.data(), static_cast<int>(stored.size()), &header);
    EXPECT_EQ(header.version, 7);
    EXPECT_EQ(movie->getFrameSize().maxX, facts.width * 20);
    EXPECT_EQ(movie->getFrameSize().maxY, facts.height * 20);
    EXPECT_EQ(movie->getFrameRate(), facts.frameRate);

    std::set<std::string> names, variables, functions, strings;
    for (const FSMovieObject* tag : movie->getObjects()) {
        if (auto* place = dynamic_cast<const FSPlaceObject2*>(tag); place && (place->flags & FSPlaceObject2::HasName))
            names.insert(place->name.getText());
        if (auto* text = dynamic_cast<const FSDefineEditText*>(tag))
            variables.insert(text->variable.getText());
        if (auto* doAction = dynamic_cast<const FSDoAction*>(tag))
            collect(doAction->actions, functions, strings);
    }
    for (const char* name : {"btnPlay", "btnPause", "btnPrev", "btnNext"})
        EXPECT_TRUE(names.count(name)) << name;
    EXPECT_EQ(names.count("mcSpectrum"), facts.spectrum);
    EXPECT_EQ(names.count("btnMute") + names.count("btnLogo"), facts.spectrum ? 2u : 0u);
    EXPECT_EQ(names.count("btnStop"), facts.stop);
    EXPECT_EQ(variables.count("lyric"), facts.lyric);
    EXPECT_TRUE(variables.count("g_Title") && variables.count("g_Time"));
    for (const char* function : {"LoadFile", "PlayMusic", "PauseMusic", "PlayNext", "PlayPrev", "PlayIt",
                                 "SetMusicVol", "SetMusicPos", "Process"})
        EXPECT_TRUE(functions.count(function)) << function;
    EXPECT_EQ(functions.count("StopMusic"), facts.stop);
    EXPECT_TRUE(strings.count(facts.buffering));
    EXPECT_TRUE(strings.count("music_list.xml") && strings.count("objMusic"));
    EXPECT_EQ(strings.count("mc_sb9"), facts.spectrum);
}

INSTANTIATE_TEST_SUITE_P(Skins, SkinMovieTest,
                         ::testing::Values(SkinFacts{208, 300, 60, 12.0f, true, false, false, "Buffering... "},
                                           SkinFacts{209, 300, 60, 38.0f, true, true, false, "Buffering... "},
                                           SkinFacts{217, 205, 25, 12.0f, false, false, true, "Buffering.. "}));

} // namespace
