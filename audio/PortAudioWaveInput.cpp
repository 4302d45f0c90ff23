#include "audio/PortAudioWaveInput.h"

#include "audio/QuietStandardError.h"

#include <portaudio.h>

#include <cstring>

namespace audio {

namespace {

const uint32_t StandardFlags[] = {
    Format11kMono8, Format11kStereo8, Format11kMono16, Format11kStereo16,
    Format22kMono8, Format22kStereo8, Format22kMono16, Format22kStereo16,
    Format44kMono8, Format44kStereo8, Format44kMono16, Format44kStereo16,
    Format96kMono8, Format96kStereo8, Format96kMono16, Format96kStereo16,
};

PaStreamParameters inputParameters(PaDeviceIndex device, const WaveFormat& format) {
    PaStreamParameters parameters{};
    parameters.device = device;
    parameters.channelCount = format.channels;
    parameters.sampleFormat = format.bitsPerSample == 8 ? paUInt8 : paInt16;
    const PaDeviceInfo* info = Pa_GetDeviceInfo(device);
    parameters.suggestedLatency = info ? info->defaultHighInputLatency : 0.1;
    return parameters;
}

} // namespace

PortAudioWaveInput::PortAudioWaveInput() : initialised(quietly(Pa_Initialize)) {}

PortAudioWaveInput::~PortAudioWaveInput() {
    shutDown();
    if (initialised == paNoError)
        quietly(Pa_Terminate);
}

WaveResult PortAudioWaveInput::capabilities(uint32_t& formats) {
    formats = 0;
    if (initialised != paNoError)
        return initialised;
    QuietStandardError quiet;
    PaDeviceIndex device = Pa_GetDefaultInputDevice();
    if (device == paNoDevice)
        return WaveNoDevice;
    for (uint32_t flag : StandardFlags) {
        WaveFormat format = waveFormatForFlag(flag);
        PaStreamParameters parameters = inputParameters(device, format);
        if (Pa_IsFormatSupported(&parameters, nullptr, format.samplesPerSecond) == paFormatIsSupported)
            formats |= flag;
    }
    return WaveNoError;
}

WaveResult PortAudioWaveInput::errorText(WaveResult code, std::string& text) {
    if (code >= 0)
        return QueuedWaveInput::errorText(code, text);
    const char* known = Pa_GetErrorText(code);
    if (!known || std::strcmp(known, "Invalid error code") == 0)
        return WaveUnspecifiedError;
    text = known;
    return WaveNoError;
}

WaveResult PortAudioWaveInput::openDevice(const WaveFormat& format) {
    if (initialised != paNoError)
        return initialised;
    PaDeviceIndex device = Pa_GetDefaultInputDevice();
    if (device == paNoDevice)
        return WaveNoDevice;
    PaStreamParameters parameters = inputParameters(device, format);
    bytesPerFrame = format.blockAlign;
    PaStream* opened = nullptr;
    PaError result = Pa_OpenStream(&opened, &parameters, nullptr, format.samplesPerSecond,
                                   paFramesPerBufferUnspecified, paClipOff, &PortAudioWaveInput::captured, this);
    if (result != paNoError)
        return result;
    stream = opened;
    return WaveNoError;
}

WaveResult PortAudioWaveInput::startDevice() { return Pa_StartStream(stream); }

WaveResult PortAudioWaveInput::stopDevice() {
    if (!stream || Pa_IsStreamStopped(stream) == 1)
        return WaveNoError;
    return Pa_StopStream(stream);
}

void PortAudioWaveInput::closeDevice() {
    if (stream)
        Pa_CloseStream(stream);
    stream = nullptr;
}

int PortAudioWaveInput::captured(const void* input, void*, unsigned long frames, const PaStreamCallbackTimeInfo*,
                                 unsigned long,
                                 void* self) {
    auto* device = static_cast<PortAudioWaveInput*>(self);
    if (input)
        device->capture(static_cast<const unsigned char*>(input), frames * device->bytesPerFrame);
    return paContinue;
}

} // namespace audio
