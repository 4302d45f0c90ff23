#ifndef SYSTEM_CALLS_SYSTEMERROR_H
#define SYSTEM_CALLS_SYSTEMERROR_H

#include <cerrno>
#include <system_error>

namespace publish {

// The reason the last failed system call gave, as a value.
inline std::error_code lastSystemError() { return {errno, std::generic_category()}; }

} // namespace publish

#endif
