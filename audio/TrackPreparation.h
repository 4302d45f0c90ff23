#ifndef AUDIO_TRACKPREPARATION_H
#define AUDIO_TRACKPREPARATION_H

#include "audio/AudioFileInspection.h"
#include "audio/IntakeRefusal.h"

#include <ctime>
#include <functional>
#include <string>

namespace audio {

// The rate of every converted track: small files that all players stream.
inline constexpr int ConvertedSampleRate = 22050;

// True when the players can stream the file as it is: an MP3 that the
// sound constructor loads (it refuses the rates the players cannot stream).
bool isStreamableMp3(const std::string& path);

enum class TrackNeed { Nothing, Conversion, Refusal };

// What a file needs before it can join the playlist.
struct TrackCheck {
    TrackNeed need = TrackNeed::Refusal;
    AudioFileKind kind = AudioFileKind::Foreign;
    Refusal refusal;  // why it is refused, the file and playlist left to the caller
};
TrackCheck checkTrack(const std::string& path);

// The file to add to the playlist, or (empty) why there is none.
struct PreparedTrack {
    std::string path;
    Refusal refusal;
    // Why a cache could not keep a new conversion, which is then made again
    // next time.
    std::error_code notKept;
};

// Converts a checked file to MP3 at ConvertedSampleRate under a new
// time-code name in `workFolder`.
PreparedTrack convertForPlayers(const std::string& path, const TrackCheck& check, const std::string& workFolder,
                                const std::tm& now);

// How a front end converts a checked file: it may show that a conversion
// runs, or take an earlier one from a cache, before calling convertForPlayers.
using TrackConverter = std::function<PreparedTrack(const std::string& path, const TrackCheck& check)>;

// Makes a file ready for the playlist: a streamable MP3 is used as it is,
// other audio goes through `convert`, and anything else is refused with
// the reason. `convert` is called only when a conversion is needed.
PreparedTrack prepareTrack(const std::string& path, const TrackConverter& convert);

} // namespace audio

#endif
