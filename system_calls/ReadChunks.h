#ifndef SYSTEM_CALLS_READCHUNKS_H
#define SYSTEM_CALLS_READCHUNKS_H

#include "system_calls/SystemError.h"

#include <cstddef>
#include <string_view>
#include <system_error>
#include <unistd.h>
#include <vector>

namespace publish {

inline constexpr std::size_t ReadChunkSize = 1 << 18;

// Reads what is left of `from` to its end, handing each chunk to `take`
// (a callable taking a std::string_view and returning a std::error_code).
// The first failure ends it: the read's, or the one `take` returns.
template <typename Take>
[[nodiscard]] std::error_code readChunks(int from, Take&& take) {
    std::vector<char> buffer(ReadChunkSize);
    for (;;) {
        ssize_t got = ::read(from, buffer.data(), buffer.size());
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return lastSystemError();
        if (got == 0)
            return {};
        if (std::error_code error = take(std::string_view(buffer.data(), static_cast<std::size_t>(got))))
            return error;
    }
}

} // namespace publish

#endif
