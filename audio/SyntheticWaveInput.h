#ifndef AUDIO_SYNTHETICWAVEINPUT_H
#define AUDIO_SYNTHETICWAVEINPUT_H

#include "audio/QueuedWaveInput.h"

#include <atomic>
#include <map>
#include <thread>
#include <vector>

namespace audio {

// A device with no sound card behind it: it plays a tone, or the given
// 16-bit mono samples (then silence), into the queued buffers in real time.
// For tests and for machines without an input device; each step can be
// made to fail with a chosen code.
struct SyntheticDeviceSettings {
    uint32_t formats = Format11kMono16 | Format22kMono16 | Format44kMono16;
    double toneFrequency = 440.0;
    std::vector<int16_t> samples;
    WaveResult capabilitiesResult = WaveNoError;
    WaveResult openResult = WaveNoError;
    WaveResult startResult = WaveNoError;
    // Error texts beyond the shared ones; codes without a text are unknown.
    std::map<WaveResult, std::string> errorTexts;
};

class SyntheticWaveInput : public QueuedWaveInput {
public:
    explicit SyntheticWaveInput(SyntheticDeviceSettings settings = {});
    ~SyntheticWaveInput() override;

    WaveResult capabilities(uint32_t& formats) override;
    WaveResult errorText(WaveResult code, std::string& text) override;

protected:
    WaveResult openDevice(const WaveFormat& format) override;
    WaveResult startDevice() override;
    WaveResult stopDevice() override;
    void closeDevice() override;

private:
    void produce();
    int16_t sampleAt(uint64_t index) const;
    void appendSample(std::vector<unsigned char>& bytes, int16_t sample) const;

    SyntheticDeviceSettings settings;
    WaveFormat format;
    std::atomic<bool> running{false};
    std::thread producer;
};

} // namespace audio

#endif
