#include "audio/SyntheticWaveInput.h"

#include <chrono>
#include <cmath>

namespace audio {

namespace {

constexpr auto ProducerTick = std::chrono::milliseconds(10);

} // namespace

SyntheticWaveInput::SyntheticWaveInput(SyntheticDeviceSettings settings) : settings(std::move(settings)) {}

SyntheticWaveInput::~SyntheticWaveInput() { shutDown(); }

WaveResult SyntheticWaveInput::capabilities(uint32_t& formats) {
    formats = settings.capabilitiesResult == WaveNoError ? settings.formats : 0;
    return settings.capabilitiesResult;
}

WaveResult SyntheticWaveInput::errorText(WaveResult code, std::string& text) {
    auto known = settings.errorTexts.find(code);
    if (known != settings.errorTexts.end()) {
        text = known->second;
        return WaveNoError;
    }
    return QueuedWaveInput::errorText(code, text);
}

WaveResult SyntheticWaveInput::openDevice(const WaveFormat& wanted) {
    if (settings.openResult != WaveNoError)
        return settings.openResult;
    if (wanted.samplesPerSecond == 0 || (wanted.bitsPerSample != 8 && wanted.bitsPerSample != 16))
        return WaveBadFormat;
    format = wanted;
    return WaveNoError;
}

WaveResult SyntheticWaveInput::startDevice() {
    if (settings.startResult != WaveNoError)
        return settings.startResult;
    if (running)
        return WaveNoError;
    running = true;
    producer = std::thread([this] { produce(); });
    return WaveNoError;
}

WaveResult SyntheticWaveInput::stopDevice() {
    running = false;
    if (producer.joinable())
        producer.join();
    return WaveNoError;
}

void SyntheticWaveInput::closeDevice() {}

int16_t SyntheticWaveInput::sampleAt(uint64_t index) const {
    if (!settings.samples.empty())
        return index < settings.samples.size() ? settings.samples[index] : 0;
    double phase = 2 * M_PI * settings.toneFrequency * static_cast<double>(index) / format.samplesPerSecond;
    return static_cast<int16_t>(12000 * std::sin(phase));
}

void SyntheticWaveInput::appendSample(std::vector<unsigned char>& bytes, int16_t sample) const {
    for (int channel = 0; channel < format.channels; ++channel) {
        if (format.bitsPerSample == 8) {
            bytes.push_back(static_cast<unsigned char>((sample >> 8) + 128));
        } else {
            bytes.push_back(static_cast<unsigned char>(sample & 0xFF));
            bytes.push_back(static_cast<unsigned char>((sample >> 8) & 0xFF));
        }
    }
}

// Delivers as many samples as real time says have passed, so a recording
// of n seconds holds n seconds of sound.
void SyntheticWaveInput::produce() {
    auto begin = std::chrono::steady_clock::now();
    uint64_t produced = 0;
    std::vector<unsigned char> bytes;
    while (running) {
        std::this_thread::sleep_for(ProducerTick);
        auto elapsed = std::chrono::steady_clock::now() - begin;
        auto due = static_cast<uint64_t>(std::chrono::duration<double>(elapsed).count() * format.samplesPerSecond);
        bytes.clear();
        for (; produced < due; ++produced)
            appendSample(bytes, sampleAt(produced));
        capture(bytes.data(), bytes.size());
    }
}

} // namespace audio
