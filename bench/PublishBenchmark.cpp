// Building a track movie against zlib's compression of the same MP3 bytes
// alone (goal: at most 1.15 times), and the spectrum analyser against
// libmpg123 decoding alone (goal: at most 1.5 times), on a 5-minute
// 128 kbit/s MP3 made at start-up.

#include "publish/SpectrumAnalyser.h"
#include "publish/TrackMovieBuilder.h"
#include "tests/support/TestSupport.h"

#include <benchmark/benchmark.h>
#include <mpg123.h>
#include <zlib.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

testing_support::TemporaryFolder* folder;
std::string mp3Path;
testing_support::Bytes mp3Bytes;

void BM_BuildTrackMovie(benchmark::State& state) {
    std::string movie = folder->path("1.swf");
    for (auto _ : state)
        publish::buildTrackMovie(mp3Path, "Five minutes", movie, folder->path("none.log"));
}

void BM_CompressMp3Alone(benchmark::State& state) {
    std::vector<unsigned char> output(static_cast<size_t>(mp3Bytes.size() * 1.1) + 64);
    for (auto _ : state) {
        uLongf size = output.size();
        compress2(output.data(), &size, mp3Bytes.data(), mp3Bytes.size(), Z_DEFAULT_COMPRESSION);
        benchmark::DoNotOptimize(size);
    }
}

void BM_Analyser(benchmark::State& state) {
    publish::MusicLibraryAnalyser analyser({ANALYSER_FOLDER});
    for (auto _ : state)
        analyser.run(mp3Path, folder->path("data.log"), {});
}

void BM_DecodeAlone(benchmark::State& state) {
    std::vector<unsigned char> pcm(65536);
    for (auto _ : state) {
        mpg123_handle* decoder = mpg123_new(nullptr, nullptr);
        mpg123_param(decoder, MPG123_ADD_FLAGS, MPG123_QUIET, 0);
        mpg123_open(decoder, mp3Path.c_str());
        size_t total = 0, done = 0;
        int result;
        while ((result = mpg123_read(decoder, pcm.data(), pcm.size(), &done)) == MPG123_OK ||
               result == MPG123_NEW_FORMAT)
            total += done;
        mpg123_close(decoder);
        mpg123_delete(decoder);
        benchmark::DoNotOptimize(total);
    }
}

BENCHMARK(BM_BuildTrackMovie)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CompressMp3Alone)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Analyser)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DecodeAlone)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    testing_support::TemporaryFolder temporary;
    folder = &temporary;
    mp3Path = temporary.path("five-minutes.mp3");
    testing_support::writeToneWav(temporary.path("five-minutes.wav"), 44100, 2, 300.0, 523.25);
    if (!testing_support::run("lame --quiet -b 128 '" + temporary.path("five-minutes.wav") + "' '" + mp3Path + "'"))
        return 1;
    mp3Bytes = testing_support::readFile(mp3Path);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
