#include "publish/PreviewTrack.h"

#include "output_names/OutputFileNames.h"
#include "content_cache/PublishCache.h"

#include <optional>

namespace fs = std::filesystem;

namespace publish {

TrackResult buildPreviewTrack(const TrackTask& task, SpectrumAnalyser& analyser, const fs::path& cacheFolder,
                              const fs::path& folder, const fs::path& dataFile, std::stop_token stop) {
    std::error_code ignored;
    fs::remove(folder / trackMovieName(task.number), ignored);
    // A cache that cannot be used only makes the preview slower; the
    // publish says why.
    std::optional<PublishCache> cache;
    if (!cacheFolder.empty()) {
        cache.emplace(cacheFolder, PublishCache::DefaultLimit);
        if (cache->open())
            cache.reset();
    }
    TrackStager stager(analyser, analyser.identity(), cache ? &*cache : nullptr, folder);
    StagedTrack staged = stager.stage(task, dataFile, stop);
    if (stager.storedAny())
        cache->trim();
    return staged.result;
}

} // namespace publish
