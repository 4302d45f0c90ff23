#ifndef AUDIO_TRACKPREPARATION_H
#define AUDIO_TRACKPREPARATION_H

#include <ctime>
#include <string>

namespace audio {

// True when the players can stream the file as it is: an MP3 that the
// sound constructor loads, at 11025, 22050 or 44100 Hz.
bool isStreamableMp3(const std::string& path);

// True when the file starts like a WAV or AIFF file, so that it is read
// through its header rather than decoded as MP3.
bool isPcmAudioFile(const std::string& path);

// Makes a file ready for the playlist: a streamable MP3 is used as it is;
// anything else is converted to MP3 at 22050 Hz under a new time-code name
// in `workFolder`. Returns the path to add, or empty when the conversion
// failed (the converter has said why on standard error).
std::string prepareTrack(const std::string& path, const std::string& workFolder, const std::tm& now);
// The conversion alone, for callers that have already checked the file.
std::string convertForPlayers(const std::string& path, const std::string& workFolder, const std::tm& now);

} // namespace audio

#endif
