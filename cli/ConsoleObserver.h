#ifndef CLI_CONSOLEOBSERVER_H
#define CLI_CONSOLEOBSERVER_H

#include "publish/PublishObserver.h"

#include <cstdio>
#include <string>
#include <vector>

namespace cli {

// Shows the publish job on standard error: a progress bar on a terminal,
// one line per track otherwise. Keeps what was skipped and why.
class ConsoleObserver : public publish::PublishObserver {
public:
    // `trackNames` are the files as the user named them, in playlist order
    // (a converted track is published from a copy elsewhere).
    explicit ConsoleObserver(std::vector<std::string> trackNames);

    void progress(int position) override;
    void waitBegins(const std::string& caption) override;
    void waitEnds() override {}
    void alert(const std::string& text, const std::string& caption) override;
    void trackDone(int number, const std::string& path, publish::TrackOutcome outcome) override;
    void done(bool success, const std::string& failure) override;

    bool succeeded() const { return success; }
    int skippedCount() const { return static_cast<int>(skipped.size()); }
    const std::vector<std::string>& skippedTracks() const { return skipped; }

private:
    void drawBar(int position);
    void clearBar();

    int trackCount() const { return static_cast<int>(trackNames.size()); }

    std::vector<std::string> trackNames;
    int current = 0;
    bool terminal;
    bool barShown = false;
    bool success = false;
    std::string lastAlert;
    std::vector<std::string> skipped;
};

} // namespace cli

#endif
