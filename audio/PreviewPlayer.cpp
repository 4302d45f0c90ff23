#include "audio/PreviewPlayer.h"

#include <vector>

namespace audio {

PreviewPlayer::PreviewPlayer(std::unique_ptr<SoundOutput> output)
    : output(std::move(output)) {}

PreviewPlayer::~PreviewPlayer() { close(); }

bool PreviewPlayer::open(const std::string& path) {
    close();
    // The encoder context only carries the facts the reader finds.
    facts.reset(lame_init());
    input = std::make_unique<AudioInput>();
    input->format = AudioFormat::Mp3;
    if (facts && OpenAudioInput(*input, facts.get(), path))
        return true;
    input.reset();
    return false;
}

bool PreviewPlayer::play() {
    if (!input || playing)
        return false;
    if (player.joinable())
        player.join();
    int sampleRate = lame_get_in_samplerate(facts.get());
    int channels = lame_get_num_channels(facts.get());
    if (!output->open(sampleRate, channels))
        return false;
    stopRequested = false;
    playing = true;
    player = std::thread([this, channels] { playToEnd(channels); });
    return true;
}

void PreviewPlayer::playToEnd(int channels) {
    int left[BlockSamples], right[BlockSamples];
    std::vector<int16_t> interleaved(BlockSamples * 2);
    int samples;
    while (!stopRequested && (samples = ReadAudioBlock(*input, facts.get(), left, right)) > 0) {
        for (int i = 0; i < samples; ++i) {
            interleaved[i * channels] = static_cast<int16_t>(left[i] >> 16);
            if (channels == 2)
                interleaved[i * 2 + 1] = static_cast<int16_t>(right[i] >> 16);
        }
        if (!output->write(interleaved.data(), static_cast<size_t>(samples)))
            break;
    }
    playing = false;
}

void PreviewPlayer::stop() {
    stopRequested = true;
    if (player.joinable())
        player.join();
    output->close();
}

void PreviewPlayer::close() {
    stop();
    if (input)
        CloseAudioInput(*input);
    input.reset();
    facts.reset();
}

} // namespace audio
