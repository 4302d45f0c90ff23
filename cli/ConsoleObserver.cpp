#include "cli/ConsoleObserver.h"

#include <unistd.h>

namespace cli {

namespace {

const int BarWidth = 30;

// Alerts are written for message boxes; on one line their break reads ": ".
std::string oneLine(const std::string& text) {
    std::string line;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text.compare(i, 4, " \n- ") == 0) {
            line += ": ";
            i += 3;
        } else {
            line += text[i] == '\n' ? ' ' : text[i];
        }
    }
    return line;
}

const char* outcomeText(publish::TrackOutcome outcome) {
    switch (outcome) {
    case publish::TrackOutcome::Published: return "published";
    case publish::TrackOutcome::Unsupported: return "skipped, unsupported format";
    case publish::TrackOutcome::CannotWrite: return "skipped, its movie cannot be written";
    case publish::TrackOutcome::TooLong: return "skipped, too long";
    }
    return "skipped";
}

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

void ConsoleObserver::alert(const std::string& text, const std::string&) { lastAlert = oneLine(text); }

void ConsoleObserver::trackDone(int number, const std::string& published, publish::TrackOutcome outcome) {
    const std::string& path = number >= 1 && number <= trackCount() ? trackNames[number - 1] : published;
    if (outcome != publish::TrackOutcome::Published)
        skipped.push_back(lastAlert.empty() ? path : lastAlert);
    if (!terminal || outcome != publish::TrackOutcome::Published) {
        clearBar();
        std::fprintf(stderr, "track %d of %d: %s: %s\n", number, trackCount(), path.c_str(), outcomeText(outcome));
        if (outcome != publish::TrackOutcome::Published && !lastAlert.empty())
            std::fprintf(stderr, "  %s\n", lastAlert.c_str());
    }
    lastAlert.clear();
}

void ConsoleObserver::done(bool succeeded, const std::string& failure) {
    clearBar();
    success = succeeded;
    if (!succeeded)
        std::fprintf(stderr, "tunemill-publish: %s\n", failure.c_str());
}

} // namespace cli
