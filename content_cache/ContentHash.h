#ifndef CONTENT_CACHE_CONTENTHASH_H
#define CONTENT_CACHE_CONTENTHASH_H

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

namespace publish {

// A 128-bit XXH3 hash: what the publish cache names its entries by.
struct ContentHash {
    std::uint64_t high = 0;
    std::uint64_t low = 0;

    bool operator==(const ContentHash&) const = default;
    // 32 lower-case hexadecimal digits.
    std::string hex() const;
};

// The hash whose hex() is `text`; nothing for any other text, upper-case
// digits included, so that a hash read back writes out the same.
std::optional<ContentHash> contentHashFromHex(std::string_view text);

ContentHash hashBytes(std::string_view bytes);

// The hash of the file's bytes, read piece by piece.
[[nodiscard]] std::error_code hashFile(const std::filesystem::path& path, ContentHash& hash);

} // namespace publish

#endif
