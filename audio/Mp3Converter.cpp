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

bool fail(ConversionFailure& failure, const std::string& line, const ConversionProblem& cause) {
    failure.lines += line;
    if (!failure.cause)
        failure.cause = cause;
    return false;
}

bool reportEncoderError(int result, ConversionFailure& failure) {
    if (result == -1)
        return fail(failure, "mp3 buffer is not big enough... \n", {ConversionCause::EncoderBufferTooSmall});
    ConversionProblem failed(ConversionCause::EncoderFailed);
    failed.count = result;
    return fail(failure, "mp3 internal error:  error code=" + std::to_string(result) + "\n", failed);
}

bool encodeAll(AudioInput& input, lame_t encoder, std::FILE* output, const std::string& inputPath,
               ConversionFailure& failure) {
    int left[BlockSamples], right[BlockSamples];
    unsigned char mp3[Mp3BufferSize];
    for (;;) {
        int samples = ReadAudioBlock(input, encoder, left, right);
        if (samples < 0)
            return fail(failure, "Error reading input file '" + inputPath + "': " + describe(input.problem) + "\n",
                        input.problem);
        int bytes = lame_encode_buffer_int(encoder, left, right, samples, mp3, Mp3BufferSize);
        if (bytes < 0)
            return reportEncoderError(bytes, failure);
        if (std::fwrite(mp3, 1, bytes, output) != static_cast<size_t>(bytes))
            return fail(failure, "Error writing mp3 output \n", {ConversionCause::OutputNotWritten});
        if (samples == 0)
            break;
    }
    int flushed = lame_encode_flush(encoder, mp3, Mp3BufferSize);
    if (flushed < 0)
        return reportEncoderError(flushed, failure);
    std::fwrite(mp3, 1, flushed, output);
    return true;
}

} // namespace

bool ConvertToMp3(const std::string& inputPath, const std::string& outputPath, ConverterInput mp3Input,
                  int outputSampleRate, ConversionFailure& failure) {
    AudioInput input;
    input.format = mp3Input == ConverterInput::Mp3 ? AudioFormat::Mp3 : AudioFormat::Unknown;
    Encoder encoder(lame_init());
    if (!encoder)
        return fail(failure, "", {ConversionCause::EncoderNotStarted});
    if (outputSampleRate != EncoderSampleRate)
        lame_set_out_samplerate(encoder.get(), outputSampleRate);
    if (outputPath != "-" && inputPath == outputPath)
        return fail(failure, "Input file and Output file are the same. Abort.\n",
                    {ConversionCause::InputWouldBeOverwritten});
    if (!OpenAudioInput(input, encoder.get(), inputPath))
        return fail(failure, "Can't open input file '" + inputPath + "': " + describe(input.problem) + "\n",
                    input.problem);
    std::FILE* output = openOutput(outputPath);
    if (!output) {
        ConversionProblem notCreated(ConversionCause::OutputNotCreated);
        notCreated.detail = outputPath;
        return fail(failure, "Can't init outfile '" + outputPath + "'\n", notCreated);
    }
    bool encoded = lame_init_params(encoder.get()) >= 0 && encodeAll(input, encoder.get(), output, inputPath, failure);
    // A close that fails may have lost the last bytes.
    bool outputClosed = closeOutput(output);
    if (encoded && !outputClosed)
        fail(failure, "Error writing mp3 output \n", {ConversionCause::OutputNotWritten});
    bool inputClosed = CloseAudioInput(input);
    if (!inputClosed)
        fail(failure, "Can't close input file '" + inputPath + "': " + describe(input.problem) + "\n", input.problem);
    bool converted = encoded && outputClosed && inputClosed;
    // Half an MP3 would play as if it were the whole track.
    if (!converted && output != stdout)
        std::remove(outputPath.c_str());
    if (!converted && !failure.cause)
        failure.cause = ConversionCause::EncoderNotSetUp;
    return converted;
}

bool ConvertToMp3(const std::string& inputPath, const std::string& outputPath, ConverterInput mp3Input,
                  int outputSampleRate) {
    ConversionFailure failure;
    bool converted = ConvertToMp3(inputPath, outputPath, mp3Input, outputSampleRate, failure);
    std::fputs(failure.lines.c_str(), stderr);
    return converted;
}

} // namespace audio
