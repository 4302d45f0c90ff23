#include "audio/SpeakerLayout.h"

#include <iterator>

namespace audio {

namespace {

constexpr double MinusThreeDecibels = 0.7071067811865476;

// The speakers of the mask bits in order (Microsoft's SPEAKER_* values).
const Speaker MaskBitSpeakers[] = {
    Speaker::FrontLeft, Speaker::FrontRight, Speaker::FrontCentre, Speaker::LowFrequency,
    Speaker::BackLeft, Speaker::BackRight, Speaker::FrontLeftOfCentre, Speaker::FrontRightOfCentre,
    Speaker::BackCentre, Speaker::SideLeft, Speaker::SideRight, Speaker::Other /* top centre */,
    Speaker::TopLeft, Speaker::Other /* top front centre */, Speaker::TopRight, Speaker::TopLeft,
    Speaker::Other /* top back centre */, Speaker::TopRight,
};

// The default channel mask of each channel count, as WAV writers use it.
uint32_t defaultWaveMask(int channels) {
    switch (channels) {
    case 1: return 0x4;
    case 2: return 0x3;
    case 3: return 0x7;
    case 4: return 0x33;
    case 5: return 0x37;
    case 6: return 0x3F;
    case 7: return 0x70F;
    default: return 0x63F;
    }
}

} // namespace

std::vector<Speaker> speakersOfWaveMask(uint32_t mask, int channels) {
    if (mask == 0)
        return defaultSpeakers(channels);
    std::vector<Speaker> speakers;
    for (size_t bit = 0; bit < std::size(MaskBitSpeakers) && static_cast<int>(speakers.size()) < channels; ++bit)
        if (mask & (1u << bit))
            speakers.push_back(MaskBitSpeakers[bit]);
    speakers.resize(static_cast<size_t>(channels), Speaker::Other);
    return speakers;
}

std::vector<Speaker> defaultSpeakers(int channels) {
    return speakersOfWaveMask(defaultWaveMask(channels), channels);
}

std::vector<Speaker> vorbisSpeakers(int channels) {
    using S = Speaker;
    switch (channels) {
    case 3: return {S::FrontLeft, S::FrontCentre, S::FrontRight};
    case 4: return {S::FrontLeft, S::FrontRight, S::BackLeft, S::BackRight};
    case 5: return {S::FrontLeft, S::FrontCentre, S::FrontRight, S::BackLeft, S::BackRight};
    case 6: return {S::FrontLeft, S::FrontCentre, S::FrontRight, S::BackLeft, S::BackRight, S::LowFrequency};
    case 7:
        return {S::FrontLeft, S::FrontCentre, S::FrontRight, S::SideLeft, S::SideRight, S::BackCentre,
                S::LowFrequency};
    case 8:
        return {S::FrontLeft, S::FrontCentre, S::FrontRight, S::SideLeft, S::SideRight, S::BackLeft, S::BackRight,
                S::LowFrequency};
    default: return defaultSpeakers(channels);
    }
}

StereoShare stereoShareOf(Speaker speaker) {
    const double half = MinusThreeDecibels;
    switch (speaker) {
    case Speaker::FrontLeft: return {1, 0};
    case Speaker::FrontRight: return {0, 1};
    case Speaker::LowFrequency: return {0, 0};
    case Speaker::BackLeft:
    case Speaker::SideLeft:
    case Speaker::FrontLeftOfCentre:
    case Speaker::TopLeft: return {half, 0};
    case Speaker::BackRight:
    case Speaker::SideRight:
    case Speaker::FrontRightOfCentre:
    case Speaker::TopRight: return {0, half};
    case Speaker::FrontCentre:
    case Speaker::BackCentre:
    case Speaker::Other: return {half, half};
    }
    return {half, half};
}

} // namespace audio
