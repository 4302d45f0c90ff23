#ifndef AUDIO_INTAKEREFUSAL_H
#define AUDIO_INTAKEREFUSAL_H

#include "audio/ConversionProblem.h"
#include "audio/ForeignFile.h"

#include <string>
#include <utility>
#include <system_error>

namespace audio {

// Why something the user gave, or a playlist named, does not join the
// playlist. The front ends put each into words of their own.
enum class RefusalReason {
    Missing,             // a name that is no file or folder
    WebAddress,          // an address on the web: only files on this computer can be published
    OtherComputer,       // a file:// address naming another computer
    PlaylistLoop,        // a playlist already followed
    PlaylistTooLarge,    // a playlist longer than any playlist is
    PlaylistUnreadable,  // `error`: the playlist's kind, or the system's reason
    NoSoundFiles,        // a folder or playlist that stands for no sound file
    PathNotUtf8,         // a path the playlist cannot store
    PathHasControls,     // likewise, for its control characters
    CannotOpen,          // `error`: the file's kind, or the system's reason
    CannotRead,          // opened, but reading it failed
    NotSound,            // `foreign`: what the file holds instead
    TooLong,             // longer than a track movie holds
    NoWorkFolder,        // it needs converting, and there is no work folder
    ConversionFailed,    // `conversion`: why the converter stopped
};

// One refusal: the reason, the file as the user or the playlist named it,
// the innermost playlist that names it ("" for what the user gave), and
// the system's reason where there is one.
struct Refusal {
    Refusal(RefusalReason reason = RefusalReason::CannotOpen, std::string file = "", std::string playlist = "",
            std::error_code error = {}, ConversionProblem conversion = {}, ForeignFile foreign = {})
        : reason(reason), file(std::move(file)), playlist(std::move(playlist)), error(error),
          conversion(std::move(conversion)), foreign(foreign) {}

    RefusalReason reason;
    std::string file;
    std::string playlist;
    std::error_code error;
    ConversionProblem conversion;
    ForeignFile foreign;
};

// The refusal in English, as said after the file's name: "is missing",
// "the file cannot be opened: No such file or directory".
std::string describe(const Refusal& refusal);

} // namespace audio

#endif
