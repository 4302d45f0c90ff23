#include "audio/Mp3Converter.h"

#include "audio/AudioInput.h"
#include "audio/LameEncoder.h"

#include <cstdio>
#include <string>

namespace audio {

namespace {

constexpr int Mp3BufferSize = 16384;

// "-" is standard output, which stays open.
std::FILE* openOutput(const std::string& path) {
    return path == "-" ? stdout : std::fopen(path.c_str(), "wb+");
}

bool closeOutput(std::FILE* file) { return file == stdout ? std::fflush(file) == 0 : std::fclose(file) == 0; }

bool reportEncoderError(int result) {
    if (result == -1)
        std::fprintf(stderr, "mp3 buffer is not big enough... \n");
    else
        std::fprintf(stderr, "mp3 internal error:  error code=%i\n", result);
    return false;
}

bool encodeAll(AudioInput& input, lame_t encoder, std::FILE* output, const std::string& inputPath) {
    int left[BlockSamples], right[BlockSamples];
    unsigned char mp3[Mp3BufferSize];
    for (;;) {
        int samples = ReadAudioBlock(input, encoder, left, right);
        if (samples < 0) {
            std::fprintf(stderr, "Error reading input file '%s': %s\n", inputPath.c_str(), input.error.c_str());
            return false;
        }
        int bytes = lame_encode_buffer_int(encoder, left, right, samples, mp3, Mp3BufferSize);
        if (bytes < 0)
            return reportEncoderError(bytes);
        if (std::fwrite(mp3, 1, bytes, output) != static_cast<size_t>(bytes)) {
            std::fprintf(stderr, "Error writing mp3 output \n");
            return false;
        }
        if (samples == 0)
            break;
    }
    int flushed = lame_encode_flush(encoder, mp3, Mp3BufferSize);
    if (flushed < 0)
        return reportEncoderError(flushed);
    std::fwrite(mp3, 1, flushed, output);
    return true;
}

} // namespace

bool ConvertToMp3(const std::string& inputPath, const std::string& outputPath, bool mp3Input,
                  int outputSampleRate) {
    AudioInput input;
    input.format = mp3Input ? AudioFormat::Mp3 : AudioFormat::Unknown;
    Encoder encoder(lame_init());
    if (!encoder)
        return false;
    if (outputSampleRate != 0)
        lame_set_out_samplerate(encoder.get(), outputSampleRate);
    if (outputPath != "-" && inputPath == outputPath) {
        std::fprintf(stderr, "Input file and Output file are the same. Abort.\n");
        return false;
    }
    if (!OpenAudioInput(input, encoder.get(), inputPath)) {
        std::fprintf(stderr, "Can't open input file '%s': %s\n", inputPath.c_str(), input.error.c_str());
        return false;
    }
    std::FILE* output = openOutput(outputPath);
    if (!output) {
        std::fprintf(stderr, "Can't init outfile '%s'\n", outputPath.c_str());
        return false;
    }
    bool encoded = lame_init_params(encoder.get()) >= 0 && encodeAll(input, encoder.get(), output, inputPath);
    // A close that fails may have lost the last bytes.
    bool outputClosed = closeOutput(output);
    if (encoded && !outputClosed)
        std::fprintf(stderr, "Error writing mp3 output \n");
    bool inputClosed = CloseAudioInput(input);
    if (!inputClosed)
        std::fprintf(stderr, "Can't close input file '%s': %s\n", inputPath.c_str(), input.error.c_str());
    bool converted = encoded && outputClosed && inputClosed;
    // Half an MP3 would play as if it were the whole track.
    if (!converted && output != stdout)
        std::remove(outputPath.c_str());
    return converted;
}

} // namespace audio
