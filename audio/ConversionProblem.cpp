#include "audio/ConversionProblem.h"

#include "input_files/InputFile.h"

namespace audio {

namespace {

const std::string DecodingFailed = "the audio cannot be decoded: ";

std::string streamText(const StreamShape& shape) {
    return std::to_string(shape.sampleRate) + " Hz " + (shape.channels == 1 ? "mono" : "stereo");
}

// What the input holds that the encoder cannot take.
std::string formatText(const ConversionProblem& problem) {
    std::string count = std::to_string(problem.count);
    switch (problem.cause) {
    case ConversionCause::NotMonoOrStereo: return count + " channels are not supported (only mono and stereo)";
    case ConversionCause::TooManyChannels:
        return count + " channels are not supported (at most " + std::to_string(problem.limit) + ")";
    case ConversionCause::SampleSize:
        return "samples of " + count + " bits" + (problem.floating ? " in floating point" : "") + " are not supported";
    case ConversionCause::SampleRate: return "the sample rate " + count + " Hz is not usable";
    case ConversionCause::Mp3StreamChanges:
        return "the MP3 changes from " + streamText(problem.from) + " to " + streamText(problem.to) + " part way";
    default: return "";
    }
}

} // namespace

std::string describe(const ConversionProblem& problem) {
    switch (problem.cause) {
    case ConversionCause::None: return "";
    case ConversionCause::NoInputFile: return "no input file was given";
    case ConversionCause::CannotOpen: return "the file " + publish::openingProblem(problem.error);
    case ConversionCause::CannotRereadStart: return "the file cannot be read from its start again";
    case ConversionCause::CannotRead: return "the file cannot be read";
    case ConversionCause::CannotClose: return "the file cannot be closed: " + problem.error.message();
    case ConversionCause::HeaderUnreadable: return "the file's header cannot be read";
    case ConversionCause::Undecodable: return DecodingFailed + problem.detail;
    case ConversionCause::FlacFrameMismatch:
        return DecodingFailed + "a frame does not match the stream's channels or sample size";
    case ConversionCause::FlacDecoderNotStarted: return DecodingFailed + "the FLAC decoder cannot be started";
    case ConversionCause::FlacNoStreamInfo: return DecodingFailed + "the FLAC stream has no stream information";
    case ConversionCause::Mp3DecoderNotStarted: return "the MP3 decoder cannot be started";
    case ConversionCause::NoMp3Frame: return "no MPEG Layer III frame was found";
    case ConversionCause::Mp3FirstFrameUnreadable: return "the MP3 decoder cannot read the first frame";
    case ConversionCause::EncoderBufferTooSmall: return "the MP3 encoder's buffer is too small";
    case ConversionCause::EncoderFailed: return "the MP3 encoder failed with error " + std::to_string(problem.count);
    case ConversionCause::EncoderNotStarted: return "the MP3 encoder cannot be started";
    case ConversionCause::InputWouldBeOverwritten: return "the input would be overwritten";
    case ConversionCause::OutputNotCreated: return "the MP3 file " + problem.detail + " cannot be created";
    case ConversionCause::OutputNotWritten: return "the MP3 file cannot be written";
    case ConversionCause::EncoderNotSetUp: return "the MP3 encoder cannot be set up for this input";
    default: return formatText(problem);
    }
}

} // namespace audio
