// The publishing engine in whole processes, on a tagged album of six
// four-minute 44.1 kHz 128 kbit/s MP3s, each figure the median of three
// runs with the page cache warm:
// - a first publish with an empty cache (a fresh XDG_CACHE_HOME each run),
//   default --jobs, against the serial floor: one shell script that decodes
//   every file once with mpg123 and then deflates every file's bytes once
//   with zlib at level 6. Goal: at most 0.8 times the floor.
// - republishing the unchanged album, and the same album with another skin,
//   against that first publish. Goal: at most 0.1 times.
// - what putting the new player on disk before the swap costs: the first
//   publish and the unchanged republish, each against the same publish
//   with its flushes made to do nothing (the program run with
//   libwithout_flushes.so preloaded).
// Every timed command starts after a sync, so that none flushes what the
// one before it wrote.

#include "bench/Median.h"
#include "tests/support/TestSupport.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

using testing_support::TemporaryFolder;
using testing_support::run;

namespace {

const int Tracks = 6;
const int Runs = 3;

double timed(const std::string& command) {
    run("sync");
    auto start = std::chrono::steady_clock::now();
    if (!run(command))
        std::fprintf(stderr, "failed: %s\n", command.c_str());
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

std::vector<std::string> makeAlbum(const TemporaryFolder& folder) {
    std::vector<std::string> album;
    for (int i = 1; i <= Tracks; ++i) {
        std::string wav = folder.path("t.wav"), mp3 = folder.path("track" + std::to_string(i) + ".mp3");
        bool made = run("sox -n -r 44100 -c 2 -b 16 '" + wav + "' synth 240 sine " + std::to_string(150 + 30 * i) + "-" +
                        std::to_string(4000 + 300 * i) + " vol 0.5") &&
                    run("lame --quiet -b 128 --tt 'Track " + std::to_string(i) + "' --ta Tunemill '" + wav + "' '" +
                        mp3 + "'");
        if (!made)
            return {};
        album.push_back(mp3);
    }
    return album;
}

} // namespace

int main(int argc, char** argv) {
    std::string publisher = argc > 1 ? argv[1] : "build/tunemill-publish";
    std::string deflate = argc > 2 ? argv[2] : "build/bench/zlib_deflate";
    TemporaryFolder folder;
    std::fprintf(stderr, "Making the album: %d four-minute tagged MP3s...\n", Tracks);
    std::vector<std::string> album = makeAlbum(folder);
    if (album.empty()) {
        std::fprintf(stderr, "cannot make the album\n");
        return 1;
    }
    std::string files, decodeAll, deflateAll;
    for (const std::string& mp3 : album) {
        files += " '" + mp3 + "'";
        decodeAll += "mpg123 -q -s '" + mp3 + "' > /dev/null\n";
        deflateAll += "'" + deflate + "' '" + mp3 + "'\n";
    }
    std::string floorScript = folder.path("floor.sh");
    std::ofstream(floorScript) << "#!/bin/sh\nset -e\n" << decodeAll << deflateAll;

    std::string site = folder.path("site");
    auto publish = [&](const std::string& cache, const std::string& options, const std::string& preload = "") {
        return preload + "XDG_CACHE_HOME='" + cache + "' " + publisher + " --runtime 0 --folder '" + site + "' " +
               options + files + " >/dev/null 2>&1";
    };
    const std::string withoutFlushes = "LD_PRELOAD='" WITHOUT_FLUSHES "' ";
    std::vector<double> first, floor, unchanged, reskinned, firstUnflushed, unchangedUnflushed;
    timed("sh '" + floorScript + "'");  // the page cache warm for both
    for (int i = 0; i < Runs; ++i) {
        std::string cache = folder.path("cache" + std::to_string(i));
        first.push_back(timed(publish(cache, "")));
        floor.push_back(timed("sh '" + floorScript + "'"));
        unchanged.push_back(timed(publish(cache, "")));
        unchangedUnflushed.push_back(timed(publish(cache, "", withoutFlushes)));
        reskinned.push_back(timed(publish(cache, "--skin wmp-like")));
        run("rm -rf '" + cache + "'");
        firstUnflushed.push_back(timed(publish(cache, "", withoutFlushes)));
        run("rm -rf '" + cache + "'");
    }
    double firstTime = median(first), floorTime = median(floor);
    std::printf("album of %d four-minute tracks, median of %d runs\n", Tracks, Runs);
    std::printf("  first publish, empty cache: %.2f s\n", firstTime);
    std::printf("  serial floor (mpg123 + zlib 6): %.2f s\n", floorTime);
    std::printf("  ratio: %.2f (goal at most 0.80)\n", firstTime / floorTime);
    std::printf("  republish unchanged: %.3f s, %.3f of the first (goal at most 0.10)\n", median(unchanged),
                median(unchanged) / firstTime);
    std::printf("  republish, another skin: %.3f s, %.3f of the first (goal at most 0.10)\n", median(reskinned),
                median(reskinned) / firstTime);
    std::printf("  first publish without the flushes: %.2f s; with them %.3f times that\n", median(firstUnflushed),
                firstTime / median(firstUnflushed));
    std::printf("  republish unchanged without the flushes: %.3f s; with them %.3f times that\n",
                median(unchangedUnflushed), median(unchanged) / median(unchangedUnflushed));
    return 0;
}
