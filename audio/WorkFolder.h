#ifndef AUDIO_WORKFOLDER_H
#define AUDIO_WORKFOLDER_H

#include <ctime>
#include <string>

namespace audio {

// The folder of Tunemill's own inside the documents folder, and the one
// the wizard publishes into inside the folder the user picks.
inline constexpr const char* TunemillFolderName = "Tunemill";

// The folder for recordings and converted files: the documents folder plus
// the Tunemill folder, created when asked for. Empty when there is no documents
// folder or the folder cannot be made.
std::string workFolder(const std::string& documentsFolder);

// The local time now, which time codes are made from.
std::tm localTimeNow();

// "%02d%02d%02d%02d": month, day, hour and minute of `time`.
std::string timeCode(const std::tm& time);

// A new MP3 name in `folder` from the time code; when that file exists,
// "-2", "-3", … is added so that no earlier file is replaced: the number
// after the last one taken, when they are taken without gaps.
std::string convertedFileName(const std::string& folder, const std::tm& time);

} // namespace audio

#endif
