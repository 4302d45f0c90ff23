#ifndef PUBLISH_PUBLISHREPORTS_H
#define PUBLISH_PUBLISHREPORTS_H

#include <filesystem>
#include <string>

namespace publish {

// Why a track has no movie.
enum class TrackOutcome { Published, Unsupported, CannotWrite, TooLong, NoSound, OutOfMemory, Cancelled };

// What became of one playlist entry.
struct TrackReport {
    int number = 0;          // its movie's number, from 1
    std::string source;      // the sound file as the playlist holds it
    std::string movie;       // the movie's path
    TrackOutcome outcome = TrackOutcome::Published;
    std::string detail;      // the SWF library's message when the movie could not be written
};

// The steps after the tracks, each of which writes one thing.
enum class PublishStep { MusicList, PlayerOptions, PlayerMovie, PlayerPage, Runtime, EmbedPage };

struct StepFailure {
    PublishStep step = PublishStep::MusicList;
    std::filesystem::path target;
    std::filesystem::path source;  // what was copied, for the copying steps
    std::string why;               // the system's word for it, when it gave one
};

// A message box's text and caption.
struct Alert {
    std::string text;
    std::string caption;
};

// The message boxes the wizard shows for them.
Alert alertFor(const TrackReport& report);
Alert alertFor(const StepFailure& failure);

// One line in plain words, for a terminal.
std::string describe(const TrackReport& report);
std::string describe(const StepFailure& failure);

} // namespace publish

#endif
