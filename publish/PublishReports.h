#ifndef PUBLISH_PUBLISHREPORTS_H
#define PUBLISH_PUBLISHREPORTS_H

#include "publish/XmlDocument.h"

#include <filesystem>
#include <optional>
#include <string>
#include <system_error>

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
    std::error_code error;   // for CannotWrite: the system's reason, when a call of the system failed
};

// The steps that write the new player, each of which writes one thing, and
// the checks before them.
enum class PublishStep {
    OutputFolder, OtherFileSystem, StagingFolder, TrackMovie, MusicList, PlayerOptions, PlayerMovie, PlayerPage,
    Runtime, EmbedPage, UserFiles, HostSettings, Swap
};

// A step that failed, which ends the publish with the old player in place.
struct StepFailure {
    PublishStep step = PublishStep::MusicList;
    std::filesystem::path target;  // in the output folder, as the user knows it
    // What was copied, for the copying steps; the mount point found, for
    // OtherFileSystem; for StagingFolder, the folder a linked output folder
    // points to (empty when it is no link).
    std::filesystem::path source;
    std::error_code error;         // the system's reason, when it gave one
};

// Something worth a line that changes nothing in the result.
enum class NoticeKind {
    FolderBusy,
    CacheUnusable,
    NotRemoved,     // `path`, left of an earlier player, stays until a later publish can remove it
    SwapNotFlushed, // the new player is in place, but the disk may not have the swap yet
    OwnHtaccessKept // `path`, the user's own, stays; Tunemill wrote none
};

struct Notice {
    NoticeKind kind = NoticeKind::FolderBusy;
    std::filesystem::path path;
    std::string why;
};

// How a publish ended, for the front end to tell apart.
enum class PublishOutcome {
    AllPublished,      // every track is in the new player
    SomeSkipped,       // the new player is in place without the tracks that could not be used
    NothingPublished,  // the old player (if any) is in place, unchanged; `failure` or `reason` says why
    Cancelled          // stopped on request; the old player is in place, unchanged
};

// Why nothing was published when no step failed.
enum class NothingPublishedReason {
    SettingsUnreadable,  // `settingsFile`, for `settingsProblem`
    EmptyPlaylist,
    NoTrack,             // none of the playlist's `tracks` could be published
};

struct PublishResult {
    PublishOutcome outcome = PublishOutcome::NothingPublished;
    std::filesystem::path output;  // the output folder, as the settings name it
    int published = 0;
    int skipped = 0;
    std::optional<StepFailure> failure;  // the step that ended it, when one did
    // For NothingPublished without a failed step.
    NothingPublishedReason reason = NothingPublishedReason::NoTrack;
    std::filesystem::path settingsFile;
    XmlReadResult settingsProblem;
    int tracks = 0;
};

// One line in plain words, for a terminal.
std::string describe(const TrackReport& report);
std::string describe(const StepFailure& failure);
std::string describe(const Notice& notice);
// For NothingPublished: why, in one sentence.
std::string describe(const PublishResult& result);

} // namespace publish

#endif
