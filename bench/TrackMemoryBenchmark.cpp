// One long track published by the command line: a ten-minute 192 kbit/s
// MP3, one job, an empty cache. Goal: the publisher's peak resident memory
// (as /usr/bin/time -v reports it, the in-process analyser included) at most
// 1.5 times the file's size plus 20 MB. Prints the figures and the ratio of
// the peak to that allowance.

#include "tests/support/TestSupport.h"

#include <cstdio>
#include <filesystem>
#include <string>

using testing_support::TemporaryFolder;
using testing_support::outputOf;
using testing_support::run;

namespace {

const int Seconds = 600;
const double SizeFactor = 1.5;
const double FixedAllowance = 20.0 * 1024 * 1024;

// A tone that sweeps, so that the encoder spends its bits as on music.
bool makeTrack(const std::string& wav, const std::string& mp3) {
    return run("sox -n -r 44100 -c 2 -b 16 '" + wav + "' synth " + std::to_string(Seconds) +
               " sine 200-4000 sine 300-5000 vol 0.4") &&
           run("lame --quiet --cbr -b 192 '" + wav + "' '" + mp3 + "'");
}

// The options that make it one job without a cache, on builds that have them.
std::string singleJobOptions(const std::string& publisher) {
    std::string help = outputOf("'" + publisher + "' --help 2>&1");
    std::string options;
    if (help.find("--jobs") != std::string::npos)
        options += " --jobs 1";
    if (help.find("--no-cache") != std::string::npos)
        options += " --no-cache";
    return options;
}

// Peak resident memory in bytes of the command, by /usr/bin/time -v.
double peakBytes(const std::string& command, const std::string& report) {
    if (!run("/usr/bin/time -v -o '" + report + "' " + command + " >/dev/null 2>&1"))
        return -1;
    std::string text = outputOf("grep 'Maximum resident set size' '" + report + "'");
    size_t colon = text.find(':');
    return colon == std::string::npos ? -1 : std::stod(text.substr(colon + 1)) * 1024;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: track_memory_benchmark PATH/tunemill-publish\n");
        return 2;
    }
    std::string publisher = argv[1];
    TemporaryFolder folder;
    std::string mp3 = folder.path("long.mp3");
    if (!makeTrack(folder.path("long.wav"), mp3)) {
        std::fprintf(stderr, "cannot make the track (sox, lame)\n");
        return 1;
    }
    std::filesystem::remove(folder.path("long.wav"));
    double size = static_cast<double>(std::filesystem::file_size(mp3));

    // A fresh cache folder, so that nothing is taken from an earlier run.
    std::string command = "env XDG_CACHE_HOME='" + folder.path("cache") + "' '" + publisher + "'" +
                          singleJobOptions(publisher) + " --runtime 0 --folder '" + folder.path("site") + "' '" +
                          mp3 + "'";
    double peak = peakBytes(command, folder.path("time.txt"));
    if (peak < 0) {
        std::fprintf(stderr, "the publish failed: %s\n", command.c_str());
        return 1;
    }
    double allowance = SizeFactor * size + FixedAllowance;
    std::printf("track: %.1f MB (%d s at 192 kbit/s)\n", size / 1e6, Seconds);
    std::printf("peak resident memory: %.1f MB; allowance 1.5 x size + 20 MB: %.1f MB\n", peak / 1048576,
                allowance / 1048576);
    std::printf("ratio: %.2f (goal <= 1.00) %s\n", peak / allowance, peak <= allowance ? "met" : "NOT met");
    return 0;
}
