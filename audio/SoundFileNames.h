#ifndef AUDIO_SOUNDFILENAMES_H
#define AUDIO_SOUNDFILENAMES_H

#include <filesystem>

namespace audio {

// The extensions of the sound files Tunemill reads, as file dialogs offer
// them and folders are searched for them.
inline constexpr const char* SoundFileExtensions[] = {".mp3", ".wav", ".aif", ".aiff", ".aifc", ".flac",
                                                      ".ogg", ".oga", ".opus", ".raw", ".pcm"};

// True when the name ends in one of them, in any case.
bool hasSoundFileExtension(const std::filesystem::path& path);

} // namespace audio

#endif
