#ifndef AUDIO_TRACKTITLE_H
#define AUDIO_TRACKTITLE_H

#include <string>

namespace audio {

// The title a new playlist entry gets: the file's tag title (ID3v2, ID3v1,
// APE or Vorbis comment) when it has one, otherwise its file name without
// the extension, whatever the extension's length. An ID3v2 title marked
// UTF-8 that is not comes as its bytes, which the storable-text rules read as
// Latin-1.
std::string titleForFile(const std::string& path);

} // namespace audio

#endif
