// libFuzzer target: any file is inspected, and given to the audio input
// reader, as detected audio or as MP3, opens or fails with a message, and
// reads to its end.

#include "audio/AudioFileInspection.h"
#include "audio/AudioInput.h"
#include "audio/LameEncoder.h"
#include "input_files/InputFile.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <unistd.h>

namespace {

const std::string& inputPath() {
    static const std::string path = "/tmp/fuzz-audio-input-" + std::to_string(getpid());
    return path;
}

bool writeInput(const uint8_t* data, size_t size) {
    std::FILE* file = std::fopen(inputPath().c_str(), "wb");
    if (!file)
        return false;
    bool written = std::fwrite(data, 1, size, file) == size;
    return std::fclose(file) == 0 && written;
}

void readAll(audio::AudioFormat format) {
    audio::Encoder encoder(lame_init());
    audio::AudioInput input;
    input.format = format;
    if (!audio::OpenAudioInput(input, encoder.get(), inputPath())) {
        if (!input.problem || audio::describe(input.problem).empty())
            __builtin_trap();
        return;
    }
    int left[audio::BlockSamples], right[audio::BlockSamples];
    for (int block = 0; block < 2000 && audio::ReadAudioBlock(input, encoder.get(), left, right) > 0; ++block) {
    }
    audio::CloseAudioInput(input);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > (1u << 16) || !writeInput(data, size))
        return 0;
    publish::FileDescriptor file;
    if (publish::openInputFile(inputPath(), file))
        __builtin_trap();
    audio::AudioFileInspection inspection = audio::inspectAudioFile(file.get(), inputPath());
    if (inspection.kind == audio::AudioFileKind::Foreign && audio::describe(inspection.foreign).empty())
        __builtin_trap();
    readAll(audio::AudioFormat::Unknown);
    readAll(audio::AudioFormat::Mp3);
    return 0;
}
