#include "publish/TrackMovieBuilder.h"

#include "publish/SpectrumData.h"
#include "transform/transform.h"

#include <cstdio>
#include <memory>

namespace publish {

using namespace transform;

namespace {

const char* const BuildCaption = "Build Swf";

std::string formatted(const char* format, const std::string& text) {
    int size = std::snprintf(nullptr, 0, format, text.c_str());
    std::string result(static_cast<size_t>(size), '\0');
    std::snprintf(result.data(), result.size() + 1, format, text.c_str());
    return result;
}

void addSetVariable(FSActionList& actions, const char* name, FSValue* value) {
    FSArray<FSValue*> values;
    values.append(new FSString(name));
    values.append(value);
    actions.append(new FSPush(values));
    actions.append(new FSAction(FSAction::SetVariable));
}

void addBars(FSActionList& actions, const SpectrumData::Values& bars) {
    for (int k = 0; k < SpectrumData::Bars; ++k) {
        if (bars[k] <= 0 || bars[k] >= 50)
            continue;
        char name[8];
        std::snprintf(name, sizeof name, "s%d", k);
        addSetVariable(actions, name, new FSDouble(bars[k] * 0.5));
    }
}

struct TrackFigures {
    int duration;
    int samplesPerFrame;
    int frameCount;
};

std::unique_ptr<FSMovie> trackMovie(FSSoundConstructor& sound, const TrackFigures& figures, const std::string& title,
                                    SpectrumData& spectrum) {
    auto movie = std::make_unique<FSMovie>(FSBounds(0, 0, 1, 1), static_cast<float>(TrackFrameRate));
    movie->addObject(new FSSetBackgroundColor(FSColor(255, 255, 255, 255)));
    movie->addObject(sound.streamHeader(figures.samplesPerFrame));
    for (int frame = 0; frame < figures.frameCount; ++frame) {
        FSActionList actions;
        if (frame == 0) {
            addSetVariable(actions, "time", new FSInteger(figures.duration));
            addSetVariable(actions, "music", new FSString(title.c_str()));
        }
        if (spectrum.readFrame(frame))
            addBars(actions, spectrum.values());
        if (actions.getCount() > 0)
            movie->addObject(new FSDoAction(actions));
        FSSoundStreamBlock* block = sound.streamBlock(frame, figures.samplesPerFrame);
        if (block == nullptr)
            throw FSAllocationException("Cannot allocate memory");
        movie->addObject(block);
        movie->addObject(new FSShowFrame());
    }
    return movie;
}

} // namespace

TrackOutcome buildTrackMovie(const std::string& mp3Path, const std::string& title, const std::string& moviePath,
                             const std::filesystem::path& dataPath, PublishObserver& observer) {
    std::unique_ptr<FSSoundConstructor, FSRelease> sound(createSoundConstructor(0));
    // A rate below one sample per frame cannot be streamed at all.
    if (!sound || sound->loadFile(mp3Path.c_str()) != 0 || sound->getSampleRate() < TrackFrameRate) {
        observer.alert(formatted("%s \n- unsupported format!", mp3Path), BuildCaption);
        return TrackOutcome::Unsupported;
    }

    TrackFigures figures;
    figures.duration = sound->getSampleCount() / sound->getSampleRate();
    figures.samplesPerFrame = sound->getSampleRate() / TrackFrameRate;
    figures.frameCount = sound->getSampleCount() / figures.samplesPerFrame;
    if (figures.frameCount > LongestTrackFrames) {
        observer.alert(formatted("%s \n- too long for a track movie (at most 28 min 44 s)!", mp3Path), BuildCaption);
        return TrackOutcome::TooLong;
    }

    try {
        SpectrumData spectrum(dataPath);
        std::unique_ptr<FSMovie> movie = trackMovie(*sound, figures, title, spectrum);
        sound.reset();
        movie->encodeToFile(moviePath.c_str());
    } catch (const FSAccessException& error) {
        // The file was opened, so what it held is gone already: leave no
        // half-written movie behind.
        std::remove(moviePath.c_str());
        observer.alert(moviePath + " \n- " + error.message(), BuildCaption);
        return TrackOutcome::CannotWrite;
    } catch (const FSException& error) {
        observer.alert(moviePath + " \n- " + error.message(), BuildCaption);
        return TrackOutcome::CannotWrite;
    }
    std::error_code ignored;
    std::filesystem::remove(dataPath, ignored);
    return TrackOutcome::Published;
}

} // namespace publish
