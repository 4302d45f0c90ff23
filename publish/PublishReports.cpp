#include "publish/PublishReports.h"

#include "player_contract/TrackLength.h"

namespace publish {

namespace {

const char* const NoSoundText = "no sound to publish";
const char* const OutOfMemoryText = "not enough memory to build its movie";
const char* const CancelledText = "cancelled";

// The new player is built beside the folder it replaces: only so can it take
// the folder's place in one step.
std::string stagingSentence(const StepFailure& failure) {
    std::string target = failure.target.string();
    if (failure.source.empty()) {
        std::string folder = failure.target.parent_path().string();
        return "Cannot publish into " + target + ": the new player is built beside it in " + folder +
               " and put in its place in one step, so " + folder +
               " must be writable; make it writable, or publish into another folder.";
    }
    std::string folder = failure.source.parent_path().string();
    return "Cannot publish into " + target + ": it links to " + failure.source.string() +
           ", and the new player is built beside that in " + folder + " and put in its place in one step, so " +
           folder + " must be writable; make it writable, or link " + target +
           " to a folder inside one you can write.";
}

std::string stepSentence(const StepFailure& failure) {
    std::string target = failure.target.string(), source = failure.source.string();
    switch (failure.step) {
    case PublishStep::OutputFolder: return "Cannot publish into " + target + ".";
    case PublishStep::OtherFileSystem:
        return "Cannot publish into " + target + ": " + source +
               " is a mount point or on another device, which the new player cannot carry along; unmount it or "
               "move it out of " + target + ".";
    case PublishStep::StagingFolder: return stagingSentence(failure);
    case PublishStep::TrackMovie: return "Cannot write the track movie " + target + " from " + source + ".";
    case PublishStep::UserFiles: return "Cannot keep " + source + " in the new " + target + ".";
    case PublishStep::Swap: return "Cannot put the new player in place of " + target + ".";
    case PublishStep::MusicList: return "Cannot write the playlist document " + target + ".";
    case PublishStep::PlayerOptions: return "Cannot put the player options into " + target + ".";
    case PublishStep::PlayerMovie: return "Cannot copy the player movie " + source + " to " + target + ".";
    case PublishStep::PlayerPage: return "Cannot write the web page " + target + ".";
    case PublishStep::Runtime: return "Cannot copy the player runtime from " + source + " to " + target + ".";
    case PublishStep::EmbedPage: return "Cannot write the page for framing " + target + ".";
    case PublishStep::HostSettings: return "Cannot write the web server settings " + target + ".";
    }
    return "";
}

} // namespace

std::string describe(const TrackReport& report) {
    switch (report.outcome) {
    case TrackOutcome::Published: return "published";
    case TrackOutcome::Unsupported: return "skipped, unsupported format";
    case TrackOutcome::TooLong: return "skipped, " + tooLongText();
    case TrackOutcome::CannotWrite: return "skipped, " + report.movie + " cannot be written: " + report.detail;
    case TrackOutcome::NoSound: return std::string("skipped, ") + NoSoundText;
    case TrackOutcome::OutOfMemory: return std::string("skipped, ") + OutOfMemoryText;
    case TrackOutcome::Cancelled: return CancelledText;
    }
    return "";
}

std::string describe(const StepFailure& failure) {
    std::string line = stepSentence(failure);
    if (failure.error)
        line += " (" + failure.error.message() + ")";
    return line;
}

std::string describe(const PublishResult& result) {
    if (result.failure)
        return describe(*result.failure);
    switch (result.reason) {
    case NothingPublishedReason::SettingsUnreadable:
        return "Cannot read the settings file " + result.settingsFile.string() + ". (" +
               result.settingsProblem.message() + ")";
    case NothingPublishedReason::EmptyPlaylist: return "The playlist is empty.";
    case NothingPublishedReason::NoTrack:
        return result.tracks == 1 ? "The track could not be published."
                                  : "None of the " + std::to_string(result.tracks) + " tracks could be published.";
    }
    return "";
}

std::string describe(const Notice& notice) {
    switch (notice.kind) {
    case NoticeKind::FolderBusy:
        return "Waiting for the other publish into " + notice.path.string() + " to finish";
    case NoticeKind::CacheUnusable:
        return "The cache " + notice.path.string() + " cannot be used (" + notice.why + "); publishing without it";
    case NoticeKind::NotRemoved:
        return "Cannot remove " + notice.path.string() + ", left over from an earlier publish (" + notice.why +
               "); the next publish tries again";
    case NoticeKind::SwapNotFlushed:
        return "The new player is in place in " + notice.path.string() +
               ", but the system did not confirm that it is on disk (" + notice.why + ")";
    case NoticeKind::OwnHtaccessKept:
        return "Kept your own " + notice.path.string() +
               ": Tunemill wrote none, so your host may send the runtime uncompressed and uncached";
    }
    return "";
}

} // namespace publish
