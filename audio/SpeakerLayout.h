#ifndef AUDIO_SPEAKERLAYOUT_H
#define AUDIO_SPEAKERLAYOUT_H

#include <cstdint>
#include <vector>

namespace audio {

// Which speaker a channel of a file feeds, as far as mixing down to stereo
// needs to know.
enum class Speaker {
    FrontLeft, FrontRight, FrontCentre, LowFrequency,
    BackLeft, BackRight, BackCentre, SideLeft, SideRight,
    FrontLeftOfCentre, FrontRightOfCentre,
    TopLeft, TopRight, Other
};

// The speakers of a WAVE_FORMAT_EXTENSIBLE channel mask, one per set bit in
// bit order; channels beyond the mask's bits are Other. A mask of 0 means
// the default order.
std::vector<Speaker> speakersOfWaveMask(uint32_t mask, int channels);

// The order WAV (and FLAC, AIFF and raw PCM as written today) gives
// `channels` channels when the file names none: FL FR FC LFE BL BR (5.1),
// FL FR FC LFE BC SL SR (6.1), FL FR FC LFE BL BR SL SR (7.1), ...
std::vector<Speaker> defaultSpeakers(int channels);

// The order Ogg Vorbis and Opus give `channels` channels: FL FC FR ...,
// LFE last.
std::vector<Speaker> vorbisSpeakers(int channels);

// How much of a speaker's signal goes to the left and to the right of a
// stereo mix, after ITU-R BS.775: fronts whole, centre and surrounds at
// 0.707 (−3 dB), the low-frequency channel left out.
struct StereoShare {
    double left;
    double right;
};
StereoShare stereoShareOf(Speaker speaker);

} // namespace audio

#endif
