#include "audio/AudioInput.h"

#include "audio/AudioByteReader.h"
#include "audio/AudioHeaderParsers.h"
#include "audio/Mp3InputDecoder.h"
#include "audio/PcmUnpacking.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <sys/stat.h>

namespace audio {

namespace {

constexpr int WidestSampleBytes = 4;

void resetForOpening(AudioInput& input, lame_t encoder) {
    input.countCarefully = false;
    input.samplesRead = 0;
    input.pcmBitWidth = 16;
    input.swapBytes = false;
    input.mp3 = Mp3InputFacts();
    input.error.clear();
    lame_set_num_samples(encoder, UnknownSampleCount);
}

bool openStream(AudioInput& input, const std::string& path) {
    if (path.empty()) {
        input.error = "no input file was given";
        return false;
    }
    input.fromStandardInput = path == "-";
    input.stream = input.fromStandardInput ? stdin : std::fopen(path.c_str(), "rb");
    if (!input.stream) {
        input.error = std::string("the file cannot be opened: ") + std::strerror(errno);
        return false;
    }
    return true;
}

bool startMp3(AudioInput& input, lame_t encoder) {
    if (!startMp3Input(input) || !setEncoderChannels(input, encoder, input.mp3.channels))
        return false;
    lame_set_in_samplerate(encoder, input.mp3.sampleRate);
    lame_set_num_samples(encoder, input.mp3.sampleCount);
    return true;
}

bool detectHeader(AudioInput& input, lame_t encoder) {
    uint32_t tag = 0;
    bool haveTag = readBig32(input.stream, tag);
    input.countCarefully = false;
    input.format = AudioFormat::RawPcm;
    HeaderResult result = HeaderResult::Declined;
    AudioFormat parsed = AudioFormat::RawPcm;
    if (haveTag && tag == 0x52494646) { // "RIFF"
        result = parseWavHeader(input, encoder);
        parsed = AudioFormat::Wav;
    } else if (haveTag && tag == 0x464F524D) { // "FORM"
        result = parseAiffHeader(input, encoder);
        parsed = AudioFormat::Aiff;
    }
    if (result == HeaderResult::Failed)
        return false;
    if (result == HeaderResult::Accepted) {
        input.countCarefully = true;
        input.format = parsed;
        return true;
    }
    if (std::fseek(input.stream, 0, SEEK_SET) != 0) {
        input.error = "the file cannot be read from its start again";
        return false;
    }
    input.pcmBitWidth = 16;
    return true;
}

void estimateSampleCount(AudioInput& input, lame_t encoder) {
    struct stat status;
    if (input.fromStandardInput || fstat(fileno(input.stream), &status) != 0)
        return;
    double size = static_cast<double>(status.st_size);
    if (input.format == AudioFormat::Mp3) {
        if (input.mp3.bitrate <= 0)
            return;
        double seconds = size * 8.0 / (1000.0 * input.mp3.bitrate);
        auto count = static_cast<unsigned long>(seconds * lame_get_in_samplerate(encoder));
        lame_set_num_samples(encoder, count);
        input.mp3.sampleCount = count;
        return;
    }
    lame_set_num_samples(encoder, static_cast<unsigned long>(status.st_size) / (2 * lame_get_num_channels(encoder)));
}

int samplesToRead(const AudioInput& input, lame_t encoder) {
    int wanted = lame_get_framesize(encoder);
    if (wanted <= 0 || wanted > BlockSamples)
        wanted = BlockSamples;
    unsigned long count = lame_get_num_samples(encoder);
    if (input.countCarefully && count != 0) {
        unsigned long remaining = count - std::min(count, input.samplesRead);
        if (remaining < static_cast<unsigned long>(wanted))
            wanted = static_cast<int>(remaining);
    }
    return wanted;
}

int readMp3Block(AudioInput& input, int left[], int right[]) {
    short left16[BlockSamples] = {}, right16[BlockSamples] = {};
    int samples = decodeMp3Block(input, left16, right16);
    bool mono = input.mp3.channels == 1;
    for (int i = 0; i < BlockSamples; ++i) {
        left[i] = i < samples ? left16[i] * 65536 : 0;
        right[i] = i < samples && !mono ? right16[i] * 65536 : 0;
    }
    return samples;
}

int readPcmBlock(AudioInput& input, lame_t encoder, int wanted, int left[], int right[]) {
    int channels = lame_get_num_channels(encoder);
    int width = input.pcmBitWidth / 8;
    unsigned char bytes[BlockSamples * 2 * WidestSampleBytes];
    size_t read = readBytes(input.stream, bytes, static_cast<size_t>(channels * wanted * width));
    if (std::ferror(input.stream)) {
        input.error = "the file cannot be read";
        return -1;
    }
    size_t values = read / width;
    int32_t samples[BlockSamples * 2];
    bool littleEndian = (input.format == AudioFormat::Wav) != input.swapBytes;
    unpackPcmSamples(bytes, values, input.pcmBitWidth, littleEndian, samples);
    size_t perChannel = values / channels;
    splitChannels(samples, perChannel, channels, left, right);
    return static_cast<int>(perChannel);
}

} // namespace

AudioInput::~AudioInput() {
    if (decoder)
        hip_decode_exit(decoder);
    if (stream && !fromStandardInput)
        std::fclose(stream);
}

bool setEncoderChannels(AudioInput& input, lame_t encoder, int channels) {
    if (channels == 1 || channels == 2) {
        lame_set_num_channels(encoder, channels);
        return true;
    }
    input.error = std::to_string(channels) + " channels are not supported (only mono and stereo)";
    return false;
}

bool acceptPcmFormat(AudioInput& input, lame_t encoder, int channels, int sampleRate, int bitWidth) {
    if (!setEncoderChannels(input, encoder, channels))
        return false;
    if (bitWidth != 8 && bitWidth != 16 && bitWidth != 24 && bitWidth != 32) {
        input.error = "samples of " + std::to_string(bitWidth) + " bits are not supported";
        return false;
    }
    lame_set_in_samplerate(encoder, sampleRate);
    input.pcmBitWidth = bitWidth;
    return true;
}

bool OpenAudioInput(AudioInput& input, lame_t encoder, const std::string& path) {
    resetForOpening(input, encoder);
    if (!openStream(input, path))
        return false;
    if (input.format == AudioFormat::Mp3) {
        if (!startMp3(input, encoder))
            return false;
    } else if (input.format != AudioFormat::RawPcm) {
        if (!detectHeader(input, encoder))
            return false;
        if (input.format == AudioFormat::RawPcm)
            input.swapBytes = false;
    }
    if (lame_get_num_samples(encoder) == UnknownSampleCount)
        estimateSampleCount(input, encoder);
    return true;
}

int ReadAudioBlock(AudioInput& input, lame_t encoder, int left[], int right[]) {
    int samples;
    if (input.format == AudioFormat::Mp3) {
        samples = readMp3Block(input, left, right);
        if (input.stream && std::ferror(input.stream)) {
            input.error = "the file cannot be read";
            return -1;
        }
    } else {
        samples = readPcmBlock(input, encoder, samplesToRead(input, encoder), left, right);
        if (samples < 0)
            return -1;
    }
    if (lame_get_num_samples(encoder) != UnknownSampleCount)
        input.samplesRead += samples;
    return samples;
}

bool CloseAudioInput(AudioInput& input) {
    std::FILE* stream = input.stream;
    input.stream = nullptr;
    if (!stream || input.fromStandardInput)
        return true;
    if (std::fclose(stream) != 0) {
        input.error = std::string("the file cannot be closed: ") + std::strerror(errno);
        return false;
    }
    return true;
}

} // namespace audio
