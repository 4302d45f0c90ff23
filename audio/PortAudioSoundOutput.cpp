#include "audio/PortAudioSoundOutput.h"

#include "audio/QuietStandardError.h"

#include <portaudio.h>

namespace audio {

PortAudioSoundOutput::PortAudioSoundOutput() : initialised(quietly(Pa_Initialize)) {}

PortAudioSoundOutput::~PortAudioSoundOutput() {
    close();
    if (initialised == paNoError)
        quietly(Pa_Terminate);
}

bool PortAudioSoundOutput::open(int sampleRate, int channels) {
    close();
    if (initialised != paNoError)
        return false;
    PaStream* opened = nullptr;
    if (Pa_OpenDefaultStream(&opened, 0, channels, paInt16, sampleRate, paFramesPerBufferUnspecified, nullptr,
                             nullptr) != paNoError)
        return false;
    if (Pa_StartStream(opened) != paNoError) {
        Pa_CloseStream(opened);
        return false;
    }
    stream = opened;
    return true;
}

bool PortAudioSoundOutput::write(const int16_t* samples, size_t frames) {
    if (!stream)
        return false;
    PaError result = Pa_WriteStream(stream, samples, frames);
    return result == paNoError || result == paOutputUnderflowed;
}

void PortAudioSoundOutput::close() {
    if (!stream)
        return;
    Pa_StopStream(stream);
    Pa_CloseStream(stream);
    stream = nullptr;
}

} // namespace audio
