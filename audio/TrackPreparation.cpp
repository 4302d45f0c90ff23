#include "audio/TrackPreparation.h"

#include "audio/AudioByteReader.h"
#include "audio/Mp3Converter.h"
#include "audio/WorkFolder.h"
#include "transform/transform.h"

#include <cstdio>
#include <memory>

namespace audio {

namespace {

constexpr int Mp3Format = 2;
constexpr int ConvertedSampleRate = 22050;

bool isStreamableRate(int rate) { return rate == 11025 || rate == 22050 || rate == 44100; }

} // namespace

bool isStreamableMp3(const std::string& path) {
    std::unique_ptr<transform::FSSoundConstructor, transform::FSRelease> sound(
        transform::createSoundConstructor(0));
    if (!sound)
        return false;
    try {
        return sound->loadFile(path.c_str()) == 0 && sound->getFormat() == Mp3Format &&
               isStreamableRate(sound->getSampleRate());
    } catch (const transform::FSException&) {
        return false;
    }
}

bool isPcmAudioFile(const std::string& path) {
    unsigned char tag[4] = {};
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file)
        return false;
    bool read = std::fread(tag, 1, 4, file) == 4;
    std::fclose(file);
    return read && (hasTag(tag, "RIFF") || hasTag(tag, "FORM"));
}

std::string prepareTrack(const std::string& path, const std::string& workFolder, const std::tm& now) {
    return isStreamableMp3(path) ? path : convertForPlayers(path, workFolder, now);
}

std::string convertForPlayers(const std::string& path, const std::string& workFolder, const std::tm& now) {
    std::string converted = convertedFileName(workFolder, now);
    if (!ConvertToMp3(path, converted, !isPcmAudioFile(path), ConvertedSampleRate))
        return "";
    return converted;
}

} // namespace audio
