#ifndef PUBLISH_PUBLISHJOB_H
#define PUBLISH_PUBLISHJOB_H

#include "content_cache/PublishCache.h"
#include "publish/PublishObserver.h"
#include "publish/PublishSettings.h"
#include "publish/SettingsFolder.h"
#include "publish/SpectrumAnalyser.h"
#include "publish/TrackStaging.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <stop_token>
#include <string>
#include <vector>

namespace publish {

class StagingFolder;
struct OutputFolder;

// How the job works, beyond what it publishes.
struct PublishJobOptions {
    // Tracks built at once; 0: one per processor this process may use.
    int jobs = 0;
    // Where built results are kept between publishes; none: no cache.
    std::optional<std::filesystem::path> cacheFolder;
    std::uintmax_t cacheLimit = PublishCache::DefaultLimit;
};

// Publishes a playlist into the output folder: a track movie per entry, the
// playlist document, the player movie and, when asked for, the web page and
// the runtime. The new player is built beside the output folder and put in
// its place only when it is complete, so a publish that fails or is stopped
// leaves the old player as it was. Everything it does is told to the
// observer.
class PublishJob {
public:
    // `runtimeFolder` holds the SWF runtime copied next to the player when
    // the settings ask for it.
    PublishJob(SettingsFolder folder, SpectrumAnalyser& analyser, PublishObserver& observer,
               std::filesystem::path runtimeFolder = {}, PublishJobOptions options = {})
        : folder(std::move(folder)), runtimeFolder(std::move(runtimeFolder)), options(std::move(options)),
          analyser(analyser), observer(observer) {}

    // Without a finder the tracks carry no lyrics. It is called from the
    // threads that build the tracks.
    void findLyricsWith(LyricsFinder finder) { lyricsFinder = std::move(finder); }

    // Runs the whole job; a stop request ends it with the old player in
    // place. The result is also the observer's last call.
    PublishResult run(const PublishSettings& settings, const std::vector<PlaylistItem>& playlist,
                      std::stop_token stop = {});
    // The same with what the wizard's pages stored in the settings folder's
    // settings file, read once.
    PublishResult run(std::stop_token stop = {});

private:
    // What the tracks left: the playlist document's items, or the failure
    // that ends the publish.
    struct StagedTracks {
        std::string items;
        int firstPublished = 0; // the number of the playlist's first movie
        int published = 0;
        int skipped = 0;
        std::optional<StepFailure> failure;
        bool stopped = false;
    };

    PublishResult publish(const PublishSettings& settings, const std::vector<PlaylistItem>& playlist,
                          std::stop_token stop);
    StagedTracks stageTracks(const std::vector<PlaylistItem>& playlist, bool lyrics, TrackStager& stager,
                             const std::filesystem::path& output, std::stop_token stop);
    // Checks the output folder, removes what earlier runs left beside it and
    // makes the staging folder: the failure that ends the publish, if any.
    std::optional<StepFailure> prepareStaging(const OutputFolder& located, const std::filesystem::path& output,
                                              StagingFolder& staging);
    // The .htaccess beside the runtime, or the notice that the user's own
    // stays: the failure that ends the publish, if any.
    std::optional<StepFailure> stageHtaccess(const PublishSettings& settings, const std::filesystem::path& staging,
                                             const std::filesystem::path& output);
    // After the swap: the swap put on disk, the old player removed.
    void settleSwap(StagingFolder& staging, const std::filesystem::path& output);
    // The cache, when there is one and it can be used.
    std::optional<PublishCache> openCache();
    // The first step that fails, if one does.
    std::optional<StepFailure> stageDocuments(const PublishSettings& settings, const std::filesystem::path& staging,
                                              const std::filesystem::path& output, const StagedTracks& staged);

    SettingsFolder folder;
    std::filesystem::path runtimeFolder;
    PublishJobOptions options;
    SpectrumAnalyser& analyser;
    PublishObserver& observer;
    LyricsFinder lyricsFinder;
};

} // namespace publish

#endif
