#include "cli/ConsoleObserver.h"

#include <cstdio>
#include <unistd.h>

namespace cli {

namespace {
const int BarWidth = 30;
} // namespace

ConsoleObserver::ConsoleObserver(std::vector<std::string> names)
    : trackNames(std::move(names)), terminal(isatty(STDERR_FILENO) != 0) {}

void ConsoleObserver::drawBar(int position) {
    int filled = position * BarWidth / ProgressRange;
    std::fprintf(stderr, "\r[%s%s] %3d%%  track %d of %d", std::string(filled, '#').c_str(),
                 std::string(BarWidth - filled, ' ').c_str(), position * 100 / ProgressRange, current, trackCount());
    std::fflush(stderr);
    barShown = true;
}

void ConsoleObserver::clearBar() {
    if (barShown)
        std::fprintf(stderr, "\r\033[K");
    barShown = false;
}

void ConsoleObserver::progress(int position) {
    if (terminal)
        drawBar(position);
}

void ConsoleObserver::waitBegins(const std::string&) {
    ++current;
    if (terminal)
        drawBar((current - 1) * ProgressRange / (trackCount() > 0 ? trackCount() : 1));
}

void ConsoleObserver::trackDone(const publish::TrackReport& report) {
    bool named = report.number >= 1 && report.number <= trackCount();
    const std::string& name = named ? trackNames[report.number - 1] : report.source;
    std::string outcome = publish::describe(report);
    if (report.outcome == publish::TrackOutcome::Published)
        ++published;
    else
        skipped.push_back(name + ": " + outcome);
    if (terminal && report.outcome == publish::TrackOutcome::Published)
        return;
    clearBar();
    std::fprintf(stderr, "track %d of %d: %s: %s\n", report.number, trackCount(), name.c_str(), outcome.c_str());
}

void ConsoleObserver::stepFailed(const publish::StepFailure& failure) {
    ++stepFailures;
    clearBar();
    std::fprintf(stderr, "tunemill-publish: %s\n", publish::describe(failure).c_str());
}

void ConsoleObserver::done(bool ranToTheEnd, const std::string& whyNot) {
    clearBar();
    jobRan = ranToTheEnd;
    if (!ranToTheEnd)
        std::fprintf(stderr, "tunemill-publish: %s\n", whyNot.c_str());
}

} // namespace cli
