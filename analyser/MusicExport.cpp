// The analyser library's one entry point. Its C name is "export", which C++
// cannot spell, hence the assembler label.

#include "analyser/ChunkQueue.h"
#include "analyser/Mp3Decoder.h"
#include "analyser/SpectrumLines.h"

#include <cstdio>
#include <memory>
#include <thread>

extern "C" int musicExport(const char* mp3Path, const char* dataPath) __asm__("export")
    __attribute__((visibility("default")));

namespace {

// Chunks waiting between the two threads.
const size_t QueuedChunks = 8;

// Decoding and the spectrum work run side by side, one thread each.
std::unique_ptr<analyser::BarsAnalysis> analyse(const char* mp3Path, bool& decoded) {
    analyser::ChunkQueue queue(QueuedChunks);
    std::thread decoder([&] {
        decoded = analyser::decodeMp3File(mp3Path, [&](int rate, const std::vector<float>& samples) {
            queue.push(rate, samples);
        });
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
    if (mp3Path == nullptr || dataPath == nullptr)
        return 0;
    bool decoded = false;
    std::unique_ptr<analyser::BarsAnalysis> analysis = analyse(mp3Path, decoded);
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
