#include "cli/DemoTunes.h"

#include "audio/LameEncoder.h"

#include <cmath>
#include <cstdio>
#include <memory>
#include <string>

namespace cli {

namespace {

struct Tune {
    const char* file;
    const char* title;
    int rate;
    int channels;
    int bitRate;
    double seconds;
    std::vector<int> notes;
};

double noteFrequency(int semitonesFromA4) { return 440.0 * std::pow(2.0, semitonesFromA4 / 12.0); }

// A plucked-sounding melody: each note decays, the right channel echoes the
// left a little later.
std::vector<short> synthesise(const Tune& tune, int channel) {
    auto count = static_cast<size_t>(tune.rate * tune.seconds);
    size_t noteLength = count / tune.notes.size();
    size_t delay = channel == 0 ? 0 : static_cast<size_t>(tune.rate * 0.12);
    std::vector<short> samples(count);
    for (size_t i = delay; i < count; ++i) {
        size_t at = i - delay;
        size_t note = at / noteLength;
        if (note >= tune.notes.size())
            break;
        double t = static_cast<double>(at % noteLength) / tune.rate;
        double frequency = noteFrequency(tune.notes[note]);
        double tone = std::sin(2 * M_PI * frequency * t) + 0.3 * std::sin(4 * M_PI * frequency * t);
        samples[i] = static_cast<short>(9000 * tone * std::exp(-3.0 * t));
    }
    return samples;
}

bool encode(const Tune& tune, const std::filesystem::path& path) {
    audio::Encoder encoder(lame_init());
    if (!encoder)
        return false;
    lame_set_num_channels(encoder.get(), tune.channels);
    lame_set_in_samplerate(encoder.get(), tune.rate);
    lame_set_out_samplerate(encoder.get(), tune.rate);
    lame_set_brate(encoder.get(), tune.bitRate);
    lame_set_mode(encoder.get(), tune.channels == 1 ? MONO : JOINT_STEREO);
    if (lame_init_params(encoder.get()) < 0)
        return false;

    std::vector<short> left = synthesise(tune, 0);
    std::vector<short> right = tune.channels == 2 ? synthesise(tune, 1) : left;
    std::vector<unsigned char> mp3(left.size() * 5 / 4 + 7200 + 7200);
    int size = lame_encode_buffer(encoder.get(), left.data(), right.data(), static_cast<int>(left.size()), mp3.data(),
                                  static_cast<int>(mp3.size()));
    if (size < 0)
        return false;
    int flushed = lame_encode_flush(encoder.get(), mp3.data() + size, static_cast<int>(mp3.size()) - size);
    if (flushed < 0)
        return false;

    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr)
        return false;
    size_t total = static_cast<size_t>(size + flushed);
    bool written = std::fwrite(mp3.data(), 1, total, file) == total;
    return std::fclose(file) == 0 && written;
}

} // namespace

std::vector<publish::PlaylistItem> makeDemoTunes(const std::filesystem::path& folder) {
    const Tune tunes[] = {
        {"morning.mp3", "Morning (44.1 kHz stereo)", 44100, 2, 128, 6.0, {-9, -5, -2, 3, 7, 3, -2, -5}},
        {"walk.mp3", "A walk (22.05 kHz mono)", 22050, 1, 48, 5.0, {0, 2, 4, 5, 7, 5, 4, 2, 0}},
        {"night.mp3", "Night (11.025 kHz mono)", 11025, 1, 24, 4.0, {-12, -9, -5, -9, -12, -14}},
    };
    std::vector<publish::PlaylistItem> items;
    for (const Tune& tune : tunes) {
        std::filesystem::path path = folder / tune.file;
        if (!encode(tune, path))
            return {};
        items.push_back({path.string(), tune.title});
    }
    return items;
}

} // namespace cli
