#include "tests/support/FolderSnapshot.h"
#include "RecordingObserver.h"
#include "content_cache/CacheKey.h"
#include "content_cache/PublishCache.h"
#include "publish/PublishJob.h"
#include "publish/PublishSettings.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <thread>

using namespace publish;
using namespace testing_support;
namespace fs = std::filesystem;

namespace {

// The real analyser, counting its runs (from any thread).
struct CountingAnalyser : MusicLibraryAnalyser {
    CountingAnalyser() : MusicLibraryAnalyser({ANALYSER_FOLDER}) {}
    bool run(const std::string& mp3, const fs::path& data, std::stop_token stop) override {
        ++runs;
        return MusicLibraryAnalyser::run(mp3, data, stop);
    }
    std::atomic<int> runs{0};
};

class IncrementalPublishTest : public ::testing::Test {
protected:
    void SetUp() override {
        int pitch = 200;
        for (auto [name, rate] : {std::pair{"a", 44100}, {"b", 22050}, {"c", 11025}, {"d", 44100}}) {
            std::string wav = folder.path(std::string(name) + ".wav"), mp3 = folder.path(std::string(name) + ".mp3");
            pitch += 70;
            ASSERT_TRUE(run("sox -n -r " + std::to_string(rate) + " -c 2 '" + wav + "' synth 3 pluck " +
                            std::to_string(pitch)));
            ASSERT_TRUE(run("lame --quiet '" + wav + "' '" + mp3 + "'"));
            playlist.push_back({mp3, std::string("Song ") + name});
        }
    }

    void save(const std::string& skin = "skin-a") {
        writeFile(folder.path(skin), Bytes(skin.begin(), skin.end()));
        publishing.folder = folder.path("site");
        publishing.title = "Tunemill Player";
        publishing.player = folder.path(skin);
        publishing.autoStart = publishing.autoNext = publishing.loop = true;
        publishing.random = false;
        publishing.html = true;
        publishing.runtime = false;
    }

    PublishResult publishWith(int jobs, bool cached) {
        PublishJobOptions options{jobs, std::nullopt, PublishCache::DefaultLimit};
        if (cached)
            options.cacheFolder = cacheFolder;
        observer = RecordingObserver();
        return PublishJob(settings, analyser, observer, "", options).run(publishing, playlist);
    }

    std::map<std::string, std::string> output() { return snapshot(folder.path("site/output")); }

    TemporaryFolder folder;
    SettingsFolder settings{folder.path("")};
    std::string cacheFolder = folder.path("cache");
    std::vector<PlaylistItem> playlist;
    PublishSettings publishing;
    CountingAnalyser analyser;
    RecordingObserver observer;
};

std::vector<fs::path> entries(const fs::path& cache, const char* kind) {
    std::vector<fs::path> found;
    for (const auto& entry : fs::directory_iterator(cache / kind))
        found.push_back(entry.path());
    return found;
}

} // namespace

TEST_F(IncrementalPublishTest, TheOutputIsTheSameByteForByteForAnyJobsWithOrWithoutTheCache) {
    save();
    ASSERT_EQ(publishWith(1, false).outcome, PublishOutcome::AllPublished);
    auto serial = output();
    ASSERT_EQ(serial.size(), 8u);
    for (int jobs : {2, 8}) {
        ASSERT_EQ(publishWith(jobs, false).outcome, PublishOutcome::AllPublished);
        EXPECT_EQ(output(), serial) << jobs << " jobs";
        EXPECT_EQ(observer.positions, (std::vector<int>{75, 150, 225, 300})) << "in order, only rising";
        std::vector<std::string> reports(observer.events.begin(), observer.events.end());
        std::vector<std::string> expected;
        for (int n = 1; n <= 4; ++n)
            for (std::string event : {"start ", "wait Generate specrum data", "wait ends", "track "})
                expected.push_back(event.ends_with(' ') ? event + std::to_string(n) : event);
        EXPECT_EQ(reports, expected);
    }
    int runs = analyser.runs;
    ASSERT_EQ(publishWith(2, true).outcome, PublishOutcome::AllPublished);
    EXPECT_EQ(output(), serial) << "filling the cache";
    EXPECT_EQ(analyser.runs, runs + 4);
    ASSERT_EQ(publishWith(8, true).outcome, PublishOutcome::AllPublished);
    EXPECT_EQ(output(), serial) << "from the cache";
    EXPECT_EQ(analyser.runs, runs + 4) << "nothing analysed again";
}

TEST_F(IncrementalPublishTest, AnotherSkinReusesEveryMovieAndANewTitleOnlyItsOwn) {
    save();
    ASSERT_EQ(publishWith(2, true).outcome, PublishOutcome::AllPublished);
    auto first = output();
    save("skin-b");
    ASSERT_EQ(publishWith(2, true).outcome, PublishOutcome::AllPublished);
    EXPECT_EQ(analyser.runs, 4);
    EXPECT_EQ(output()["1.swf"], first["1.swf"]);
    EXPECT_EQ(output()["Player.swf"], "skin-b");
    EXPECT_EQ(entries(cacheFolder, "movies").size(), 4u);

    playlist[1].title = "Another title";
    save("skin-b");
    ASSERT_EQ(publishWith(2, true).outcome, PublishOutcome::AllPublished);
    EXPECT_EQ(analyser.runs, 4) << "the analysis is reused";
    EXPECT_EQ(entries(cacheFolder, "movies").size(), 5u) << "only the retitled movie is built";
    EXPECT_NE(output()["2.swf"], first["2.swf"]);
    EXPECT_EQ(output()["3.swf"], first["3.swf"]);
}

TEST_F(IncrementalPublishTest, ADamagedEntryIsBuiltAgainNeverPublished) {
    save();
    ASSERT_EQ(publishWith(1, true).outcome, PublishOutcome::AllPublished);
    auto first = output();
    std::vector<fs::path> movies = entries(cacheFolder, "movies");
    ASSERT_EQ(movies.size(), 4u);
    fs::resize_file(movies[0], fs::file_size(movies[0]) / 2);
    Bytes damaged = readFile(movies[1]);
    damaged[damaged.size() - 10] ^= 0xFF;
    writeFile(movies[1].string(), damaged);
    for (const fs::path& analysis : entries(cacheFolder, "analyses"))
        writeFile(analysis.string(), {'x'});

    ASSERT_EQ(publishWith(1, true).outcome, PublishOutcome::AllPublished);
    EXPECT_EQ(output(), first);
    EXPECT_EQ(analyser.runs, 6) << "the two damaged movies' analyses made again";
    EXPECT_NE(readFile(movies[1].string()), damaged) << "the entry is whole again";
}

// Each entry is whole, but lies under another key's name: the first two
// tracks' movies and analyses swapped, the fourth track's movie copied over
// the third's.
TEST_F(IncrementalPublishTest, AnEntryUnderAnotherKeysNameIsBuiltAgainNeverPublished) {
    save();
    ASSERT_EQ(publishWith(1, false).outcome, PublishOutcome::AllPublished);
    auto uncached = output();
    ASSERT_EQ(publishWith(2, true).outcome, PublishOutcome::AllPublished);
    int runs = analyser.runs;
    PublishCache cache(cacheFolder, PublishCache::DefaultLimit);
    std::vector<fs::path> movies, analyses;
    for (const PlaylistItem& item : playlist) {
        ContentHash source;
        ASSERT_FALSE(hashFile(item.path, source));
        CacheKeyParts parts{CacheEntryKind::TrackMovie, source, item.title, analyser.identity(), ""};
        movies.push_back(cache.entryPath(parts.kind, cacheKey(parts)));
        parts = {CacheEntryKind::Analysis, source, "", analyser.identity(), ""};
        analyses.push_back(cache.entryPath(parts.kind, cacheKey(parts)));
        ASSERT_TRUE(fs::exists(movies.back()) && fs::exists(analyses.back())) << item.path;
    }
    for (const auto& paths : {movies, analyses}) {
        fs::rename(paths[0], cacheFolder + "/swapping");
        fs::rename(paths[1], paths[0]);
        fs::rename(cacheFolder + "/swapping", paths[1]);
    }
    fs::copy_file(movies[3], movies[2], fs::copy_options::overwrite_existing);

    ASSERT_EQ(publishWith(2, true).outcome, PublishOutcome::AllPublished);
    EXPECT_EQ(output(), uncached);
    EXPECT_EQ(analyser.runs, runs + 2) << "the swapped analyses made again, the third track's taken";
    ASSERT_EQ(publishWith(2, true).outcome, PublishOutcome::AllPublished);
    EXPECT_EQ(output(), uncached);
    EXPECT_EQ(analyser.runs, runs + 2) << "every entry is its own key's again";
}

TEST_F(IncrementalPublishTest, AnUnusableCacheIsOneNoticeAndTheCacheIsBounded) {
    save();
    writeFile(cacheFolder, {'x'});
    ASSERT_EQ(publishWith(2, true).outcome, PublishOutcome::AllPublished);
    ASSERT_EQ(observer.notices.size(), 1u);
    EXPECT_EQ(describe(observer.notices[0]),
              "The cache " + cacheFolder + " cannot be used (Not a directory); publishing without it");
    auto uncached = output();

    fs::remove(cacheFolder);
    PublishJobOptions small{1, cacheFolder, 100 * 1024};
    observer = RecordingObserver();
    ASSERT_EQ(PublishJob(settings, analyser, observer, "", small).run(publishing, playlist).outcome,
              PublishOutcome::AllPublished);
    EXPECT_TRUE(observer.notices.empty());
    EXPECT_EQ(output(), uncached);
    std::uintmax_t total = 0;
    for (const auto& entry : fs::recursive_directory_iterator(cacheFolder))
        total += entry.is_regular_file() ? entry.file_size() : 0;
    EXPECT_LE(total, 100u * 1024);
    EXPECT_GT(total, 0u) << "the most recent entries stay";
}

TEST_F(IncrementalPublishTest, AStopInsideTheAnalysisEndsThePublishSoon) {
    std::string wav = folder.path("long.wav"), mp3 = folder.path("long.mp3");
    ASSERT_TRUE(run("sox -n -r 44100 -c 2 '" + wav + "' synth 1200 pluck 300"));
    ASSERT_TRUE(run("lame --quiet -b 64 '" + wav + "' '" + mp3 + "'"));
    playlist = {{mp3, "Long"}};
    save();
    std::stop_source stop;
    std::thread stopper([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        stop.request_stop();
    });
    auto started = std::chrono::steady_clock::now();
    PublishResult result =
        PublishJob(settings, analyser, observer, "", {1, std::nullopt}).run(publishing, playlist, stop.get_token());
    auto took = std::chrono::steady_clock::now() - started;
    stopper.join();
    EXPECT_EQ(result.outcome, PublishOutcome::Cancelled);
    EXPECT_LT(took, std::chrono::seconds(10)) << "a 20-minute analysis was not run to its end";
    EXPECT_FALSE(fs::exists(folder.path("site/output")));
    EXPECT_FALSE(fs::exists(settings.dataFile())) << "a stopped analysis writes nothing";
}

TEST(CacheSizeTest, TakesBytesAndBinaryUnits) {
    EXPECT_EQ(parseCacheSize("2G"), std::uintmax_t(2) << 30);
    EXPECT_EQ(parseCacheSize("500M"), std::uintmax_t(500) << 20);
    EXPECT_EQ(parseCacheSize("64K"), 65536u);
    EXPECT_EQ(parseCacheSize("1000"), 1000u);
    for (const char* bad : {"", "G", "2X", "-1", "1.5G", "99999999999999999999"})
        EXPECT_FALSE(parseCacheSize(bad)) << bad;
}
