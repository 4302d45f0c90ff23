// The analyser library's entry points: "export" as the players have always
// called it, and "export_stoppable", which also takes a flag that another
// thread sets to make it stop within a fraction of a second (writing no
// file then). C++ cannot spell "export", hence the assembler label.

#include "analyser/ChunkQueue.h"
#include "analyser/Mp3Decoder.h"
#include "analyser/BarsAnalysis.h"

#include <cstdio>
#include <memory>
#include <thread>

extern "C" int musicExport(const char* mp3Path, const char* dataPath) __asm__("export")
    __attribute__((visibility("default")));
extern "C" int export_stoppable(const char* mp3Path, const char* dataPath, const int* stop)
    __attribute__((visibility("default")));

namespace {

// Chunks waiting between the two threads.
const size_t QueuedChunks = 8;

// Decoding and the spectrum work run side by side, one thread each.
std::unique_ptr<analyser::BarsAnalysis> analyse(const char* mp3Path, const int* stop, bool& decoded) {
    analyser::ChunkQueue queue(QueuedChunks);
    std::thread decoder([&] {
        decoded = analyser::decodeMp3File(
            mp3Path, [&](int rate, const std::vector<float>& samples) { queue.push(rate, samples); }, stop);
        queue.close();
    });
    std::unique_ptr<analyser::BarsAnalysis> analysis;
    while (std::optional<analyser::ChunkQueue::Chunk> chunk = queue.pop()) {
        if (!analysis)
            analysis = std::make_unique<analyser::BarsAnalysis>(chunk->sampleRate);
        analysis->add(chunk->samples);
    }
    decoder.join();
    return analysis;
}

} // namespace

extern "C" int musicExport(const char* mp3Path, const char* dataPath) {
    return export_stoppable(mp3Path, dataPath, nullptr);
}

extern "C" int export_stoppable(const char* mp3Path, const char* dataPath, const int* stop) {
    if (mp3Path == nullptr || dataPath == nullptr)
        return 0;
    bool decoded = false;
    std::unique_ptr<analyser::BarsAnalysis> analysis = analyse(mp3Path, stop, decoded);
    if (!decoded || !analysis)
        return 0;
    std::FILE* file = std::fopen(dataPath, "w");
    if (file == nullptr)
        return 0;
    bool complete = true;
    for (const std::string& line : analyser::spectrumLines(analysis->finish()))
        complete = std::fprintf(file, "%s\n", line.c_str()) >= 0 && complete;
    return std::fclose(file) == 0 && complete ? 1 : 0;
}
