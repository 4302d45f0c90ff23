#ifndef AUDIO_DECODEDINPUT_H
#define AUDIO_DECODEDINPUT_H

#include "audio/AudioInput.h"

namespace audio {

// Audio the reader's own parsers do not decode (Ogg Vorbis, Opus, Ogg FLAC,
// RF64, µ-law, A-law and ADPCM WAV or AIFF-C), read through libsndfile.

// Opens the file of `input.stream` anew for libsndfile and tells the encoder
// its channels (more than two are mixed down), rate and length. False, with
// `input.problem` set, when libsndfile cannot read it.
bool openDecodedInput(AudioInput& input, lame_t encoder);
// Up to `wanted` samples per channel; 0 at the end, -1 on a read error.
int readDecodedBlock(AudioInput& input, int wanted, int left[], int right[]);
void closeDecodedInput(AudioInput& input);

} // namespace audio

#endif
