// An album published by the command line against the peer pipeline on the
// same files: twelve five-minute tagged 44.1 kHz 128 kbit/s MP3s. The peer,
// per file, decodes to PCM with ffmpeg (what a spectrum needs), writes the
// MP3 into an SWF with `ffmpeg -c:a copy -f swf`, and compresses that SWF
// with zlib. Goal: ours at most 0.8 times the peer. Also reports the
// publisher's peak memory against the largest track.

#include "bench/Median.h"
#include "tests/support/TestSupport.h"

#include <zlib.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

using testing_support::TemporaryFolder;
using testing_support::run;

namespace {

const int Tracks = 12;
const int Runs = 3;

double seconds(std::chrono::steady_clock::time_point since) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

// Twelve different tones, each tagged with a title and a cover picture.
std::vector<std::string> makeAlbum(const TemporaryFolder& folder) {
    std::string cover = folder.path("cover.jpg");
    if (!run("ffmpeg -v error -f lavfi -i color=c=gray:s=500x500,noise=alls=60:allf=t -frames:v 1 '" + cover + "'"))
        return {};
    std::vector<std::string> album;
    for (int i = 1; i <= Tracks; ++i) {
        std::string wav = folder.path("t.wav"), plain = folder.path("plain.mp3");
        std::string mp3 = folder.path("track" + std::to_string(i) + ".mp3");
        bool made = run("sox -n -r 44100 -c 2 -b 16 '" + wav + "' synth 300 sine " + std::to_string(200 + 40 * i) +
                        "-" + std::to_string(3000 + 200 * i) + " vol 0.5") &&
                    run("lame --quiet -b 128 '" + wav + "' '" + plain + "'") &&
                    run("ffmpeg -v error -y -i '" + plain + "' -i '" + cover +
                        "' -map 0 -map 1 -c copy -id3v2_version 3 -metadata title='Track " + std::to_string(i) + "' '" +
                        mp3 + "'");
        if (!made)
            return {};
        album.push_back(mp3);
    }
    return album;
}

// Runs a command in a child and returns its peak resident memory in KiB.
long peakMemoryOf(const std::string& command) {
    pid_t child = fork();
    if (child == 0) {
        execl("/bin/sh", "sh", "-c", command.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    int status;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    return usage.ru_maxrss;
}

bool compressFile(const std::string& path) {
    testing_support::Bytes bytes = testing_support::readFile(path);
    uLongf size = compressBound(bytes.size());
    std::vector<unsigned char> compressed(size);
    return compress2(compressed.data(), &size, bytes.data(), bytes.size(), Z_DEFAULT_COMPRESSION) == Z_OK;
}

bool peerPipeline(const std::vector<std::string>& album, const TemporaryFolder& folder) {
    for (const std::string& mp3 : album) {
        std::string swf = folder.path("peer.swf");
        if (!run("ffmpeg -v error -y -i '" + mp3 + "' -f s16le - >/dev/null") ||
            !run("ffmpeg -v error -y -i '" + mp3 + "' -map 0:a -c:a copy -f swf '" + swf + "'") || !compressFile(swf))
            return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    std::string publisher = argc > 1 ? argv[1] : "build/tunemill-publish";
    TemporaryFolder folder;
    std::fprintf(stderr, "Making the album: %d five-minute tagged MP3s...\n", Tracks);
    std::vector<std::string> album = makeAlbum(folder);
    if (album.empty()) {
        std::fprintf(stderr, "cannot make the album\n");
        return 1;
    }
    std::string files;
    size_t largest = 0;
    for (const std::string& mp3 : album) {
        files += " '" + mp3 + "'";
        largest = std::max(largest, testing_support::readFile(mp3).size());
    }
    std::string ours = publisher + " --no-cache --runtime 0 --folder '" + folder.path("site") + "'" + files + " 2>/dev/null";

    std::vector<double> ourTimes, peerTimes;
    long peak = 0;
    for (int i = 0; i < Runs; ++i) {
        auto start = std::chrono::steady_clock::now();
        peak = std::max(peak, peakMemoryOf(ours));
        ourTimes.push_back(seconds(start));
        start = std::chrono::steady_clock::now();
        if (!peerPipeline(album, folder)) {
            std::fprintf(stderr, "the peer pipeline failed\n");
            return 1;
        }
        peerTimes.push_back(seconds(start));
    }
    double ourTime = median(ourTimes), peerTime = median(peerTimes);
    std::printf("album of %d tracks, median of %d runs\n", Tracks, Runs);
    std::printf("  tunemill-publish: %.2f s\n", ourTime);
    std::printf("  peer pipeline:    %.2f s (ffmpeg decode + ffmpeg swf copy + zlib)\n", peerTime);
    std::printf("  ratio:            %.2f (goal at most 0.80)\n", ourTime / peerTime);
    std::printf("  peak memory:      %.1f MiB, %.1f times the largest track (%.1f MiB)\n", peak / 1024.0,
                peak * 1024.0 / static_cast<double>(largest), largest / 1048576.0);
    return 0;
}
