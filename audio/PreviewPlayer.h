#ifndef AUDIO_PREVIEWPLAYER_H
#define AUDIO_PREVIEWPLAYER_H

#include "audio/AudioInput.h"
#include "audio/LameEncoder.h"
#include "audio/SoundOutput.h"

#include <atomic>
#include <memory>
#include <string>
#include <thread>

namespace audio {

// Plays one MP3 at a time for the playlist page: open, play, stop, close.
// A file that cannot be opened or an output that cannot play simply plays
// nothing; nothing is reported.
class PreviewPlayer {
public:
    explicit PreviewPlayer(std::unique_ptr<SoundOutput> output);
    ~PreviewPlayer();
    PreviewPlayer(const PreviewPlayer&) = delete;
    PreviewPlayer& operator=(const PreviewPlayer&) = delete;

    // Closes the previous preview first.
    bool open(const std::string& path);
    // Starts playing the opened file from its start, in the background.
    bool play();
    void stop();
    void close();
    bool isPlaying() const { return playing; }

private:
    void playToEnd(int channels);

    std::unique_ptr<SoundOutput> output;
    std::unique_ptr<AudioInput> input;
    Encoder facts;
    std::atomic<bool> playing{false};
    std::atomic<bool> stopRequested{false};
    std::thread player;
};

} // namespace audio

#endif
