#include "publish/TrackMovieBuilder.h"

#include "text_formats/LyricCues.h"
#include "player_contract/PlayerContract.h"
#include "publish/SpectrumData.h"
#include "text_formats/TextEncoding.h"
#include "player_contract/TrackLength.h"
#include "transform/FSMovieWriter.h"
#include "transform/transform.h"

#include <memory>
#include <new>

namespace publish {

using namespace transform;

namespace {

namespace contract = publish::contract;

void addSetVariable(FSActionList& actions, const char* name, FSValue* value) {
    FSArray<FSValue*> values;
    values.append(new FSString(name));
    values.append(value);
    actions.append(new FSPush(values));
    actions.append(new FSAction(FSAction::SetVariable));
}

void addBars(FSActionList& actions, const SpectrumData::Values& bars) {
    for (int k = 0; k < contract::SpectrumBars; ++k) {
        if (bars[k] <= 0 || bars[k] >= contract::BarValueLimit)
            continue;
        std::string name = contract::BarVariablePrefix + std::to_string(k);
        addSetVariable(actions, name.c_str(), new FSDouble(bars[k] * contract::BarScale));
    }
}

struct TrackFigures {
    int duration;
    int samplesPerFrame;
    int frameCount;
};

// The actions one frame runs: the first frame sets the track's length and
// title, every frame the bars its line of the data file gives.
FSActionList frameActions(int frame, const TrackFigures& figures, const std::string& title, SpectrumData& spectrum,
                          std::vector<LyricCue>::const_iterator& cue, const std::vector<LyricCue>& cues) {
    FSActionList actions;
    if (frame == 0) {
        addSetVariable(actions, contract::LengthVariable, new FSInteger(figures.duration));
        addSetVariable(actions, contract::TitleVariable, new FSString(cutAtCharacter(title, contract::LongestTitleBytes).c_str()));
    }
    if (cue != cues.end() && cue->frame == frame)
        addSetVariable(actions, contract::LyricVariable, new FSString((cue++)->text.c_str()));
    if (spectrum.readFrame(frame))
        addBars(actions, spectrum.values());
    return actions;
}

template <typename Tag>
std::unique_ptr<Tag> made(Tag* tag) {
    if (tag == nullptr)
        throw FSAllocationException("Cannot allocate memory");
    return std::unique_ptr<Tag>(tag);
}

// Writes the movie frame by frame: a frame's tags exist only while they are
// written, and its sound block refers to the loaded sound. False when the
// build was asked to stop before the movie was complete.
bool writeTrackMovie(const FSSoundConstructor& sound, const TrackFigures& figures, const std::string& title,
                     SpectrumData& spectrum, const std::string& moviePath, const std::stop_token& stop,
                     const std::vector<LyricCue>& cues) {
    FSMovieWriter::Layout layout;
    layout.frameSize = FSBounds(0, 0, 1, 1);
    layout.frameRate = static_cast<float>(contract::TrackFrameRate);
    layout.frameCount = figures.frameCount;
    FSMovieWriter writer(moviePath.c_str(), layout);

    FSSetBackgroundColor background(FSColor(255, 255, 255, 255));
    writer.add(background);
    writer.add(*made(sound.streamHeader(figures.samplesPerFrame)));
    auto cue = cues.begin();
    for (int frame = 0; frame < figures.frameCount; ++frame) {
        if (stop.stop_requested())
            return false;
        FSActionList actions = frameActions(frame, figures, title, spectrum, cue, cues);
        if (actions.getCount() > 0) {
            FSDoAction doAction(actions);
            writer.add(doAction);
        }
        writer.add(*made(sound.referringStreamBlock(frame, figures.samplesPerFrame)));
        FSShowFrame showFrame;
        writer.add(showFrame);
    }
    writer.finish();
    return true;
}

} // namespace

TrackResult buildTrackMovie(const std::string& mp3Path, const std::string& title, const std::string& moviePath,
                            const std::filesystem::path& dataPath, std::stop_token stop,
                            const std::vector<LyricLine>& lyrics) {
    std::unique_ptr<FSSoundConstructor, FSRelease> sound(createSoundConstructor(WavOrMp3));
    if (!sound)
        return {TrackOutcome::OutOfMemory, ""};
    int status = sound->loadFile(mp3Path.c_str());
    if (status == FSOutOfMemory)
        return {TrackOutcome::OutOfMemory, ""};
    // A rate below one sample per frame cannot be streamed at all.
    if (status != FSLoaded || sound->getSampleRate() < contract::TrackFrameRate)
        return {TrackOutcome::Unsupported, ""};

    TrackFigures figures;
    figures.duration = sound->getSampleCount() / sound->getSampleRate();
    figures.samplesPerFrame = sound->getSampleRate() / contract::TrackFrameRate;
    figures.frameCount = static_cast<int>(trackMovieFrames(sound->getSampleCount(), sound->getSampleRate()));
    if (figures.frameCount == 0)
        return {TrackOutcome::NoSound, ""};
    if (figures.frameCount > contract::LongestTrackFrames)
        return {TrackOutcome::TooLong, ""};

    // What an error leaves of the movie file is removed: no half-written
    // movie may stay behind.
    auto failed = [&](TrackResult result) {
        std::error_code ignored;
        std::filesystem::remove(moviePath, ignored);
        return result;
    };
    try {
        SpectrumData spectrum(dataPath);
        std::vector<LyricCue> cues =
            lyricCues(lyrics, sound->getSampleRate(), figures.samplesPerFrame, figures.frameCount);
        if (!writeTrackMovie(*sound, figures, title, spectrum, moviePath, stop, cues))
            return failed({TrackOutcome::Cancelled, ""});
    } catch (const std::bad_alloc&) {
        return failed({TrackOutcome::OutOfMemory, ""});
    } catch (const FSAllocationException& error) {
        return failed({TrackOutcome::OutOfMemory, error.message()});
    } catch (const FSFileOpenException& error) {
        return {TrackOutcome::CannotWrite, error.message(), error.reason()};
    } catch (const FSSystemException& error) {
        return failed({TrackOutcome::CannotWrite, error.message(), error.reason()});
    } catch (const FSException& error) {
        // The library could not encode the movie: no system call failed.
        return failed({TrackOutcome::CannotWrite, error.message()});
    }
    std::error_code ignored;
    std::filesystem::remove(dataPath, ignored);
    return {TrackOutcome::Published, ""};
}

} // namespace publish
