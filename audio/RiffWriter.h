#ifndef AUDIO_RIFFWRITER_H
#define AUDIO_RIFFWRITER_H

#include <cstdint>
#include <cstdio>
#include <string>

namespace audio {

// One chunk being written: its header sits just before `dataStart`.
struct RiffChunk {
    char id[4] = {};
    char formType[4] = {};
    uint32_t declaredSize = 0;
    long dataStart = 0;
};

// Writes a RIFF file chunk by chunk. Writes go straight to the file (no
// buffer), so the file position always says what really reached the disk.
// Operations return 0 or the errno of the failure.
class RiffWriter {
public:
    RiffWriter() = default;
    RiffWriter(const RiffWriter&) = delete;
    RiffWriter& operator=(const RiffWriter&) = delete;
    ~RiffWriter();

    // Creates (or truncates) the file for writing.
    int open(const std::string& path);
    bool isOpen() const { return file != nullptr; }
    // Writes the chunk's header: its id and declared size, and for a
    // "RIFF" or "LIST" chunk its form type.
    int createChunk(RiffChunk& chunk);
    // Returns the bytes written; fewer than `size` on a failure.
    size_t write(const void* bytes, size_t size);
    // Leaves the chunk: writes its real size over the declared one and pads
    // an odd size with one zero byte.
    int ascend(const RiffChunk& chunk);
    int close();

private:
    int writeSizeAt(long offset, uint32_t size);

    std::FILE* file = nullptr;
};

// A chunk record for `id` (and, for a form, its type).
RiffChunk riffChunk(const char* id, uint32_t declaredSize = 0, const char* formType = nullptr);

} // namespace audio

#endif
