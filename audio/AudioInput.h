#ifndef AUDIO_AUDIOINPUT_H
#define AUDIO_AUDIOINPUT_H

#include "audio/PcmUnpacking.h"

#include "audio/ConversionProblem.h"

#include <lame/lame.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

struct sf_private_tag;

namespace audio {

struct FlacStream;

// Flac: native FLAC, through libFLAC. Decoded: a file the reader's own
// parsers leave to libsndfile (Ogg, RF64, and WAV or AIFF encodings other
// than plain PCM and floats).
enum class AudioFormat { Unknown, RawPcm, Wav, Aiff, Mp3, Flac, Decoded };

// The encoder's "number of samples" before anything is known.
constexpr unsigned long UnknownSampleCount = 4294967295UL;
// Samples per channel in one block; the caller's arrays hold this many.
constexpr int BlockSamples = 1152;

// What the decoder reported while starting on an MP3 input.
struct Mp3InputFacts {
    int channels = 0;
    int sampleRate = 0;
    int bitrate = 0;
    int totalFrames = 0;
    unsigned long sampleCount = 0;
    bool headerParsed = false;
};

// One open input. The caller sets `format` (Unknown, or Mp3 to decode
// whatever the header says) before opening; each conversion has its own
// reader, so inputs never share state. `problem` says why a call failed.
struct AudioInput {
    AudioInput() = default;
    AudioInput(const AudioInput&) = delete;
    AudioInput& operator=(const AudioInput&) = delete;
    ~AudioInput();

    AudioFormat format = AudioFormat::Unknown;
    bool countCarefully = false;
    unsigned long samplesRead = 0;
    PcmLayout pcm;
    std::FILE* stream = nullptr;
    bool fromStandardInput = false;
    hip_t decoder = nullptr;
    Mp3InputFacts mp3;
    sf_private_tag* decoded = nullptr;
    FlacStream* flac = nullptr;
    // Room for one block of packed and of unpacked samples.
    std::vector<unsigned char> packed;
    std::vector<int32_t> unpacked;
    ConversionProblem problem;
};

// Opens `path` ("-" is standard input), recognises its format and tells the
// encoder its channels, rate and sample count. False, with `input.problem`
// set, when the input cannot be used.
bool OpenAudioInput(AudioInput& input, lame_t encoder, const std::string& path);
// Fills `left` and `right` (BlockSamples each) with the next block, as
// left-justified 32-bit samples. Returns the samples per channel, 0 at the
// end of the input, -1 (with `input.problem` set) on a read error.
int ReadAudioBlock(AudioInput& input, lame_t encoder, int left[], int right[]);
// False, with `input.problem` set, when the file cannot be closed.
bool CloseAudioInput(AudioInput& input);

} // namespace audio

#endif
