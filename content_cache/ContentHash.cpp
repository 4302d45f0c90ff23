#include "content_cache/ContentHash.h"

#include "system_calls/FileDescriptor.h"
#include "system_calls/ReadChunks.h"
#include "system_calls/SystemError.h"

#include <charconv>
#include <cstdio>
#include <fcntl.h>
#include <memory>
#include <xxhash.h>

namespace publish {

namespace {

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

std::optional<ContentHash> contentHashFromHex(std::string_view text) {
    const std::size_t HalfDigits = 16;
    if (text.size() != 2 * HalfDigits || text.find_first_not_of("0123456789abcdef") != std::string_view::npos)
        return std::nullopt;
    ContentHash hash;
    std::from_chars(text.data(), text.data() + HalfDigits, hash.high, 16);
    std::from_chars(text.data() + HalfDigits, text.data() + text.size(), hash.low, 16);
    return hash;
}

ContentHash hashBytes(std::string_view bytes) { return fromDigest(XXH3_128bits(bytes.data(), bytes.size())); }

std::error_code hashFile(const std::filesystem::path& path, ContentHash& hash) {
    FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (!file.valid())
        return lastSystemError();
    std::unique_ptr<XXH3_state_t, StateRelease> state(XXH3_createState());
    if (!state || XXH3_128bits_reset(state.get()) != XXH_OK)
        return std::make_error_code(std::errc::not_enough_memory);
    std::error_code error = readChunks(file.get(), [&state](std::string_view chunk) {
        XXH3_128bits_update(state.get(), chunk.data(), chunk.size());
        return std::error_code();
    });
    if (error)
        return error;
    hash = fromDigest(XXH3_128bits_digest(state.get()));
    return {};
}

} // namespace publish
