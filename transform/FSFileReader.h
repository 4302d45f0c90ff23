#ifndef TRANSFORM_FSFILEREADER_H
#define TRANSFORM_FSFILEREADER_H

#include "transform/FSBytes.h"

namespace transform {

// Beyond the four statuses of old, running out of memory has its own, so
// that it is never taken for a fault of the file.
enum FSLoadStatus { FSLoaded = 0, FSCannotOpen = 1, FSCannotRead = 2, FSUnsupported = 3, FSOutOfMemory = 4 };

// Reads a whole file ("rb"). Files too large for an int size cannot be read.
int readWholeFile(const char* path, FSBytes& bytes);

} // namespace transform

#endif
