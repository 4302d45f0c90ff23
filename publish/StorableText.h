#ifndef PUBLISH_STORABLETEXT_H
#define PUBLISH_STORABLETEXT_H

#include <string>
#include <string_view>

namespace publish {

// Titles go into the settings file, the playlist document and the track
// movies' strings, all UTF-8 that XML can hold: valid UTF-8 with no control
// characters other than tab (C0, DEL, C1) and no U+FFFE or U+FFFF.

// A title made storable, and what was done to it, for the front end to say.
struct StorableText {
    std::string text;
    bool readAsLatin1 = false;     // the bytes were not UTF-8
    bool controlsRemoved = false;  // characters XML cannot hold were dropped
};

StorableText storableText(std::string_view bytes);

// True when the bytes are storable as they are: a path that is not cannot
// be kept in the playlist, as changing it would name another file.
bool isStorableText(std::string_view bytes);

} // namespace publish

#endif
