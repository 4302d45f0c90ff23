#ifndef PUBLISH_PUBLISHJOB_H
#define PUBLISH_PUBLISHJOB_H

#include "publish/PublishObserver.h"
#include "publish/SpectrumAnalyser.h"

#include <filesystem>

namespace publish {

// Publishes the settings file's playlist into the output folder: a track
// movie per entry, the playlist document, the player movie and, when asked
// for, the web page. The settings file and the analyser's data file lie in
// `workFolder` (the current directory for the wizard).
class PublishJob {
public:
    // `runtimeFolder` holds the SWF runtime copied next to the player when
    // the "Runtime" setting asks for it.
    PublishJob(std::filesystem::path workFolder, SpectrumAnalyser& analyser, PublishObserver& observer,
               std::filesystem::path runtimeFolder = {})
        : workFolder(std::move(workFolder)), runtimeFolder(std::move(runtimeFolder)), analyser(analyser),
          observer(observer) {}

    void run();

private:
    bool publishRuntime(const std::filesystem::path& outputFolder);

    std::filesystem::path workFolder;
    std::filesystem::path runtimeFolder;
    SpectrumAnalyser& analyser;
    PublishObserver& observer;
};

} // namespace publish

#endif
