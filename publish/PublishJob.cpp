#include "publish/PublishJob.h"

#include "publish/OutputDocuments.h"
#include "publish/PlayerRuntime.h"
#include "publish/Playlist.h"
#include "publish/PublishOptions.h"
#include "publish/TrackMovieBuilder.h"

#include <string>
#include <vector>

namespace publish {

namespace {
const char* const DataFileName = "data.log";
const char* const WaitCaption = "Generate specrum data";
} // namespace

bool PublishJob::publishRuntime(const std::filesystem::path& outputFolder) {
    if (copyPlayerRuntime(runtimeFolder, outputFolder / "ruffle"))
        return true;
    observer.alert("The player runtime cannot be copied from " + runtimeFolder.string() +
                       ".\nThe page will need a Flash plug-in.",
                   "Tunemill");
    return false;
}

void PublishJob::run() {
    std::filesystem::path settingsFile = workFolder / SettingsFileName;
    PublishOptions settings(settingsFile);
    if (!settings.Load()) {
        observer.done(false, "Cannot read the settings file " + settingsFile.string() + ".");
        return;
    }

    std::filesystem::path outputFolder = std::filesystem::path(settings.Get("Folder")) / "output";
    std::error_code ignored;
    std::filesystem::create_directory(outputFolder, ignored);

    std::vector<std::string> paths, titles;
    LoadPlaylist(paths, titles, settingsFile);
    int trackCount = static_cast<int>(paths.size());
    int step = trackCount > 0 ? PublishObserver::ProgressRange / trackCount : 0;

    std::filesystem::path dataFile = workFolder / DataFileName;
    std::string items;
    for (int n = 1; n <= trackCount; ++n) {
        std::string moviePath = (outputFolder / (std::to_string(n) + ".swf")).string();
        observer.waitBegins(WaitCaption);
        analyser.run(paths[n - 1], dataFile);
        observer.waitEnds();
        TrackOutcome outcome = buildTrackMovie(paths[n - 1], titles[n - 1], moviePath, dataFile, observer);
        if (outcome == TrackOutcome::Published)
            items += musicListItem(n);
        observer.trackDone(n, paths[n - 1], outcome);
        observer.progress(step * n);
    }

    std::filesystem::path musicList = outputFolder / "music_list.xml";
    bool written = writeTextFile(musicList, musicListText(settings.Get("Title"), items));
    mergePlayerOptions(musicList, {settings.Get("AutoStart"), settings.Get("AutoNext"), settings.Get("Loop"),
                                   settings.Get("Random")});
    copyPlayer(settings.Get("Player"), outputFolder / "Player.swf");
    // An absent setting means the runtime: pages without it need a plug-in.
    bool runtime = settings.Get("Runtime") != "0" && publishRuntime(outputFolder);
    if (settings.Get("HTML") == "1")
        writePlayerPage(outputFolder / "Player.htm", runtime);
    observer.done(written, written ? "" : "Cannot write " + musicList.string() + ".");
}

} // namespace publish
