#ifndef TEXT_FORMATS_STORABLETEXT_H
#define TEXT_FORMATS_STORABLETEXT_H

#include <string>
#include <string_view>

namespace publish {

// Titles go into the settings file, the playlist document and the track
// movies' strings, all UTF-8 that XML can hold: valid UTF-8 with no control
// characters other than tab (C0, DEL, C1) and no U+FFFE or U+FFFF. Nor do
// they hold the bidirectional embedding, override and isolate controls
// (U+202A to U+202E, U+2066 to U+2069), which would turn a title around and
// what follows it; the marks U+200E and U+200F stay.

// A title made storable, and what was done to it, for the front end to say.
struct StorableText {
    std::string text;
    bool readAsLatin1 = false;     // the bytes were not UTF-8
    bool controlsRemoved = false;  // control characters were dropped
};

StorableText storableText(std::string_view bytes);

// True when the bytes are storable as they are: a path that is not cannot
// be kept in the playlist, as changing it would name another file.
bool isStorableText(std::string_view bytes);

} // namespace publish

#endif
