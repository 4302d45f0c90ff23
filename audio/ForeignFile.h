#ifndef AUDIO_FOREIGNFILE_H
#define AUDIO_FOREIGNFILE_H

#include <string>

namespace audio {

// What a file that holds no sound Tunemill can read holds instead, as far
// as its first bytes tell.
enum class ForeignContent {
    Mp4, Aac, Matroska, WindowsMedia, Midi, Avi, WebP, Png, Jpeg, Gif, Pdf, Zip, Gzip, Rar, SevenZip, Bzip2, Program,
    Empty,
    RepeatedByte,  // one byte that is no printable character, over and over
    Text,
    Binary,        // none of the above, and no audio found in it
};

struct ForeignFile {
    ForeignContent content = ForeignContent::Binary;
    unsigned char byte = 0;  // for RepeatedByte
};

// In English, as the command line says it: "not a sound file Tunemill can
// read: it is text", "the file is empty".
std::string describe(const ForeignFile& foreign);

} // namespace audio

#endif
