#include "content_cache/ContentHash.h"

#include "system_calls/FileDescriptor.h"
#include "system_calls/SystemError.h"

#include <cstdio>
#include <fcntl.h>
#include <memory>
#include <vector>
#include <xxhash.h>

namespace publish {

namespace {

const size_t ReadChunk = 1 << 18;

ContentHash fromDigest(XXH128_hash_t digest) { return {digest.high64, digest.low64}; }

struct StateRelease {
    void operator()(XXH3_state_t* state) const { XXH3_freeState(state); }
};

} // namespace

std::string ContentHash::hex() const {
    char text[33];
    std::snprintf(text, sizeof text, "%016llx%016llx", static_cast<unsigned long long>(high),
                  static_cast<unsigned long long>(low));
    return text;
}

ContentHash hashBytes(std::string_view bytes) { return fromDigest(XXH3_128bits(bytes.data(), bytes.size())); }

std::error_code hashFile(const std::filesystem::path& path, ContentHash& hash) {
    FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (!file.valid())
        return lastSystemError();
    std::unique_ptr<XXH3_state_t, StateRelease> state(XXH3_createState());
    if (!state || XXH3_128bits_reset(state.get()) != XXH_OK)
        return std::make_error_code(std::errc::not_enough_memory);
    std::vector<char> buffer(ReadChunk);
    for (;;) {
        ssize_t got = ::read(file.get(), buffer.data(), buffer.size());
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return lastSystemError();
        if (got == 0)
            break;
        XXH3_128bits_update(state.get(), buffer.data(), static_cast<size_t>(got));
    }
    hash = fromDigest(XXH3_128bits_digest(state.get()));
    return {};
}

} // namespace publish
