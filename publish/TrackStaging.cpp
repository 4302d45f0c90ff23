#include "publish/TrackStaging.h"

#include "input_files/InputFile.h"
#include "file_writing/NewFile.h"
#include "output_names/OutputFileNames.h"
#include "text_formats/TimedLyrics.h"

namespace fs = std::filesystem;

namespace publish {

namespace {

// The movie's name is claimed first, as a new file, so that the builder
// writes only into a file of our own.
TrackResult buildStagedMovie(const TrackTask& task, const fs::path& movie, const fs::path& dataFile,
                             std::stop_token stop) {
    FileDescriptor claimed;
    if (std::error_code error = createNewFile(movie, claimed))
        return {TrackOutcome::CannotWrite, error.message(), error};
    claimed = FileDescriptor();
    TrackResult result =
        buildTrackMovie(task.source, task.title, movie.string(), dataFile, stop, parseLrc(task.lyrics));
    std::error_code ignored;
    if (result.outcome != TrackOutcome::Published)
        fs::remove(movie, ignored);
    return result;
}

} // namespace

TrackTask trackTask(int number, const std::string& source, const std::string& title, bool lyrics,
                    const LyricsFinder& finder) {
    return {number, source, title, lyrics && finder ? finder(source) : std::string()};
}

void TrackStager::keep(CacheEntryKind kind, const ContentHash& key, const fs::path& file, StagedTrack& staged) {
    if (!cacheUsable)
        return;
    if ((staged.cacheError = cache->store(kind, key, file)))
        cacheUsable = false;
    else
        stored = true;
}

void TrackStager::analyse(const TrackTask& task, const ContentHash* source, const fs::path& dataFile,
                          std::stop_token stop, StagedTrack& staged) {
    std::error_code ignored;
    // An analysis that writes nothing must not leave an earlier track's
    // bars to this one.
    fs::remove(dataFile, ignored);
    if (!source || !identity.found) {
        analyser.run(task.source, dataFile, stop);
        return;
    }
    ContentHash key = cacheKey({CacheEntryKind::Analysis, *source, "", identity, ""});
    if (cacheUsable && cache->fetch(CacheEntryKind::Analysis, key, dataFile))
        return;
    analyser.run(task.source, dataFile, stop);
    if (!stop.stop_requested() && fs::exists(dataFile, ignored))
        keep(CacheEntryKind::Analysis, key, dataFile, staged);
}

StagedTrack TrackStager::stage(const TrackTask& given, const fs::path& dataFile, std::stop_token stop) {
    StagedTrack staged;
    // The sound is read only through the descriptor checked here, whatever
    // its name comes to stand for meanwhile.
    FileDescriptor sound;
    if (openInputFile(given.source, sound)) {
        staged.result = {TrackOutcome::Unsupported, ""};
        return staged;
    }
    TrackTask task = given;
    task.source = descriptorPath(sound.get());
    fs::path movie = staging / trackMovieName(task.number);
    ContentHash source;
    // A source that cannot be read is the builder's to refuse.
    bool keyed = cacheUsable && !hashFile(task.source, source);
    ContentHash movieKey = cacheKey({CacheEntryKind::TrackMovie, source, task.title, identity, task.lyrics});
    if (keyed && cache->fetch(CacheEntryKind::TrackMovie, movieKey, movie))
        return staged;

    analyse(task, keyed ? &source : nullptr, dataFile, stop, staged);
    if (stop.stop_requested()) {
        staged.result = {TrackOutcome::Cancelled, ""};
        return staged;
    }
    staged.result = buildStagedMovie(task, movie, dataFile, stop);
    if (keyed && staged.result.outcome == TrackOutcome::Published)
        keep(CacheEntryKind::TrackMovie, movieKey, movie, staged);
    return staged;
}

} // namespace publish
