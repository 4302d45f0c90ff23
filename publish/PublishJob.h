#ifndef PUBLISH_PUBLISHJOB_H
#define PUBLISH_PUBLISHJOB_H

#include "publish/PublishObserver.h"
#include "publish/PublishSettings.h"
#include "publish/SettingsFolder.h"
#include "publish/SpectrumAnalyser.h"

#include <filesystem>
#include <functional>
#include <string>

namespace publish {

// Publishes the settings file's playlist into the output folder: a track
// movie per entry, the playlist document, the player movie and, when asked
// for, the web page and the runtime. Everything it does is told to the
// observer; it stops early only when the settings cannot be read.
class PublishJob {
public:
    // `runtimeFolder` holds the SWF runtime copied next to the player when
    // the settings ask for it.
    PublishJob(SettingsFolder folder, SpectrumAnalyser& analyser, PublishObserver& observer,
               std::filesystem::path runtimeFolder = {})
        : folder(std::move(folder)), runtimeFolder(std::move(runtimeFolder)), analyser(analyser),
          observer(observer) {}

    // The LRC text of a sound file's timed lyrics, "" when it has none.
    using LyricsFinder = std::function<std::string(const std::string& soundFile)>;
    // Without a finder the tracks carry no lyrics.
    void findLyricsWith(LyricsFinder finder) { lyricsFinder = std::move(finder); }

    void run();

private:
    // The playlist document's items for the movies that were built.
    std::string publishTracks(const std::filesystem::path& outputFolder, bool lyrics);
    void writeDocuments(const PublishSettings& settings, const std::filesystem::path& outputFolder,
                        const std::string& items);
    // Runs one step's `write`; a failure is told to the observer.
    bool attempt(PublishStep step, const std::filesystem::path& target, const std::filesystem::path& source,
                 const std::function<bool()>& write);

    SettingsFolder folder;
    std::filesystem::path runtimeFolder;
    SpectrumAnalyser& analyser;
    PublishObserver& observer;
    LyricsFinder lyricsFinder;
};

} // namespace publish

#endif
