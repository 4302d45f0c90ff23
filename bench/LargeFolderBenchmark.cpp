// Large folders published whole by the command line, each track a hard link
// of one 0.1 s sound, without the cache (every run does all the work); each
// figure is the best of three runs, the publishes taking turns so that a
// machine busy for a while weighs on all of them alike:
// - 10,000 MP3s with and without the timed-lyrics lookup (every hundredth
//   track has an .lrc in upper case). Goal: at most 1.3 times apart.
// - 1,000, 3,000 and 10,000 MP3s with it. Goal: linear growth, a track at
//   10,000 taking at most 1.5 times as long as a track at 1,000.
// - 1,000 and 3,000 WAV files, each converted into the working folder.
//   Goal: a track at 3,000 taking at most 1.5 times as long as a track at
//   1,000.

#include "tests/support/TestSupport.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

using testing_support::TemporaryFolder;
using testing_support::run;
namespace fs = std::filesystem;

namespace {

const int Runs = 3;
const int LyricsEvery = 100;

// A folder of `count` names for one sound file, every LyricsEvery-th with
// lyrics; empty when it cannot be made.
fs::path makeFolder(const fs::path& sound, int count, const TemporaryFolder& work) {
    fs::path folder = work.path(sound.extension().string().substr(1) + std::to_string(count));
    std::error_code error;
    fs::create_directories(folder, error);
    for (int i = 1; i <= count && !error; ++i) {
        char stem[32];
        std::snprintf(stem, sizeof stem, "track %05d", i);
        fs::create_hard_link(sound, folder / (stem + sound.extension().string()), error);
        if (!error && i % LyricsEvery == 0)
            std::ofstream(folder / (std::string(stem) + ".LRC")) << "[00:00]x\n";
    }
    return error ? fs::path() : folder;
}

struct Publish {
    fs::path folder;
    int count = 0;
    bool lyrics = true;
    double best = -1;
};

// Seconds to publish it once; negative when the run fails or leaves tracks
// out.
double secondsToPublish(const std::string& publisher, const Publish& publish, const TemporaryFolder& work) {
    fs::path site = work.path("site");
    fs::remove_all(site);
    auto start = std::chrono::steady_clock::now();
    bool published = run("'" + publisher + "' --no-cache --runtime 0 --lyrics " + (publish.lyrics ? "1" : "0") +
                         " --folder '" + site.string() + "' '" + publish.folder.string() + "' >/dev/null 2>&1");
    double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    return published && fs::exists(site / "output" / (std::to_string(publish.count) + ".swf")) ? seconds : -1;
}

// Each publish's best of Runs, taken in turn; false when one fails.
bool timeInTurn(const std::string& publisher, std::vector<Publish>& publishes, const TemporaryFolder& work) {
    for (int attempt = 0; attempt < Runs; ++attempt)
        for (Publish& publish : publishes) {
            double seconds = secondsToPublish(publisher, publish, work);
            if (publish.folder.empty() || seconds < 0)
                return false;
            publish.best = publish.best < 0 ? seconds : std::min(publish.best, seconds);
        }
    return true;
}

// How much longer a track takes in the larger publish than in the smaller.
double perTrackRatio(const Publish& smaller, const Publish& larger) {
    return larger.best / larger.count / (smaller.best / smaller.count);
}

} // namespace

int main(int argc, char** argv) {
    std::string publisher = argc > 1 ? argv[1] : "build/tunemill-publish";
    TemporaryFolder work;
    setenv("XDG_CACHE_HOME", work.path("cache").c_str(), 1);
    fs::path wav = work.path("tone.wav"), mp3 = work.path("tone.mp3");
    if (!run("sox -n -r 22050 -c 1 -b 16 '" + wav.string() + "' synth 0.1 sine 440") ||
        !run("lame --quiet '" + wav.string() + "' '" + mp3.string() + "'")) {
        std::fprintf(stderr, "cannot make the track\n");
        return 1;
    }
    fs::path mp3s10000 = makeFolder(mp3, 10000, work);
    std::vector<Publish> publishes = {
        {makeFolder(mp3, 1000, work), 1000},     {makeFolder(mp3, 3000, work), 3000}, {mp3s10000, 10000},
        {mp3s10000, 10000, false},               {makeFolder(wav, 1000, work), 1000},
        {makeFolder(wav, 3000, work), 3000},
    };
    if (!timeInTurn(publisher, publishes, work)) {
        std::fprintf(stderr, "a publish failed or left tracks out\n");
        return 1;
    }
    const Publish &at1000 = publishes[0], &at3000 = publishes[1], &at10000 = publishes[2], &without = publishes[3];
    const Publish &converted1000 = publishes[4], &converted3000 = publishes[5];
    double lyricsRatio = at10000.best / without.best, growth = perTrackRatio(at1000, at10000);
    double conversionGrowth = perTrackRatio(converted1000, converted3000);
    std::printf("large folder: 1000 tracks %.2f s, 3000 %.2f s (x%.2f), 10000 %.2f s (x%.2f); a track at 10000 "
                "takes %.2f times a track at 1000 (goal: at most 1.5)\n",
                at1000.best, at3000.best, at3000.best / at1000.best, at10000.best, at10000.best / at1000.best, growth);
    std::printf("large folder: 10000 tracks without lyrics %.2f s, with %.2f s, ratio %.2f (goal: at most 1.3)\n",
                without.best, at10000.best, lyricsRatio);
    std::printf("large folder: 1000 converted tracks %.2f s, 3000 %.2f s (x%.2f); a track at 3000 takes %.2f times "
                "a track at 1000 (goal: at most 1.5)\n",
                converted1000.best, converted3000.best, converted3000.best / converted1000.best, conversionGrowth);
    return lyricsRatio <= 1.3 && growth <= 1.5 && conversionGrowth <= 1.5 ? 0 : 1;
}
