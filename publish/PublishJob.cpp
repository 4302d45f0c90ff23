#include "publish/PublishJob.h"

#include "publish/EmbedPage.h"
#include "publish/FileSystemBoundary.h"
#include "publish/FolderLock.h"
#include "publish/HtaccessFile.h"
#include "file_writing/FolderCreation.h"
#include "file_writing/NewFile.h"
#include "publish/OutputDocuments.h"
#include "publish/OutputFolder.h"
#include "player_contract/PlayerContract.h"
#include "output_names/OutputFileNames.h"
#include "publish/PlayerRuntime.h"
#include "publish/Playlist.h"
#include "publish/StagingFolder.h"
#include "publish/TrackPool.h"
#include "publish/TrackStaging.h"
#include "publish/UserFiles.h"

#include <system_error>

namespace fs = std::filesystem;

namespace publish {

namespace {

const char* const WaitCaption = "Generate specrum data";

StepFailure stepFailure(PublishStep step, const fs::path& target, std::error_code error, const fs::path& source = {}) {
    return {step, target, source, error};
}

PublishResult nothingPublished(const fs::path& output, NothingPublishedReason reason) {
    PublishResult result;
    result.output = output;
    result.reason = reason;
    return result;
}

PublishResult failed(const fs::path& output, const StepFailure& failure) {
    PublishResult result;
    result.output = output;
    result.failure = failure;
    return result;
}

PublishResult cancelled(const fs::path& output) {
    PublishResult result;
    result.outcome = PublishOutcome::Cancelled;
    result.output = output;
    return result;
}

// The bar's position once `done` of `count` tracks are: the same whole step
// for every track (seven tracks: 42, 84, ..., 294) while the range holds one
// per track; above that a share of the range, as the step would be 0.
int progressAfter(int done, int count) {
    int step = PublishObserver::ProgressRange / count;
    if (step > 0)
        return step * done;
    return static_cast<int>(static_cast<long long>(PublishObserver::ProgressRange) * done / count);
}

// The old player's track movies that the new one has no movie for.
int staleMovies(const fs::path& oldOutput, const fs::path& newOutput) {
    int stale = 0;
    std::error_code error;
    for (const fs::directory_entry& entry : fs::directory_iterator(oldOutput, error)) {
        std::string name = entry.path().filename().string();
        std::error_code ignored;
        if (trackMovieNumber(name) && !fs::exists(newOutput / name, ignored))
            ++stale;
    }
    return stale;
}

} // namespace

PublishResult PublishJob::run(const PublishSettings& settings, const std::vector<PlaylistItem>& playlist,
                              std::stop_token stop) {
    PublishResult result = publish(settings, playlist, stop);
    observer.done(result);
    return result;
}

PublishResult PublishJob::run(std::stop_token stop) {
    StoredPublish stored;
    XmlReadResult problem = loadStoredPublish(folder.settingsFile(), stored);
    if (!problem)
        return run(stored.settings, stored.playlist, stop);
    PublishResult result = nothingPublished({}, NothingPublishedReason::SettingsUnreadable);
    result.settingsFile = folder.settingsFile();
    result.settingsProblem = problem;
    observer.done(result);
    return result;
}

PublishResult PublishJob::publish(const PublishSettings& settings, const std::vector<PlaylistItem>& playlist,
                                  std::stop_token stop) {
    fs::path output = outputFolderIn(settings.folder);
    if (playlist.empty())
        return nothingPublished(output, NothingPublishedReason::EmptyPlaylist);
    std::error_code error = createFolders(settings.folder);
    OutputFolder located;
    if (error || (error = locateOutputFolder(output, located)))
        return failed(output, stepFailure(PublishStep::OutputFolder, output, error));
    FolderLock lock;
    error = lock.acquire(
        located.path.parent_path(), [&] { observer.notice({NoticeKind::FolderBusy, output, ""}); }, stop);
    if (error == std::errc::operation_canceled)
        return cancelled(output);
    // The publish that held the lock may have made the folder meanwhile.
    if (error || (error = locateOutputFolder(output, located)))
        return failed(output, stepFailure(PublishStep::OutputFolder, output, error));
    StagingFolder staging;
    if (std::optional<StepFailure> failure = prepareStaging(located, output, staging))
        return failed(output, *failure);

    std::optional<PublishCache> cache = openCache();
    TrackStager stager(analyser, analyser.identity(), cache ? &*cache : nullptr, staging.path());
    StagedTracks staged = stageTracks(playlist, settings.lyrics, stager, output, stop);
    // A lower limit than before is kept at once; otherwise only new entries
    // can take the cache past it.
    if (cache && (stager.storedAny() || options.cacheLimit != PublishCache::DefaultLimit))
        cache->trim();
    if (staged.stopped)
        return cancelled(output);
    if (staged.failure)
        return failed(output, *staged.failure);
    if (staged.published == 0) {
        PublishResult result = nothingPublished(output, NothingPublishedReason::NoTrack);
        result.tracks = static_cast<int>(playlist.size());
        return result;
    }
    if (std::optional<StepFailure> failure = stageDocuments(settings, staging.path(), output, staged))
        return failed(output, *failure);
    fs::path notCarried;
    if (located.exists && (error = carryUserFiles(located.path, staging.path(), notCarried)))
        return failed(output, stepFailure(PublishStep::UserFiles, output, error, notCarried));
    if (std::optional<StepFailure> failure = stageHtaccess(settings, staging.path(), output))
        return failed(output, *failure);
    if (stop.stop_requested())
        return cancelled(output);

    int stale = located.exists ? staleMovies(located.path, staging.path()) : 0;
    if ((error = staging.swapIn()))
        return failed(output, stepFailure(PublishStep::Swap, output, error));
    settleSwap(staging, output);
    if (stale > 0)
        observer.staleMoviesRemoved(stale);
    PublishResult result;
    result.outcome = staged.skipped == 0 ? PublishOutcome::AllPublished : PublishOutcome::SomeSkipped;
    result.output = output;
    result.published = staged.published;
    result.skipped = staged.skipped;
    return result;
}

std::optional<StepFailure> PublishJob::prepareStaging(const OutputFolder& located, const fs::path& output,
                                                      StagingFolder& staging) {
    // A mount could not move with the old player, nor could the old player
    // be removed from around it: refused before anything is touched.
    if (located.exists)
        if (fs::path mount = firstOtherFileSystemIn(located.path); !mount.empty())
            return StepFailure{PublishStep::OtherFileSystem, output, mount, {}};
    for (const Unremoved& left : removeStagingLeftovers(located))
        observer.notice({NoticeKind::NotRemoved, left.path, left.why.message()});
    std::error_code error = staging.create(located);
    if (error == std::errc::permission_denied) {
        fs::path linked = located.path == fs::absolute(output) ? fs::path() : located.path;
        return StepFailure{PublishStep::StagingFolder, output, linked, error};
    }
    if (error)
        return stepFailure(PublishStep::OutputFolder, output, error);
    return std::nullopt;
}

void PublishJob::settleSwap(StagingFolder& staging, const fs::path& output) {
    if (std::error_code error = staging.flushSwap())
        observer.notice({NoticeKind::SwapNotFlushed, output, error.message()});
    if (Unremoved left = staging.remove())
        observer.notice({NoticeKind::NotRemoved, left.path, left.why.message()});
}

std::optional<PublishCache> PublishJob::openCache() {
    if (!options.cacheFolder)
        return std::nullopt;
    PublishCache cache(*options.cacheFolder, options.cacheLimit);
    if (std::error_code error = cache.open()) {
        observer.notice({NoticeKind::CacheUnusable, cache.folder(), error.message()});
        return std::nullopt;
    }
    return cache;
}

PublishJob::StagedTracks PublishJob::stageTracks(const std::vector<PlaylistItem>& playlist, bool lyrics,
                                                 TrackStager& stager, const fs::path& output, std::stop_token stop) {
    int trackCount = static_cast<int>(playlist.size());
    int workers = options.jobs > 0 ? options.jobs : usableProcessors();
    TrackPool<StagedTrack> pool(
        trackCount, workers,
        [&](int index, int worker, std::stop_token halt) {
            const PlaylistItem& item = playlist[index];
            return stager.stage(trackTask(index + 1, item.path, item.title, lyrics, lyricsFinder),
                                folder.dataFile(worker), halt);
        },
        stop);
    StagedTracks staged;
    bool cacheNoticed = false;
    for (int n = 1; n <= trackCount; ++n) {
        observer.trackStarts(n);
        observer.waitBegins(WaitCaption);
        std::optional<StagedTrack> track = pool.next();
        observer.waitEnds();
        if (!track || track->result.outcome == TrackOutcome::Cancelled || stop.stop_requested()) {
            staged.stopped = true;
            return staged;
        }
        const std::string& source = playlist[n - 1].path;
        if (std::error_code refused = track->result.systemError) {
            pool.halt();
            staged.failure = stepFailure(PublishStep::TrackMovie, output / trackMovieName(n), refused, source);
            return staged;
        }
        if (track->cacheError && !cacheNoticed) {
            observer.notice({NoticeKind::CacheUnusable, *options.cacheFolder, track->cacheError.message()});
            cacheNoticed = true;
        }
        if (track->result.outcome == TrackOutcome::Published) {
            staged.items += musicListItem(n);
            if (staged.firstPublished == 0)
                staged.firstPublished = n;
            ++staged.published;
        } else {
            ++staged.skipped;
        }
        observer.trackDone({n, source, (output / trackMovieName(n)).string(), track->result.outcome,
                            track->result.detail, track->result.systemError});
        observer.progress(progressAfter(n, trackCount));
    }
    return staged;
}

std::optional<StepFailure> PublishJob::stageHtaccess(const PublishSettings& settings, const fs::path& staging,
                                                     const fs::path& output) {
    if (!settings.runtime || !settings.htaccess)
        return std::nullopt;
    std::error_code error;
    if (fs::symlink_status(staging / HtaccessFileName, error).type() != fs::file_type::not_found) {
        observer.notice({NoticeKind::OwnHtaccessKept, output / HtaccessFileName, ""});
        return std::nullopt;
    }
    if ((error = writeHtaccess(staging / HtaccessFileName)))
        return stepFailure(PublishStep::HostSettings, output / HtaccessFileName, error);
    return std::nullopt;
}

std::optional<StepFailure> PublishJob::stageDocuments(const PublishSettings& settings, const fs::path& staging,
                                                      const fs::path& output, const StagedTracks& staged) {
    struct Step {
        PublishStep step;
        const char* name;
        fs::path source;
        std::function<std::error_code(const fs::path&)> write;
    };
    bool runtime = settings.runtime;
    // The movie a player that starts by itself fetches first, which the
    // pages ask for at once; a shuffled one starts with any. The skins read
    // an option left out as off.
    std::string firstMovie = settings.autoStart == true && settings.random != true
                                 ? trackMovieName(staged.firstPublished)
                                 : std::string();
    std::vector<Step> steps = {
        {PublishStep::MusicList, contract::MusicListFileName, {},
         [&](const fs::path& file) { return writeNewFile(file, musicListText(settings.title, staged.items)); }},
        {PublishStep::PlayerOptions, contract::MusicListFileName, {},
         [&](const fs::path& file) {
             return mergePlayerOptions(file, {settings.autoStart, settings.autoNext, settings.loop, settings.random});
         }},
        {PublishStep::PlayerMovie, contract::PlayerMovieFileName, settings.player,
         [&](const fs::path& file) { return copyPlayer(settings.player, file); }},
    };
    if (runtime)
        steps.push_back({PublishStep::Runtime, RuntimeFolderName, runtimeFolder,
                         [&](const fs::path& copy) { return copyPlayerRuntime(runtimeFolder, copy); }});
    if (settings.html) {
        steps.push_back({PublishStep::PlayerPage, contract::PlayerPageFileName, {},
                         [&](const fs::path& page) { return writePlayerPage(page, runtime, firstMovie); }});
        // The framed page sizes itself to the player movie staged before it.
        steps.push_back({PublishStep::EmbedPage, EmbedPageFileName, {}, [&](const fs::path& page) {
                             return writeEmbedPage(page.parent_path(), settings.title, runtime, firstMovie);
                         }});
    }
    for (const Step& step : steps)
        if (std::error_code error = step.write(staging / step.name))
            return stepFailure(step.step, output / step.name, error, step.source);
    return std::nullopt;
}

} // namespace publish
