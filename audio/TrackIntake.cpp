#include "audio/TrackIntake.h"

#include "audio/TrackTitle.h"
#include "audio/WorkFolder.h"
#include "input_files/InputFile.h"
#include "text_formats/PlaylistFile.h"
#include "text_formats/StorableText.h"

namespace fs = std::filesystem;

namespace audio {

namespace {

std::optional<publish::PublishCache> openCache(const IntakeSettings& settings) {
    if (!settings.cacheFolder || settings.cacheFolder->empty())
        return std::nullopt;
    publish::PublishCache cache(*settings.cacheFolder, settings.cacheLimit);
    // One that cannot be used is the publish job's to report.
    if (cache.open())
        return std::nullopt;
    return cache;
}

// A name that is no file, read as a playlist entry would be: a web address,
// or another computer's file.
std::optional<RefusalReason> remoteLocation(const std::string& given) {
    std::error_code error;
    if (fs::exists(given, error))
        return std::nullopt;
    switch (publish::resolveLocation(given, ".").problem) {
    case publish::LocationProblem::None: return std::nullopt;
    case publish::LocationProblem::WebAddress: return RefusalReason::WebAddress;
    case publish::LocationProblem::OtherComputer: break;
    }
    return RefusalReason::OtherComputer;
}

// The lyrics written beside a conversion, "" when there are none.
std::string lyricsBeside(const fs::path& converted) {
    std::string lrc;
    if (publish::readInputFile(lyricsFileBeside(converted.string()), LargestLyricsFile, lrc))
        return "";
    return lrc;
}

std::optional<RefusalReason> unstorablePath(const std::string& path) {
    publish::StorableText stored = publish::storableText(path);
    if (stored.readAsLatin1)
        return RefusalReason::PathNotUtf8;
    if (stored.controlsRemoved)
        return RefusalReason::PathHasControls;
    return std::nullopt;
}

} // namespace

TrackIntake::TrackIntake(IntakeSettings given)
    : settings(std::move(given)), now(localTimeNow()), cache(openCache(settings)) {}

ExpandedInput TrackIntake::expand(const std::string& given, const std::string& title) const {
    if (std::optional<RefusalReason> remote = remoteLocation(given))
        return {{}, {{*remote, given, "", {}}}};
    if (!isCollection(given))
        return {{{given, title, ""}}, {}};
    ExpandedInput input = expandInput(given);
    if (input.tracks.empty())
        input.skipped.push_back({RefusalReason::NoSoundFiles, given, "", {}});
    return input;
}

TakenTrack TrackIntake::take(const InputTrack& track, const ConversionRunner& run) {
    TakenTrack taken;
    if (std::optional<RefusalReason> unstorable = unstorablePath(track.path)) {
        taken.refusal = Refusal{*unstorable, track.path, track.playlist, {}};
        return taken;
    }
    LyricsSearch lyrics = settings.lyrics ? findLyrics(track.path, lyricsFiles) : LyricsSearch{};
    // A conversion made for a file with other lyrics has those beside it.
    auto reusable = [&](const fs::path& earlier) {
        return !settings.lyrics || lyricsBeside(earlier) == (lyrics.found ? lyrics.found->lrc : "");
    };
    auto convert = [&](const std::string& path, const TrackCheck& check) {
        return convertThroughCache(path, check, settings.workFolder, now, cache ? &*cache : nullptr, run, reusable);
    };
    PreparedTrack ready = prepareTrack(track.path, convert);
    if (ready.path.empty()) {
        taken.refusal = ready.refusal;
        taken.refusal->file = track.path;
        taken.refusal->playlist = track.playlist;
        return taken;
    }
    taken.path = ready.path;
    taken.conversionNotKept = ready.notKept;
    taken.title = track.title.empty() ? titleForFile(track.path) : track.title;
    if (settings.lyrics)
        taken.lyrics = carryLyrics(std::move(lyrics), track.path, ready.path);
    return taken;
}

std::optional<Refusal> recheckTrack(const std::string& path) {
    TrackCheck check = checkTrack(path);
    if (check.need != TrackNeed::Refusal)
        return std::nullopt;
    return check.refusal;
}

} // namespace audio
