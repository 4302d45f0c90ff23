#ifndef AUDIO_AUDIOHEADERPARSERS_H
#define AUDIO_AUDIOHEADERPARSERS_H

#include "audio/AudioInput.h"

namespace audio {

// A declined header is no error: the file is then read as raw PCM.
enum class HeaderResult { Accepted, Declined, Failed };

// Both run after the 4-byte "RIFF" / "FORM" tag and leave the stream at the
// first byte of sample data when they accept.
HeaderResult parseWavHeader(AudioInput& input, lame_t encoder);
HeaderResult parseAiffHeader(AudioInput& input, lame_t encoder);

// Hands a channel count to the encoder; only 1 and 2 are taken.
bool setEncoderChannels(AudioInput& input, lame_t encoder, int channels);
// Takes a parsed PCM header's channels, rate and sample width; false (with
// the reason in `input.error`) for what cannot be read.
bool acceptPcmFormat(AudioInput& input, lame_t encoder, int channels, int sampleRate, int bitWidth);

} // namespace audio

#endif
