#include "publish/PublishJob.h"

#include "publish/EmbedPage.h"
#include "publish/OutputDocuments.h"
#include "publish/PlayerContract.h"
#include "publish/PlayerRuntime.h"
#include "publish/Playlist.h"
#include "publish/StaleMovies.h"
#include "publish/TimedLyrics.h"
#include "publish/TrackMovieBuilder.h"

#include <cerrno>
#include <functional>
#include <system_error>
#include <vector>

namespace fs = std::filesystem;

namespace publish {

namespace {
const char* const WaitCaption = "Generate specrum data";
} // namespace

bool PublishJob::attempt(PublishStep step, const fs::path& target, const fs::path& source,
                         const std::function<bool()>& write) {
    // The writers leave the system's reason in errno.
    errno = 0;
    if (write())
        return true;
    observer.stepFailed({step, target, source, errno != 0 ? std::generic_category().message(errno) : ""});
    return false;
}

std::string PublishJob::publishTracks(const fs::path& outputFolder, bool lyrics) {
    std::vector<std::string> paths, titles;
    LoadPlaylist(paths, titles, folder.settingsFile());
    int trackCount = static_cast<int>(paths.size());
    int step = trackCount > 0 ? PublishObserver::ProgressRange / trackCount : 0;

    std::string items;
    int staleMovies = 0;
    for (int n = 1; n <= trackCount; ++n) {
        std::string moviePath = (outputFolder / (std::to_string(n) + ".swf")).string();
        std::error_code ignored;
        // An analysis that writes nothing must not leave the previous
        // track's bars to this one.
        fs::remove(folder.dataFile(), ignored);
        observer.waitBegins(WaitCaption);
        analyser.run(paths[n - 1], folder.dataFile());
        observer.waitEnds();
        std::vector<LyricLine> lines;
        if (lyrics && lyricsFinder)
            lines = parseLrc(lyricsFinder(paths[n - 1]));
        TrackResult result = buildTrackMovie(paths[n - 1], titles[n - 1], moviePath, folder.dataFile(), {}, lines);
        if (result.outcome == TrackOutcome::Published)
            items += musicListItem(n);
        else if (fs::remove(moviePath, ignored))
            ++staleMovies; // an earlier publish's movie for this number
        observer.trackDone({n, paths[n - 1], moviePath, result.outcome, result.detail});
        observer.progress(step * n);
    }
    staleMovies += removeStaleTrackMovies(outputFolder, trackCount);
    if (staleMovies > 0)
        observer.staleMoviesRemoved(staleMovies);
    return items;
}

void PublishJob::writeDocuments(const PublishSettings& settings, const fs::path& outputFolder,
                                const std::string& items) {
    fs::path musicList = outputFolder / contract::MusicListFileName;
    if (attempt(PublishStep::MusicList, musicList, {},
                [&] { return writeTextFile(musicList, musicListText(settings.title, items)); }))
        attempt(PublishStep::PlayerOptions, musicList, {}, [&] {
            return mergePlayerOptions(musicList, {settings.autoStart, settings.autoNext, settings.loop, settings.random});
        });

    fs::path playerMovie = outputFolder / contract::PlayerMovieFileName;
    bool player = attempt(PublishStep::PlayerMovie, playerMovie, settings.player,
                          [&] { return copyPlayer(settings.player, playerMovie); });

    fs::path runtimeCopy = outputFolder / RuntimeFolderName;
    bool runtime = settings.runtime && attempt(PublishStep::Runtime, runtimeCopy, runtimeFolder, [&] {
                       return copyPlayerRuntime(runtimeFolder, runtimeCopy);
                   });
    if (settings.html) {
        fs::path page = outputFolder / contract::PlayerPageFileName;
        attempt(PublishStep::PlayerPage, page, {}, [&] { return writePlayerPage(page, runtime); });
        // The framed page sizes itself to the player; without one it would frame nothing.
        if (player)
            attempt(PublishStep::EmbedPage, outputFolder / EmbedPageFileName, {},
                    [&] { return writeEmbedPage(outputFolder, settings.title, runtime); });
    }
}

void PublishJob::run() {
    std::optional<PublishSettings> settings = loadPublishSettings(folder.settingsFile());
    if (!settings) {
        observer.done(false, "Cannot read the settings file " + folder.settingsFile().string() + ".");
        return;
    }
    fs::path outputFolder = fs::path(settings->folder) / "output";
    std::error_code ignored;
    fs::create_directory(outputFolder, ignored);

    std::string items = publishTracks(outputFolder, settings->lyrics);
    writeDocuments(*settings, outputFolder, items);
    observer.done(true, "");
}

} // namespace publish
