#include "analyser/Mp3Decoder.h"

#include <mpg123.h>

#include <memory>

namespace analyser {

namespace {

const size_t BufferBytes = 65536;

struct HandleCloser {
    void operator()(mpg123_handle* handle) const {
        mpg123_close(handle);
        mpg123_delete(handle);
    }
};
using Handle = std::unique_ptr<mpg123_handle, HandleCloser>;

// 16-bit samples, every frame from the first (no gapless trimming), as the
// track movies stream them: the bars stay in step with the sound.
Handle openDecoder(const std::string& path) {
    int error = MPG123_OK;
    Handle handle(mpg123_new(nullptr, &error));
    if (!handle)
        return nullptr;
    mpg123_param(handle.get(), MPG123_ADD_FLAGS, MPG123_QUIET, 0);
    mpg123_param(handle.get(), MPG123_REMOVE_FLAGS, MPG123_GAPLESS, 0);
    mpg123_format_none(handle.get());
    const long* rates;
    size_t count;
    mpg123_rates(&rates, &count);
    for (size_t i = 0; i < count; ++i)
        mpg123_format(handle.get(), rates[i], MPG123_MONO | MPG123_STEREO, MPG123_ENC_SIGNED_16);
    if (mpg123_open(handle.get(), path.c_str()) != MPG123_OK)
        return nullptr;
    return handle;
}

// Both channels mixed to one, at full scale 1.
void mix(const short* samples, size_t frames, int channels, std::vector<float>& mixed) {
    mixed.resize(frames);
    if (channels == 2)
        for (size_t i = 0; i < frames; ++i)
            mixed[i] = (samples[2 * i] + samples[2 * i + 1]) / 65536.0f;
    else
        for (size_t i = 0; i < frames; ++i)
            mixed[i] = samples[i] / 32768.0f;
}

} // namespace

bool decodeMp3File(const std::string& path, const SampleSink& sink, const int* stop) {
    Handle decoder = openDecoder(path);
    if (!decoder)
        return false;
    std::vector<short> buffer(BufferBytes / sizeof(short));
    std::vector<float> mixed;
    long sampleRate = 0;
    int channels = 0, encoding = 0;
    for (;;) {
        // Another thread sets the flag; each buffer is a fraction of a second.
        if (stop != nullptr && __atomic_load_n(stop, __ATOMIC_RELAXED) != 0)
            return false;
        size_t done = 0;
        int result = mpg123_read(decoder.get(), buffer.data(), BufferBytes, &done);
        if (result == MPG123_NEW_FORMAT) {
            mpg123_getformat(decoder.get(), &sampleRate, &channels, &encoding);
            continue;
        }
        if (done > 0 && sampleRate > 0) {
            mix(buffer.data(), done / sizeof(short) / static_cast<size_t>(channels), channels, mixed);
            sink(static_cast<int>(sampleRate), mixed);
        }
        if (result != MPG123_OK)
            break;
    }
    return sampleRate > 0;
}

} // namespace analyser
