#include "audio/DecodedInput.h"

#include "audio/AudioHeaderParsers.h"

#include <sndfile.h>

namespace audio {

bool openDecodedInput(AudioInput& input, lame_t encoder, const std::string& path) {
    SF_INFO info{};
    SNDFILE* file = sf_open(path.c_str(), SFM_READ, &info);
    if (!file) {
        input.error = std::string("the audio cannot be decoded: ") + sf_strerror(nullptr);
        return false;
    }
    input.decoded = file;
    PcmLayout layout;
    layout.channels = info.channels;
    layout.bitWidth = 32;
    if (!acceptPcmFormat(input, encoder, layout, info.samplerate))
        return false;
    input.format = AudioFormat::Decoded;
    if (info.frames > 0)
        lame_set_num_samples(encoder, static_cast<unsigned long>(info.frames));
    return true;
}

int readDecodedBlock(AudioInput& input, int wanted, int left[], int right[]) {
    int channels = input.pcm.channels;
    input.unpacked.resize(static_cast<size_t>(wanted) * static_cast<size_t>(channels));
    // libsndfile scales every encoding to full-range 32-bit integers.
    sf_count_t frames = sf_readf_int(input.decoded, input.unpacked.data(), wanted);
    if (sf_error(input.decoded) != SF_ERR_NO_ERROR) {
        input.error = std::string("the audio cannot be decoded: ") + sf_strerror(input.decoded);
        return -1;
    }
    mixToStereo(input.unpacked.data(), static_cast<size_t>(frames), channels, left, right);
    return static_cast<int>(frames);
}

void closeDecodedInput(AudioInput& input) {
    if (input.decoded)
        sf_close(input.decoded);
    input.decoded = nullptr;
}

} // namespace audio
