#ifndef AUDIO_MISMARKEDID3TITLE_H
#define AUDIO_MISMARKEDID3TITLE_H

#include <string>

namespace TagLib {
class File;
}

namespace audio {

// TagLib reads an ID3v2 title whose frame is marked UTF-8 but whose bytes
// are not UTF-8 as empty (each string of it that is not). When the title of the ID3v2 tag at the start of
// `file` is such, its bytes as the tag holds them (several strings joined by
// a space, as TagLib joins them), for the storable-text rules to read as
// Latin-1; otherwise "".
std::string mismarkedId3Title(TagLib::File& file);

} // namespace audio

#endif
