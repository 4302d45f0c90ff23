#include "audio/TrackPreparation.h"

#include "audio/Mp3Converter.h"
#include "audio/Mp3Length.h"
#include "audio/WorkFolder.h"
#include "input_files/InputFile.h"
#include "player_contract/TrackLength.h"
#include "transform/transform.h"

#include <memory>

namespace audio {

namespace {

bool loadsAsStreamableMp3(int descriptor) {
    std::unique_ptr<transform::FSSoundConstructor, transform::FSRelease> sound(
        transform::createSoundConstructor(transform::WavOrMp3));
    if (!sound)
        return false;
    try {
        return sound->loadFile(publish::descriptorPath(descriptor).c_str()) == 0 &&
               sound->getFormat() == transform::FSSoundMP3;
    } catch (const transform::FSException&) {
        return false;
    }
}

// Measured before anything reads the whole file: hours of sound would be
// loaded, analysed and cached only to be refused at the end.
bool tooLongForTrackMovie(int descriptor, std::uint64_t firstFrame) {
    Mp3Length length = measureMp3(descriptor, firstFrame, publish::LongestTrackSeconds + 1);
    return publish::trackMovieFrames(static_cast<std::int64_t>(length.samples), length.sampleRate) >
           publish::contract::LongestTrackFrames;
}

} // namespace

bool isStreamableMp3(const std::string& path) {
    publish::FileDescriptor file;
    return !publish::openInputFile(path, file) && loadsAsStreamableMp3(file.get());
}

TrackCheck checkTrack(const std::string& path) {
    publish::FileDescriptor file;
    if (std::error_code error = publish::openInputFile(path, file))
        return {TrackNeed::Refusal, AudioFileKind::Unreadable, {RefusalReason::CannotOpen, path, "", error}};
    AudioFileInspection inspection = inspectAudioFile(file.get(), path);
    switch (inspection.kind) {
    case AudioFileKind::Unreadable:
        return {TrackNeed::Refusal, inspection.kind, {RefusalReason::CannotRead, path, "", {}}};
    case AudioFileKind::Foreign:
        return {TrackNeed::Refusal, inspection.kind, {RefusalReason::NotSound, path, "", {}, {}, inspection.foreign}};
    case AudioFileKind::Mp3:
        if (tooLongForTrackMovie(file.get(), inspection.firstFrame))
            return {TrackNeed::Refusal, inspection.kind, {RefusalReason::TooLong, path, "", {}}};
        if (loadsAsStreamableMp3(file.get()))
            return {TrackNeed::Nothing, inspection.kind, {}};
        break;
    default: break;
    }
    return {TrackNeed::Conversion, inspection.kind, {}};
}

PreparedTrack convertForPlayers(const std::string& path, const TrackCheck& check, const std::string& workFolder,
                                const std::tm& now) {
    if (workFolder.empty())
        return {"", {RefusalReason::NoWorkFolder, path, "", {}}, {}};
    std::string converted = convertedFileName(workFolder, now);
    ConversionFailure failure;
    ConverterInput input = check.kind == AudioFileKind::Mp3 ? ConverterInput::Mp3 : ConverterInput::Pcm;
    if (!ConvertToMp3(path, converted, input, ConvertedSampleRate, failure))
        return {"", {RefusalReason::ConversionFailed, path, "", {}, failure.cause}, {}};
    return {converted, {}, {}};
}

PreparedTrack prepareTrack(const std::string& path, const TrackConverter& convert) {
    TrackCheck check = checkTrack(path);
    switch (check.need) {
    case TrackNeed::Nothing: return {path, {}, {}};
    case TrackNeed::Refusal: return {"", check.refusal, {}};
    case TrackNeed::Conversion: break;
    }
    return convert(path, check);
}

} // namespace audio
