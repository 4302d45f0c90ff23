#ifndef AUDIO_QUIETSTANDARDERROR_H
#define AUDIO_QUIETSTANDARDERROR_H

namespace audio {

// While it lives, the process's standard error goes nowhere: the sound
// libraries (ALSA, JACK) print their own messages while PortAudio probes
// for devices, which a user cannot act on. Kept only around such probes, as
// other threads lose what they print meanwhile.
class QuietStandardError {
public:
    QuietStandardError();
    ~QuietStandardError();
    QuietStandardError(const QuietStandardError&) = delete;
    QuietStandardError& operator=(const QuietStandardError&) = delete;

private:
    int saved = -1;
};

// Runs `probe` with standard error quiet; PortAudio probes every host API
// as it starts and stops.
template <typename Probe>
auto quietly(Probe probe) {
    QuietStandardError quiet;
    return probe();
}

} // namespace audio

#endif
