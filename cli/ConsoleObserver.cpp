#include "cli/ConsoleObserver.h"

#include "cli/ProgramLine.h"

#include <cstdio>
#include <unistd.h>

namespace cli {

namespace {
const int BarWidth = 30;
} // namespace

ConsoleObserver::ConsoleObserver(int givenCount) : given(givenCount), terminal(isatty(STDERR_FILENO) != 0) {}

void ConsoleObserver::drawBar() {
    int filled = barPosition * BarWidth / ProgressRange;
    int track = current >= 1 && current <= static_cast<int>(playlist.size()) ? playlist[current - 1].position : 0;
    std::fprintf(stderr, "\r[%s%s] %3d%%  track %d of %d", std::string(filled, '#').c_str(),
                 std::string(BarWidth - filled, ' ').c_str(), percentOf(barPosition), track, given);
    std::fflush(stderr);
    barShown = true;
}

void ConsoleObserver::clearBar() {
    if (barShown)
        std::fprintf(stderr, "\r\033[K");
    barShown = false;
}

void ConsoleObserver::trackLine(int position, const std::string& name, const std::string& outcome) {
    clearBar();
    std::fprintf(stderr, "track %d of %d: %s: %s\n", position, given, name.c_str(), outcome.c_str());
}

void ConsoleObserver::refused(const GivenFile& file, const std::string& why) {
    ++skipped;
    trackLine(file.position, file.name, "skipped, " + why);
}

void ConsoleObserver::progress(int reached) {
    barPosition = reached;
    if (terminal)
        drawBar();
}

void ConsoleObserver::trackStarts(int number) {
    current = number;
    if (terminal)
        drawBar();
}

void ConsoleObserver::trackDone(const publish::TrackReport& report) {
    bool known = report.number >= 1 && report.number <= static_cast<int>(playlist.size());
    GivenFile file = known ? playlist[report.number - 1] : GivenFile{report.number, report.source};
    bool ok = report.outcome == publish::TrackOutcome::Published;
    ok ? ++published : ++skipped;
    if (!terminal || !ok)
        trackLine(file.position, file.name, publish::describe(report));
}

void ConsoleObserver::notice(const publish::Notice& notice) {
    clearBar();
    std::fprintf(stderr, "%s\n", publish::describe(notice).c_str());
}

void ConsoleObserver::staleMoviesRemoved(int count) {
    clearBar();
    std::fprintf(stderr, "Removed %d track movie%s of an earlier publish that %s no longer in the playlist\n", count,
                 count == 1 ? "" : "s", count == 1 ? "is" : "are");
}

void ConsoleObserver::done(const publish::PublishResult& result) {
    clearBar();
    if (result.outcome != publish::PublishOutcome::NothingPublished)
        return;
    say(publish::describe(result));
    if (!result.output.empty())
        std::fprintf(stderr, "Nothing was published: %s is unchanged\n", result.output.c_str());
}

} // namespace cli
