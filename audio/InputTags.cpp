#include "audio/InputTags.h"

#include "audio/AudioFileInspection.h"
#include "input_files/InputFile.h"

#include <taglib/tfilestream.h>

#include <fcntl.h>

namespace audio {

namespace {

// A stream on an open descriptor that answers to the file's own name,
// which TagLib tells the file's type by.
class NamedDescriptorStream : public TagLib::FileStream {
public:
    NamedDescriptorStream(int descriptor, std::string name)
        : TagLib::FileStream(descriptor, true), shownName(std::move(name)) {}
    TagLib::FileName name() const override { return shownName.c_str(); }

private:
    std::string shownName;
};

bool holdsSound(int descriptor, const std::string& path) {
    AudioFileKind kind = inspectAudioFile(descriptor, path).kind;
    return kind != AudioFileKind::Foreign && kind != AudioFileKind::Unreadable;
}

} // namespace

InputTags::InputTags(const std::string& path, bool readAudioProperties) {
    publish::FileDescriptor file;
    if (publish::openInputFile(path, file) || !holdsSound(file.get(), path))
        return;
    // TagLib's stream closes the descriptor it is given.
    int own = ::fcntl(file.get(), F_DUPFD_CLOEXEC, 0);
    if (own < 0)
        return;
    stream = std::make_unique<NamedDescriptorStream>(own, path);
    reference = TagLib::FileRef(stream.get(), readAudioProperties);
}

} // namespace audio
