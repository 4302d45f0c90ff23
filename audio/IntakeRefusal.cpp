#include "audio/IntakeRefusal.h"

#include "input_files/InputFile.h"
#include "player_contract/TrackLength.h"

namespace audio {

std::string describe(const Refusal& refusal) {
    switch (refusal.reason) {
    case RefusalReason::Missing: return "is missing";
    case RefusalReason::WebAddress: return "is a web address; only files on this computer can be published";
    case RefusalReason::OtherComputer: return "is on another computer (" + refusal.file + ")";
    case RefusalReason::PlaylistLoop: return "is a playlist already followed (the playlists loop)";
    case RefusalReason::PlaylistTooLarge: return "is too large for a playlist";
    case RefusalReason::PlaylistUnreadable: return publish::openingProblem(refusal.error);
    case RefusalReason::NoSoundFiles: return "holds no sound files";
    case RefusalReason::PathNotUtf8: return "its path is not valid UTF-8, which the playlist cannot store";
    case RefusalReason::PathHasControls: return "its path holds control characters, which the playlist cannot store";
    case RefusalReason::CannotOpen: return "the file " + publish::openingProblem(refusal.error);
    case RefusalReason::CannotRead: return "the file cannot be read";
    case RefusalReason::NotSound: return describe(refusal.foreign);
    case RefusalReason::TooLong: return publish::tooLongText();
    case RefusalReason::NoWorkFolder: return "there is no work folder to convert it into";
    case RefusalReason::ConversionFailed: return "cannot be converted to MP3: " + describe(refusal.conversion);
    }
    return "";
}

} // namespace audio
