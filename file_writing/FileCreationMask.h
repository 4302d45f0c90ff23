#ifndef FILE_WRITING_FILECREATIONMASK_H
#define FILE_WRITING_FILECREATIONMASK_H

#include <sys/types.h>
#include <system_error>

namespace publish {

// The process's file creation mask, read without setting it: the system
// call that returns the mask also replaces it, and for that moment every
// file another thread creates gets the wrong permissions.
[[nodiscard]] std::error_code readFileCreationMask(mode_t& mask);

} // namespace publish

#endif
