#ifndef TRANSFORM_FSMOVIEWRITER_H
#define TRANSFORM_FSMOVIEWRITER_H

#include "transform/FSBounds.h"
#include "transform/FSStream.h"

#include <cstdint>
#include <cstdio>
#include <memory>
#include <vector>
#include <zlib.h>

namespace transform {

class FSMovieObject;

// Writes a movie to a file tag by tag, through one deflate stream for a
// compressed movie: only the tag being written is held in memory. The frame
// count sits in the compressed part, so it is given at the start and the
// tags must match it; the length field lies before the compressed part and
// is written when the movie is finished. The file holds the same movie as
// FSMovie::encodeToFile of the same tags. Errors throw as encodeToFile's
// do; an unfinished file is left for the caller to remove.
class FSMovieWriter {
public:
    struct Layout {
        FSBounds frameSize;
        float frameRate = 0.0f;
        int frameCount = 0;
        int version = 7;
        // The zlib level for compressed movies.
        int level = Z_DEFAULT_COMPRESSION;
    };

    FSMovieWriter(const char* path, const Layout& layout);
    ~FSMovieWriter();
    FSMovieWriter(const FSMovieWriter&) = delete;
    FSMovieWriter& operator=(const FSMovieWriter&) = delete;

    void add(FSMovieObject& tag);
    // Writes the End tag, completes the compressed data and the length field
    // and closes the file.
    void finish();

private:
    void start(const char* path, const Layout& layout);
    // Ends the compression and closes the file, if open.
    void release();
    void write(const unsigned char* bytes, size_t count);
    void deflateInto(const unsigned char* bytes, size_t count, int flush);
    void writeFile(const unsigned char* bytes, size_t count);

    std::FILE* file = nullptr;
    bool compressed;
    z_stream zip{};
    bool zipOpen = false;
    std::vector<unsigned char> output;
    FSOutputStream scratch{0};
    int version;
    int declaredFrames;
    int frames = 0;
    int64_t total = 0;
};

} // namespace transform

#endif
