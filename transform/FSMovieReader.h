#ifndef TRANSFORM_FSMOVIEREADER_H
#define TRANSFORM_FSMOVIEREADER_H

#include "transform/FSCodingObserver.h"
#include "transform/FSMovie.h"

#include <memory>

namespace transform {

class FSStream;

// What a movie's file header declares, beside what its tags hold.
struct FSMovieHeader {
    char signature[4] = {};
    int version = 0;
    unsigned length = 0;
    int frameCount = 0;
};

// Reads an SWF image (FWS or CWS) with the library's own decode operations;
// tags the library does not model become FSUnknownTag. Bad data throws
// FSFormatException naming what could not be read.
std::unique_ptr<FSMovie> decodeMovie(const unsigned char* bytes, int size, FSMovieHeader* header = nullptr,
                                     FSCodingObserver* observer = nullptr);
// The same for a file; a file that cannot be read throws FSFileOpenException.
std::unique_ptr<FSMovie> decodeMovieFile(const char* path, FSMovieHeader* header = nullptr);

// The tag factory: decodes the tag at the pointer as the class its code
// names. The pointer is left at the end of the tag.
FSMovieObject* decodeTag(FSStream& stream);

} // namespace transform

#endif
