#ifndef AUDIO_INPUTTAGS_H
#define AUDIO_INPUTTAGS_H

#include <taglib/fileref.h>
#include <taglib/tiostream.h>

#include <memory>
#include <string>

namespace audio {

// TagLib's view of a file the user gave, read through a descriptor checked
// to be a regular file, never by the file's name. Only a file that the
// track check takes for sound is handed to TagLib at all: it looks through
// the whole of any other for an MPEG frame, minutes for gigabytes of junk.
class InputTags {
public:
    InputTags(const std::string& path, bool readAudioProperties);
    InputTags(const InputTags&) = delete;
    InputTags& operator=(const InputTags&) = delete;

    // Null when the file cannot be read, holds no sound, or has no tags
    // TagLib knows.
    TagLib::File* file() const { return reference.isNull() ? nullptr : reference.file(); }
    TagLib::Tag* tag() const { return reference.isNull() ? nullptr : reference.tag(); }

private:
    // Declared first, so that it outlives the file TagLib makes of it.
    std::unique_ptr<TagLib::IOStream> stream;
    TagLib::FileRef reference;
};

} // namespace audio

#endif
