// libFuzzer target: any bytes given to the sound constructor give a status,
// and whatever it indexed can be handed out as tags.

#include "transform/transform.h"

#include <cstddef>
#include <cstdint>
#include <memory>

namespace {

void handOutEverything(transform::FSSoundConstructor& sound) {
    std::unique_ptr<transform::FSDefineSound> define(sound.defineSound(1));
    std::unique_ptr<transform::FSSoundStreamHead2> head(sound.streamHeader(580));
    int rate = sound.getSampleRate();
    int samplesPerBlock = rate >= 38 ? rate / 38 : 580;
    int blocks = sound.getSampleCount() / samplesPerBlock + 2;
    for (int block = 0; block < blocks && block < 4096; ++block)
        std::unique_ptr<transform::FSSoundStreamBlock> tag(sound.streamBlock(block, samplesPerBlock));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > (1u << 20))
        return 0;
    for (int forceMp3 : {0, 1}) {
        std::unique_ptr<transform::FSSoundConstructor, transform::FSRelease> sound(
            transform::createSoundConstructor(forceMp3));
        sound->decodeSound(data, static_cast<int>(size));
        handOutEverything(*sound);
        if (size > 2)
            sound->setSound(2, 1, 0, 22050, 2, data, static_cast<int>(size));
        handOutEverything(*sound);
    }
    return 0;
}
