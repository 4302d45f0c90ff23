#ifndef PUBLISH_TRACKSTAGING_H
#define PUBLISH_TRACKSTAGING_H

#include "content_cache/CacheKey.h"
#include "content_cache/PublishCache.h"
#include "publish/SpectrumAnalyser.h"
#include "publish/TrackMovieBuilder.h"

#include <atomic>
#include <filesystem>
#include <functional>
#include <stop_token>
#include <string>
#include <system_error>

namespace publish {

// One playlist entry on its way into the new player.
struct TrackTask {
    int number = 0;
    std::string source;
    std::string title;
    std::string lyrics;  // LRC text; empty: the movie carries none
};

// The LRC text of a sound file's timed lyrics, "" when it has none.
using LyricsFinder = std::function<std::string(const std::string& soundFile)>;

// Playlist entry `number` as a publish stages it: with the lyrics `finder`
// finds when the tracks carry lyrics; without a finder, with none.
TrackTask trackTask(int number, const std::string& source, const std::string& title, bool lyrics,
                    const LyricsFinder& finder);

struct StagedTrack {
    TrackResult result;  // with the system's reason when the movie could not be written: the publish ends
    std::error_code cacheError;  // the cache could not keep a result: it is used no more
};

// Puts track movies into the staging folder, through the cache when there
// is one: a movie made before from the same sound, title and analyser is
// copied from it; otherwise the analysis is taken from it or made (and
// kept), and the movie built (and kept). Several threads may stage at once,
// each with a data file of its own.
class TrackStager {
public:
    TrackStager(SpectrumAnalyser& analyser, AnalyserIdentity identity, const PublishCache* cache,
                std::filesystem::path staging)
        : analyser(analyser), identity(identity), cache(cache), staging(std::move(staging)),
          cacheUsable(cache != nullptr) {}

    StagedTrack stage(const TrackTask& task, const std::filesystem::path& dataFile, std::stop_token stop);
    // Whether anything went into the cache, which only then may need trimming.
    bool storedAny() const { return stored; }

private:
    void analyse(const TrackTask& task, const ContentHash* source, const std::filesystem::path& dataFile,
                 std::stop_token stop, StagedTrack& staged);
    void keep(CacheEntryKind kind, const ContentHash& key, const std::filesystem::path& file, StagedTrack& staged);

    SpectrumAnalyser& analyser;
    AnalyserIdentity identity;
    const PublishCache* cache;
    std::filesystem::path staging;
    std::atomic<bool> cacheUsable;
    std::atomic<bool> stored{false};
};

} // namespace publish

#endif
