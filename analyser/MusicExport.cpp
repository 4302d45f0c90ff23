// The analyser library's one entry point. Its C name is "export", which C++
// cannot spell, hence the assembler label.

#include "analyser/Mp3Decoder.h"
#include "analyser/SpectrumLines.h"

#include <cstdio>
#include <memory>

extern "C" int musicExport(const char* mp3Path, const char* dataPath) __asm__("export")
    __attribute__((visibility("default")));

extern "C" int musicExport(const char* mp3Path, const char* dataPath) {
    if (mp3Path == nullptr || dataPath == nullptr)
        return 0;
    std::unique_ptr<analyser::BarsAnalysis> analysis;
    bool decoded = analyser::decodeMp3File(mp3Path, [&](int sampleRate, const std::vector<float>& samples) {
        if (!analysis)
            analysis = std::make_unique<analyser::BarsAnalysis>(sampleRate);
        analysis->add(samples);
    });
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
