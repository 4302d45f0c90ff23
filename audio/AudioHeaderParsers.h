#ifndef AUDIO_AUDIOHEADERPARSERS_H
#define AUDIO_AUDIOHEADERPARSERS_H

#include "audio/AudioInput.h"

#include <functional>
#include <optional>

namespace audio {

// A declined header is no error: the file is then read as raw PCM. A
// delegated one is left to libsndfile.
enum class HeaderResult { Accepted, Declined, Delegated, Failed };

// Both run after the 4-byte "RIFF" / "FORM" tag and leave the stream at the
// first byte of sample data when they accept.
HeaderResult parseWavHeader(AudioInput& input, lame_t encoder);
HeaderResult parseAiffHeader(AudioInput& input, lame_t encoder);

// Hands a channel count to the encoder; only 1 and 2 are taken.
bool setEncoderChannels(AudioInput& input, lame_t encoder, int channels);
// Takes a parsed header's layout and rate: the encoder gets mono or stereo
// (more channels are mixed down). False (with the reason in `input.problem`)
// for what cannot be read.
bool acceptPcmFormat(AudioInput& input, lame_t encoder, const PcmLayout& layout, int sampleRate);
// The number of sample frames a data chunk of `bytes` holds.
unsigned long framesIn(uint64_t bytes, const PcmLayout& layout);
// How a parser that read its header ends: without a layout it knows, the
// file goes to libsndfile; otherwise the layout and rate are accepted as
// above and the encoder gets `sampleFrames` of the accepted layout.
HeaderResult acceptHeader(AudioInput& input, lame_t encoder, const std::optional<PcmLayout>& layout, int sampleRate,
                          const std::function<unsigned long(const PcmLayout&)>& sampleFrames);

} // namespace audio

#endif
