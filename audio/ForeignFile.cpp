#include "audio/ForeignFile.h"

namespace audio {

namespace {

const char* kindName(ForeignContent content) {
    switch (content) {
    case ForeignContent::Mp4: return "an MP4 or M4A file (AAC audio or video)";
    case ForeignContent::Aac: return "an AAC (ADTS) file";
    case ForeignContent::Matroska: return "a Matroska or WebM file";
    case ForeignContent::WindowsMedia: return "a Windows Media file";
    case ForeignContent::Midi: return "a MIDI file (notes, not recorded sound)";
    case ForeignContent::Avi: return "an AVI video";
    case ForeignContent::WebP: return "a WebP picture";
    case ForeignContent::Png: return "a PNG picture";
    case ForeignContent::Jpeg: return "a JPEG picture";
    case ForeignContent::Gif: return "a GIF picture";
    case ForeignContent::Pdf: return "a PDF document";
    case ForeignContent::Zip: return "a ZIP archive";
    case ForeignContent::Gzip: return "a gzip archive";
    case ForeignContent::Rar: return "a RAR archive";
    case ForeignContent::SevenZip: return "a 7-Zip archive";
    case ForeignContent::Bzip2: return "a bzip2 archive";
    case ForeignContent::Program: return "a program";
    case ForeignContent::Text: return "text";
    default: return "binary data in which no MP3, WAV, AIFF, FLAC or Ogg audio was found";
    }
}

std::string repeatedByteText(unsigned char byte) {
    if (byte == 0)
        return "nothing but zero bytes";
    const char digits[] = "0123456789ABCDEF";
    return std::string("nothing but bytes 0x") + digits[byte >> 4] + digits[byte & 0xF];
}

} // namespace

std::string describe(const ForeignFile& foreign) {
    const std::string notSound = "not a sound file Tunemill can read: ";
    switch (foreign.content) {
    case ForeignContent::Empty: return "the file is empty";
    case ForeignContent::RepeatedByte: return notSound + "it holds " + repeatedByteText(foreign.byte);
    default: return notSound + "it is " + kindName(foreign.content);
    }
}

} // namespace audio
