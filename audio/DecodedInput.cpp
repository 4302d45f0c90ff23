#include "audio/DecodedInput.h"

#include "audio/AudioHeaderParsers.h"
#include "input_files/InputFile.h"

#include <sndfile.h>

namespace audio {

namespace {

Speaker speakerOfMapEntry(int entry) {
    switch (entry) {
    case SF_CHANNEL_MAP_LEFT:
    case SF_CHANNEL_MAP_FRONT_LEFT: return Speaker::FrontLeft;
    case SF_CHANNEL_MAP_RIGHT:
    case SF_CHANNEL_MAP_FRONT_RIGHT: return Speaker::FrontRight;
    case SF_CHANNEL_MAP_CENTER:
    case SF_CHANNEL_MAP_FRONT_CENTER:
    case SF_CHANNEL_MAP_MONO: return Speaker::FrontCentre;
    case SF_CHANNEL_MAP_LFE: return Speaker::LowFrequency;
    case SF_CHANNEL_MAP_REAR_LEFT: return Speaker::BackLeft;
    case SF_CHANNEL_MAP_REAR_RIGHT: return Speaker::BackRight;
    case SF_CHANNEL_MAP_REAR_CENTER: return Speaker::BackCentre;
    case SF_CHANNEL_MAP_SIDE_LEFT: return Speaker::SideLeft;
    case SF_CHANNEL_MAP_SIDE_RIGHT: return Speaker::SideRight;
    case SF_CHANNEL_MAP_FRONT_LEFT_OF_CENTER: return Speaker::FrontLeftOfCentre;
    case SF_CHANNEL_MAP_FRONT_RIGHT_OF_CENTER: return Speaker::FrontRightOfCentre;
    case SF_CHANNEL_MAP_TOP_FRONT_LEFT:
    case SF_CHANNEL_MAP_TOP_REAR_LEFT: return Speaker::TopLeft;
    case SF_CHANNEL_MAP_TOP_FRONT_RIGHT:
    case SF_CHANNEL_MAP_TOP_REAR_RIGHT: return Speaker::TopRight;
    default: return Speaker::Other;
    }
}

// The file's own channel map when it has one (WAV's mask, CAF and AIFF
// layouts), else the order of its format.
std::vector<Speaker> speakersOf(SNDFILE* file, const SF_INFO& info) {
    std::vector<int> map(static_cast<size_t>(info.channels));
    if (sf_command(file, SFC_GET_CHANNEL_MAP_INFO, map.data(), static_cast<int>(map.size() * sizeof(int))) ==
        SF_TRUE) {
        std::vector<Speaker> speakers;
        for (int channel : map)
            speakers.push_back(speakerOfMapEntry(channel));
        return speakers;
    }
    if ((info.format & SF_FORMAT_TYPEMASK) == SF_FORMAT_OGG)
        return vorbisSpeakers(info.channels);
    return defaultSpeakers(info.channels);
}

} // namespace

bool openDecodedInput(AudioInput& input, lame_t encoder) {
    SF_INFO info{};
    // By the descriptor's name: the file's own name may stand for another by now.
    SNDFILE* file = sf_open(publish::descriptorPath(fileno(input.stream)).c_str(), SFM_READ, &info);
    if (!file) {
        input.problem.cause = ConversionCause::Undecodable;
        input.problem.detail = sf_strerror(nullptr);
        return false;
    }
    input.decoded = file;
    PcmLayout layout;
    layout.channels = info.channels;
    layout.bitWidth = 32;
    if (info.channels > 2)
        layout.speakers = speakersOf(file, info);
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
        input.problem.cause = ConversionCause::Undecodable;
        input.problem.detail = sf_strerror(input.decoded);
        return -1;
    }
    mixToStereo(input.unpacked.data(), static_cast<size_t>(frames), input.pcm, left, right);
    return static_cast<int>(frames);
}

void closeDecodedInput(AudioInput& input) {
    if (input.decoded)
        sf_close(input.decoded);
    input.decoded = nullptr;
}

} // namespace audio
