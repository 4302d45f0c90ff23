#ifndef AUDIO_PORTAUDIOSOUNDOUTPUT_H
#define AUDIO_PORTAUDIOSOUNDOUTPUT_H

#include "audio/SoundOutput.h"

namespace audio {

// The system's default output device through PortAudio's blocking stream.
class PortAudioSoundOutput : public SoundOutput {
public:
    PortAudioSoundOutput();
    ~PortAudioSoundOutput() override;

    bool open(int sampleRate, int channels) override;
    bool write(const int16_t* samples, size_t frames) override;
    void close() override;

private:
    int initialised;
    void* stream = nullptr;
};

} // namespace audio

#endif
