#ifndef AUDIO_LAMEENCODER_H
#define AUDIO_LAMEENCODER_H

#include <lame/lame.h>

#include <memory>

namespace audio {

// An encoder context that closes itself.
struct EncoderCloser {
    void operator()(lame_global_flags* encoder) const { lame_close(encoder); }
};
using Encoder = std::unique_ptr<lame_global_flags, EncoderCloser>;

} // namespace audio

#endif
