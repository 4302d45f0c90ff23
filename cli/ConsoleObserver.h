#ifndef CLI_CONSOLEOBSERVER_H
#define CLI_CONSOLEOBSERVER_H

#include "publish/PublishObserver.h"

#include <string>
#include <vector>

namespace cli {

// Shows the publish job on standard error: a progress bar on a terminal,
// one line per track otherwise, and a line for every failure.
class ConsoleObserver : public publish::PublishObserver {
public:
    // `trackNames` are the files as the user named them, in playlist order
    // (a converted track is published from a copy elsewhere).
    explicit ConsoleObserver(std::vector<std::string> trackNames);

    void progress(int position) override;
    void waitBegins(const std::string& caption) override;
    void waitEnds() override {}
    void trackDone(const publish::TrackReport& report) override;
    void stepFailed(const publish::StepFailure& failure) override;
    void done(bool ran, const std::string& whyNot) override;

    bool ran() const { return jobRan; }
    int publishedCount() const { return published; }
    int failedSteps() const { return stepFailures; }
    // Each skipped track's name and why, in one line each.
    const std::vector<std::string>& skippedTracks() const { return skipped; }

private:
    void drawBar(int position);
    void clearBar();
    int trackCount() const { return static_cast<int>(trackNames.size()); }

    std::vector<std::string> trackNames;
    int current = 0;
    bool terminal;
    bool barShown = false;
    bool jobRan = false;
    int published = 0;
    int stepFailures = 0;
    std::vector<std::string> skipped;
};

} // namespace cli

#endif
