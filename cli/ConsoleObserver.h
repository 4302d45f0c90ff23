#ifndef CLI_CONSOLEOBSERVER_H
#define CLI_CONSOLEOBSERVER_H

#include "publish/PublishObserver.h"

#include <string>
#include <vector>

namespace cli {

// One file the user gave: its place among them and its name as given.
struct GivenFile {
    int position;
    std::string name;
};

// Shows the publish on standard error: a progress bar on a terminal, one
// line per track otherwise, one line for every file skipped (named as the
// user gave it), for a notice, and for why nothing was published.
class ConsoleObserver : public publish::PublishObserver {
public:
    // `given`: how many files the user gave.
    explicit ConsoleObserver(int given);

    // A file that joins the playlist, in playlist order.
    void entered(const GivenFile& file) { playlist.push_back(file); }
    // A file that never reached the playlist.
    void refused(const GivenFile& file, const std::string& why);

    void progress(int position) override;
    void trackStarts(int number) override;
    void waitBegins(const std::string&) override {}
    void waitEnds() override {}
    void trackDone(const publish::TrackReport& report) override;
    void notice(const publish::Notice& notice) override;
    void staleMoviesRemoved(int count) override;
    void done(const publish::PublishResult& result) override;

    int publishedCount() const { return published; }
    int skippedCount() const { return skipped; }

private:
    void drawBar();
    void clearBar();
    void trackLine(int position, const std::string& name, const std::string& outcome);

    std::vector<GivenFile> playlist;
    int given;
    // The track being built and the bar's last position.
    int current = 0;
    int barPosition = 0;
    bool terminal;
    bool barShown = false;
    int published = 0;
    int skipped = 0;
};

} // namespace cli

#endif
