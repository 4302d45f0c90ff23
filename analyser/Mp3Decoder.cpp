#include "analyser/Mp3Decoder.h"

#include <cstdio>
#include <lame/lame.h>
#include <memory>

namespace analyser {

namespace {

// Small input chunks keep each call's output well inside the buffers.
const size_t ChunkBytes = 512;
const size_t MostSamplesPerCall = 65536;

struct DecoderCloser {
    void operator()(hip_global_flags* decoder) const { hip_decode_exit(decoder); }
};

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

} // namespace

bool decodeMp3File(const std::string& path, const SampleSink& sink) {
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
    std::unique_ptr<hip_global_flags, DecoderCloser> decoder(hip_decode_init());
    if (!file || !decoder)
        return false;

    std::vector<short> left(MostSamplesPerCall), right(MostSamplesPerCall);
    std::vector<float> mixed;
    int sampleRate = 0;
    unsigned char chunk[ChunkBytes];
    mp3data_struct header{};
    size_t count;
    while ((count = std::fread(chunk, 1, sizeof chunk, file.get())) > 0) {
        int decoded = hip_decode_headers(decoder.get(), chunk, count, left.data(), right.data(), &header);
        if (decoded < 0)
            return false;
        if (header.header_parsed && header.samplerate > 0)
            sampleRate = header.samplerate;
        if (decoded == 0 || sampleRate == 0)
            continue;
        mixed.resize(static_cast<size_t>(decoded));
        if (header.stereo == 2)
            for (int i = 0; i < decoded; ++i)
                mixed[i] = (left[i] + right[i]) / 65536.0f;
        else
            for (int i = 0; i < decoded; ++i)
                mixed[i] = left[i] / 32768.0f;
        sink(sampleRate, mixed);
    }
    return sampleRate > 0;
}

} // namespace analyser
