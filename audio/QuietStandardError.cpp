#include "audio/QuietStandardError.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>

namespace audio {

QuietStandardError::QuietStandardError() {
    int nowhere = open("/dev/null", O_WRONLY | O_CLOEXEC);
    if (nowhere < 0)
        return;
    std::fflush(stderr);
    saved = fcntl(STDERR_FILENO, F_DUPFD_CLOEXEC, 0);
    if (saved >= 0)
        dup2(nowhere, STDERR_FILENO);
    close(nowhere);
}

QuietStandardError::~QuietStandardError() {
    if (saved < 0)
        return;
    std::fflush(stderr);
    dup2(saved, STDERR_FILENO);
    close(saved);
}

} // namespace audio
