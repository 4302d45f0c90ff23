#ifndef AUDIO_CONVERSIONPROBLEM_H
#define AUDIO_CONVERSIONPROBLEM_H

#include <string>
#include <system_error>

namespace audio {

// Why a conversion to MP3 stopped.
enum class ConversionCause {
    None,
    NoInputFile,
    CannotOpen,              // `error`: the file's kind, or the system's reason
    CannotRereadStart,       // it cannot be read from its start again
    CannotRead,
    CannotClose,             // `error`
    HeaderUnreadable,
    NotMonoOrStereo,         // `count` channels
    TooManyChannels,         // `count` channels, more than `limit`
    SampleSize,              // samples of `count` bits, in floating point when `floating`
    SampleRate,              // `count` Hz
    Undecodable,             // `detail`: the decoding library's own words
    FlacFrameMismatch,       // a frame does not match the stream's channels or sample size
    FlacDecoderNotStarted,
    FlacNoStreamInfo,
    Mp3StreamChanges,        // from `from` to `to` part way
    Mp3DecoderNotStarted,
    NoMp3Frame,
    Mp3FirstFrameUnreadable,
    EncoderBufferTooSmall,
    EncoderFailed,           // with the encoder's error `count`
    EncoderNotStarted,
    InputWouldBeOverwritten,
    OutputNotCreated,        // `detail`: the MP3 file's path
    OutputNotWritten,
    EncoderNotSetUp,
};

// An MP3 stream's rate and channels.
struct StreamShape {
    int sampleRate = 0;
    int channels = 0;
};

struct ConversionProblem {
    ConversionProblem(ConversionCause cause = ConversionCause::None, std::error_code error = {})
        : cause(cause), error(error) {}

    ConversionCause cause;
    std::error_code error;
    long long count = 0;
    int limit = 0;
    bool floating = false;
    StreamShape from, to;
    std::string detail;

    explicit operator bool() const { return cause != ConversionCause::None; }
};

// In English, as the command line says it: "the file cannot be read",
// "2 channels are not supported (only mono and stereo)".
std::string describe(const ConversionProblem& problem);

} // namespace audio

#endif
