#ifndef AUDIO_PORTAUDIOWAVEINPUT_H
#define AUDIO_PORTAUDIOWAVEINPUT_H

#include "audio/QueuedWaveInput.h"

struct PaStreamCallbackTimeInfo;

namespace audio {

// Device 0 is the system's default input device, through PortAudio. Its
// error codes are PortAudio's (negative) besides the shared ones.
class PortAudioWaveInput : public QueuedWaveInput {
public:
    PortAudioWaveInput();
    ~PortAudioWaveInput() override;

    WaveResult capabilities(uint32_t& formats) override;
    WaveResult errorText(WaveResult code, std::string& text) override;

protected:
    WaveResult openDevice(const WaveFormat& format) override;
    WaveResult startDevice() override;
    WaveResult stopDevice() override;
    void closeDevice() override;

private:
    static int captured(const void* input, void* output, unsigned long frames, const PaStreamCallbackTimeInfo* time,
                        unsigned long flags, void* self);

    int initialised;
    void* stream = nullptr;
    size_t bytesPerFrame = 0;
};

} // namespace audio

#endif
