// Converting a 5-minute WAV with our converter against the Debian `lame`
// program with the same (default) settings on the same file (goal: at most
// 1.05 times).

#include "audio/Mp3Converter.h"
#include "tests/support/TestSupport.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>

namespace {

testing_support::TemporaryFolder* folder;
std::string wavPath;

void BM_ConvertToMp3(benchmark::State& state) {
    std::string mp3 = folder->path("ours.mp3");
    for (auto _ : state)
        if (!audio::ConvertToMp3(wavPath, mp3, audio::ConverterInput::Pcm, audio::EncoderSampleRate))
            state.SkipWithError("the conversion failed");
}

void BM_LameProgram(benchmark::State& state) {
    // The program turns ReplayGain analysis on by itself; the library's
    // default, which the converter keeps, is off.
    std::string command = "lame --silent --noreplaygain '" + wavPath + "' '" + folder->path("lame.mp3") + "'";
    for (auto _ : state)
        if (!testing_support::run(command))
            state.SkipWithError("lame failed");
}

} // namespace

BENCHMARK(BM_ConvertToMp3)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_LameProgram)->Unit(benchmark::kMillisecond)->Iterations(3);

int main(int argc, char** argv) {
    testing_support::TemporaryFolder temporary;
    folder = &temporary;
    wavPath = folder->path("five-minutes.wav");
    testing_support::writeToneWav(wavPath, 44100, 1, 300.0, 523.25);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
