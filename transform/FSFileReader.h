#ifndef TRANSFORM_FSFILEREADER_H
#define TRANSFORM_FSFILEREADER_H

#include <memory>

namespace transform {

enum FSLoadStatus { FSLoaded = 0, FSCannotOpen = 1, FSCannotRead = 2, FSUnsupported = 3 };

// Reads a whole file ("rb"). Files too large for an int size cannot be read.
int readWholeFile(const char* path, std::unique_ptr<unsigned char[]>& bytes, int& size);

} // namespace transform

#endif
