#ifndef AUDIO_FLACINPUT_H
#define AUDIO_FLACINPUT_H

#include "audio/AudioInput.h"

namespace audio {

// Native FLAC, read through libFLAC: libsndfile refuses samples of 32 bits,
// which today's encoders write.

// Decodes the stream of `input.stream` from its start up to the first audio
// frame and tells the encoder its channels (more than two are mixed down),
// rate and length. False, with `input.problem` set, when it is no FLAC the
// decoder can read.
bool openFlacInput(AudioInput& input, lame_t encoder);
// Up to `wanted` samples per channel; 0 at the end, -1 on a read error.
int readFlacBlock(AudioInput& input, int wanted, int left[], int right[]);
void closeFlacInput(AudioInput& input);

} // namespace audio

#endif
