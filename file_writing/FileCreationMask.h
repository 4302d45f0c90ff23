#ifndef FILE_WRITING_FILECREATIONMASK_H
#define FILE_WRITING_FILECREATIONMASK_H

#include <sys/types.h>
#include <system_error>

namespace publish {

// The process's umask, read without setting it: umask() can only be read by
// changing it, and for that moment every file another thread creates gets
// the wrong permissions.
[[nodiscard]] std::error_code readFileCreationMask(mode_t& mask);

} // namespace publish

#endif
