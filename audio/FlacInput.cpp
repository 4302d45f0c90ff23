#include "audio/FlacInput.h"

#include "audio/AudioHeaderParsers.h"

#include <FLAC/stream_decoder.h>

#include <algorithm>

namespace audio {

struct FlacStream {
    FlacStream() = default;
    FlacStream(const FlacStream&) = delete;
    FlacStream& operator=(const FlacStream&) = delete;
    ~FlacStream() {
        if (decoder)
            FLAC__stream_decoder_delete(decoder);
    }

    FLAC__StreamDecoder* decoder = nullptr;
    std::FILE* file = nullptr;
    unsigned channels = 0;
    unsigned sampleRate = 0;
    FLAC__uint64 totalSamples = 0;
    // The last frame's samples, interleaved and left-justified to 32 bits,
    // and how many of them were handed on.
    std::vector<int32_t> frame;
    size_t taken = 0;
    ConversionProblem problem;
};

namespace {

FLAC__StreamDecoderReadStatus readFromFile(const FLAC__StreamDecoder*, FLAC__byte buffer[], size_t* bytes, void* data) {
    auto* stream = static_cast<FlacStream*>(data);
    *bytes = std::fread(buffer, 1, *bytes, stream->file);
    if (std::ferror(stream->file)) {
        stream->problem.cause = ConversionCause::CannotRead;
        return FLAC__STREAM_DECODER_READ_STATUS_ABORT;
    }
    return *bytes == 0 ? FLAC__STREAM_DECODER_READ_STATUS_END_OF_STREAM : FLAC__STREAM_DECODER_READ_STATUS_CONTINUE;
}

FLAC__bool atEnd(const FLAC__StreamDecoder*, void* data) {
    return std::feof(static_cast<FlacStream*>(data)->file) != 0;
}

FLAC__StreamDecoderWriteStatus takeFrame(const FLAC__StreamDecoder*, const FLAC__Frame* frame,
                                         const FLAC__int32* const buffer[], void* data) {
    auto* stream = static_cast<FlacStream*>(data);
    const FLAC__FrameHeader& header = frame->header;
    // The encoder was told the stream's channels; a frame may not change them.
    if (header.channels != stream->channels || header.bits_per_sample == 0 || header.bits_per_sample > 32) {
        stream->problem.cause = ConversionCause::FlacFrameMismatch;
        return FLAC__STREAM_DECODER_WRITE_STATUS_ABORT;
    }
    unsigned shift = 32 - header.bits_per_sample;
    stream->frame.resize(size_t{header.blocksize} * header.channels);
    for (unsigned sample = 0; sample < header.blocksize; ++sample)
        for (unsigned channel = 0; channel < header.channels; ++channel)
            stream->frame[size_t{sample} * header.channels + channel] =
                static_cast<int32_t>(static_cast<uint32_t>(buffer[channel][sample]) << shift);
    stream->taken = 0;
    return FLAC__STREAM_DECODER_WRITE_STATUS_CONTINUE;
}

void takeStreamInfo(const FLAC__StreamDecoder*, const FLAC__StreamMetadata* metadata, void* data) {
    auto* stream = static_cast<FlacStream*>(data);
    if (metadata->type != FLAC__METADATA_TYPE_STREAMINFO)
        return;
    stream->channels = metadata->data.stream_info.channels;
    stream->sampleRate = metadata->data.stream_info.sample_rate;
    stream->totalSamples = metadata->data.stream_info.total_samples;
}

// A damaged frame is skipped, as players do; the decoder finds the next one.
void passOverDamage(const FLAC__StreamDecoder*, FLAC__StreamDecoderErrorStatus, void*) {}

bool fail(AudioInput& input, const ConversionProblem& reason) {
    input.problem = reason;
    closeFlacInput(input);
    return false;
}

// Why the decoder stopped, when no callback said it.
ConversionProblem stoppedReason(const FlacStream& stream) {
    if (stream.problem)
        return stream.problem;
    ConversionProblem undecodable{ConversionCause::Undecodable};
    undecodable.detail = FLAC__StreamDecoderStateString[FLAC__stream_decoder_get_state(stream.decoder)];
    return undecodable;
}

// Decodes the next frame when the last one is used up; false at the end.
bool refill(FlacStream& stream, bool& failed) {
    while (stream.taken == stream.frame.size()) {
        if (FLAC__stream_decoder_get_state(stream.decoder) == FLAC__STREAM_DECODER_END_OF_STREAM)
            return false;
        if (!FLAC__stream_decoder_process_single(stream.decoder)) {
            failed = true;
            return false;
        }
    }
    return true;
}

} // namespace

bool openFlacInput(AudioInput& input, lame_t encoder) {
    if (std::fseek(input.stream, 0, SEEK_SET) != 0)
        return fail(input, {ConversionCause::CannotRereadStart});
    input.flac = new FlacStream;
    FlacStream& stream = *input.flac;
    stream.file = input.stream;
    stream.decoder = FLAC__stream_decoder_new();
    if (!stream.decoder ||
        FLAC__stream_decoder_init_stream(stream.decoder, readFromFile, nullptr, nullptr, nullptr, atEnd, takeFrame,
                                         takeStreamInfo, passOverDamage, &stream) != FLAC__STREAM_DECODER_INIT_STATUS_OK)
        return fail(input, {ConversionCause::FlacDecoderNotStarted});
    if (!FLAC__stream_decoder_process_until_end_of_metadata(stream.decoder))
        return fail(input, stoppedReason(stream));
    if (stream.channels == 0)
        return fail(input, {ConversionCause::FlacNoStreamInfo});
    PcmLayout layout;
    layout.channels = static_cast<int>(stream.channels);
    layout.bitWidth = 32;
    if (layout.channels > 2)
        layout.speakers = defaultSpeakers(layout.channels);
    if (!acceptPcmFormat(input, encoder, layout, static_cast<int>(stream.sampleRate)))
        return fail(input, input.problem);
    input.format = AudioFormat::Flac;
    if (stream.totalSamples > 0)
        lame_set_num_samples(encoder, static_cast<unsigned long>(stream.totalSamples));
    return true;
}

int readFlacBlock(AudioInput& input, int wanted, int left[], int right[]) {
    FlacStream& stream = *input.flac;
    size_t channels = stream.channels;
    input.unpacked.resize(static_cast<size_t>(wanted) * channels);
    size_t filled = 0;
    bool failed = false;
    while (filled < input.unpacked.size() && refill(stream, failed)) {
        size_t count = std::min(input.unpacked.size() - filled, stream.frame.size() - stream.taken);
        std::copy_n(stream.frame.begin() + static_cast<long>(stream.taken), count,
                    input.unpacked.begin() + static_cast<long>(filled));
        stream.taken += count;
        filled += count;
    }
    if (failed) {
        input.problem = stoppedReason(stream);
        return -1;
    }
    mixToStereo(input.unpacked.data(), filled / channels, input.pcm, left, right);
    return static_cast<int>(filled / channels);
}

void closeFlacInput(AudioInput& input) {
    delete input.flac;
    input.flac = nullptr;
}

} // namespace audio
