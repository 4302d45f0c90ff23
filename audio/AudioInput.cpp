#include "audio/AudioInput.h"

#include "audio/AudioByteReader.h"
#include "audio/AudioHeaderParsers.h"
#include "audio/DecodedInput.h"
#include "audio/FlacInput.h"
#include "audio/Mp3InputDecoder.h"
#include "audio/PcmUnpacking.h"
#include "input_files/InputFile.h"
#include "system_calls/SystemError.h"

#include <algorithm>
#include <cerrno>
#include <sys/stat.h>

namespace audio {

namespace {

// More would be a multichannel format nobody records music in.
constexpr int MostChannels = 64;

// What a file without a header is taken to hold: the encoder's defaults.
PcmLayout rawLayout() { return {2, 16, SampleEncoding::SignedInteger, false, {}}; }

void resetForOpening(AudioInput& input, lame_t encoder) {
    input.countCarefully = false;
    input.samplesRead = 0;
    input.pcm = rawLayout();
    input.mp3 = Mp3InputFacts();
    input.problem = {};
    lame_set_num_samples(encoder, UnknownSampleCount);
}

bool openStream(AudioInput& input, const std::string& path) {
    if (path.empty()) {
        input.problem.cause = ConversionCause::NoInputFile;
        return false;
    }
    input.fromStandardInput = path == "-";
    if (input.fromStandardInput) {
        input.stream = stdin;
        return true;
    }
    publish::FileDescriptor file;
    std::error_code error = publish::openInputFile(path, file);
    if (!error && (input.stream = fdopen(file.get(), "rb")) == nullptr)
        error = publish::lastSystemError();
    if (error) {
        input.problem = {ConversionCause::CannotOpen, error};
        return false;
    }
    file.release();
    return true;
}

bool startMp3(AudioInput& input, lame_t encoder) {
    if (!startMp3Input(input) || !setEncoderChannels(input, encoder, input.mp3.channels))
        return false;
    lame_set_in_samplerate(encoder, input.mp3.sampleRate);
    lame_set_num_samples(encoder, input.mp3.sampleCount);
    return true;
}

// FLAC goes to libFLAC; WAV and AIFF files the parsers cannot read, and the
// formats they leave to it, go to libsndfile: never to raw PCM, which would
// be noise.
bool detectHeader(AudioInput& input, lame_t encoder) {
    unsigned char tag[4];
    bool haveTag = readBytes(input.stream, tag, 4) == 4;
    input.countCarefully = false;
    input.format = AudioFormat::RawPcm;
    HeaderResult result = HeaderResult::Declined;
    AudioFormat parsed = AudioFormat::RawPcm;
    if (haveTag && hasTag(tag, "RIFF")) {
        result = parseWavHeader(input, encoder);
        parsed = AudioFormat::Wav;
    } else if (haveTag && hasTag(tag, "FORM")) {
        result = parseAiffHeader(input, encoder);
        parsed = AudioFormat::Aiff;
    } else if (haveTag && hasTag(tag, "fLaC")) {
        return !input.fromStandardInput && openFlacInput(input, encoder);
    } else if (haveTag && (hasTag(tag, "OggS") || hasTag(tag, "RF64"))) {
        result = HeaderResult::Delegated;
    }
    if (result == HeaderResult::Failed)
        return false;
    if (result == HeaderResult::Accepted) {
        input.countCarefully = true;
        input.format = parsed;
        return true;
    }
    if (result == HeaderResult::Delegated || parsed != AudioFormat::RawPcm)
        return !input.fromStandardInput && openDecodedInput(input, encoder);
    if (std::fseek(input.stream, 0, SEEK_SET) != 0) {
        input.problem.cause = ConversionCause::CannotRereadStart;
        return false;
    }
    input.pcm = rawLayout();
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
    lame_set_num_samples(encoder, framesIn(static_cast<uint64_t>(status.st_size), input.pcm));
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

int readPcmBlock(AudioInput& input, int wanted, int left[], int right[]) {
    const PcmLayout& layout = input.pcm;
    input.packed.resize(static_cast<size_t>(wanted) * static_cast<size_t>(layout.frameBytes()));
    size_t read = readBytes(input.stream, input.packed.data(), input.packed.size());
    if (std::ferror(input.stream)) {
        input.problem.cause = ConversionCause::CannotRead;
        return -1;
    }
    size_t perChannel = read / static_cast<size_t>(layout.frameBytes());
    input.unpacked.resize(perChannel * static_cast<size_t>(layout.channels));
    unpackPcmSamples(input.packed.data(), input.unpacked.size(), layout, input.unpacked.data());
    mixToStereo(input.unpacked.data(), perChannel, layout, left, right);
    return static_cast<int>(perChannel);
}

} // namespace

AudioInput::~AudioInput() {
    if (decoder)
        hip_decode_exit(decoder);
    closeDecodedInput(*this);
    closeFlacInput(*this);
    if (stream && !fromStandardInput)
        std::fclose(stream);
}

bool setEncoderChannels(AudioInput& input, lame_t encoder, int channels) {
    if (channels == 1 || channels == 2) {
        lame_set_num_channels(encoder, channels);
        return true;
    }
    input.problem.cause = ConversionCause::NotMonoOrStereo;
    input.problem.count = channels;
    return false;
}

bool acceptPcmFormat(AudioInput& input, lame_t encoder, const PcmLayout& layout, int sampleRate) {
    if (layout.channels < 1 || layout.channels > MostChannels) {
        input.problem.cause = ConversionCause::TooManyChannels;
        input.problem.count = layout.channels;
        input.problem.limit = MostChannels;
        return false;
    }
    if (!layout.supported()) {
        input.problem.cause = ConversionCause::SampleSize;
        input.problem.count = layout.bitWidth;
        input.problem.floating = layout.encoding == SampleEncoding::Float;
        return false;
    }
    if (sampleRate <= 0) {
        input.problem.cause = ConversionCause::SampleRate;
        input.problem.count = sampleRate;
        return false;
    }
    if (!setEncoderChannels(input, encoder, layout.channels > 2 ? 2 : layout.channels))
        return false;
    lame_set_in_samplerate(encoder, sampleRate);
    input.pcm = layout;
    return true;
}

unsigned long framesIn(uint64_t bytes, const PcmLayout& layout) {
    return static_cast<unsigned long>(bytes / static_cast<uint64_t>(layout.frameBytes()));
}

HeaderResult acceptHeader(AudioInput& input, lame_t encoder, const std::optional<PcmLayout>& layout, int sampleRate,
                          const std::function<unsigned long(const PcmLayout&)>& sampleFrames) {
    if (!layout)
        return HeaderResult::Delegated;
    if (!acceptPcmFormat(input, encoder, *layout, sampleRate))
        return HeaderResult::Failed;
    lame_set_num_samples(encoder, sampleFrames(*layout));
    return HeaderResult::Accepted;
}

bool OpenAudioInput(AudioInput& input, lame_t encoder, const std::string& path) {
    resetForOpening(input, encoder);
    if (!openStream(input, path))
        return false;
    if (input.format == AudioFormat::Mp3) {
        if (!startMp3(input, encoder))
            return false;
    } else if (input.format != AudioFormat::RawPcm) {
        if (!detectHeader(input, encoder)) {
            if (!input.problem)
                input.problem.cause = ConversionCause::HeaderUnreadable;
            return false;
        }
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
            input.problem.cause = ConversionCause::CannotRead;
            return -1;
        }
    } else if (input.format == AudioFormat::Flac || input.format == AudioFormat::Decoded) {
        int wanted = samplesToRead(input, encoder);
        samples = input.format == AudioFormat::Flac ? readFlacBlock(input, wanted, left, right)
                                                    : readDecodedBlock(input, wanted, left, right);
        if (samples < 0)
            return -1;
    } else {
        samples = readPcmBlock(input, samplesToRead(input, encoder), left, right);
        if (samples < 0)
            return -1;
    }
    if (lame_get_num_samples(encoder) != UnknownSampleCount)
        input.samplesRead += samples;
    return samples;
}

bool CloseAudioInput(AudioInput& input) {
    closeDecodedInput(input);
    closeFlacInput(input);
    std::FILE* stream = input.stream;
    input.stream = nullptr;
    if (!stream || input.fromStandardInput)
        return true;
    if (std::fclose(stream) != 0) {
        input.problem = {ConversionCause::CannotClose, std::error_code(errno, std::generic_category())};
        return false;
    }
    return true;
}

} // namespace audio
