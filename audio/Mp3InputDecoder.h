#ifndef AUDIO_MP3INPUTDECODER_H
#define AUDIO_MP3INPUTDECODER_H

#include "audio/AudioInput.h"

namespace audio {

// Refuses a file whose frames change rate or channels part way; finds the
// first Layer III frame from which frames chain (past ID3v2 tags and an
// "AiD" header) and lets the decoder read its header into `input.mp3`. False, with
// `input.problem` set, when there is no frame or the decoder fails.
bool startMp3Input(AudioInput& input);

// Decodes the next frame into 16-bit samples; returns the samples per
// channel, 0 at the end (or after a decoder error, which ends the input).
int decodeMp3Block(AudioInput& input, short left[], short right[]);

} // namespace audio

#endif
