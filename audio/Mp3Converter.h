#ifndef AUDIO_MP3CONVERTER_H
#define AUDIO_MP3CONVERTER_H

#include "audio/ConversionProblem.h"

#include <string>

namespace audio {

// What the converter's input holds: samples (WAV, AIFF or raw PCM, told
// apart by their bytes) or MP3 frames to decode first.
enum class ConverterInput : bool { Pcm = false, Mp3 = true };
// The output sample rate that keeps the encoder's choice for the input.
inline constexpr int EncoderSampleRate = 0;

// Encodes `inputPath` into the MP3 file `outputPath` with the encoder's
// default settings. A rate other than EncoderSampleRate fixes the output
// rate. True when the whole input was encoded and written; on false a line
// on standard error says why.
bool ConvertToMp3(const std::string& inputPath, const std::string& outputPath, ConverterInput mp3Input,
                  int outputSampleRate);

// Why a conversion failed: the converter's lines as it writes them on
// standard error, and the cause alone.
struct ConversionFailure {
    std::string lines;
    ConversionProblem cause;
};

// The same, keeping the lines to itself: true on success, otherwise
// `failure` says why.
bool ConvertToMp3(const std::string& inputPath, const std::string& outputPath, ConverterInput mp3Input,
                  int outputSampleRate, ConversionFailure& failure);

} // namespace audio

#endif
