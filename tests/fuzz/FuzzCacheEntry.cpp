// libFuzzer target: a cache entry file, however damaged, is fetched only when
// its header's length and hash match its payload; otherwise nothing is left
// behind. The same bytes as a cache size either are refused or give a size
// that reads back the same when written out in bytes.

#include "publish/ContentHash.h"
#include "publish/PublishCache.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

const publish::CacheEntryKind Kind = publish::CacheEntryKind::TrackMovie;
const publish::ContentHash Key{0x0123456789abcdefULL, 0xfedcba9876543210ULL};
const size_t HeaderSize = 32;
const std::string_view Magic = "TMCACHE1";
// parseCacheSize reads at most this many digits.
const std::uintmax_t LargestPlainSize = 999999999999999ULL;

const publish::PublishCache& cache() {
    static const publish::PublishCache made = [] {
        fs::path folder = fs::temp_directory_path() / ("fuzz-cache-entry-" + std::to_string(getpid()));
        fs::create_directories(folder / "movies");
        return publish::PublishCache(folder, publish::PublishCache::DefaultLimit);
    }();
    return made;
}

void check(bool condition) {
    if (!condition)
        __builtin_trap();
}

std::uint64_t headerField(std::string_view entry, size_t offset) {
    std::uint64_t value;
    std::memcpy(&value, entry.data() + offset, sizeof value);
    return value;
}

// The rule an entry is whole by, stated apart from the cache's own reading.
bool isWholeEntry(std::string_view entry) {
    if (entry.size() < HeaderSize || entry.substr(0, Magic.size()) != Magic)
        return false;
    std::string_view payload = entry.substr(HeaderSize);
    publish::ContentHash hash = publish::hashBytes(payload);
    return headerField(entry, 8) == payload.size() && headerField(entry, 16) == hash.high &&
           headerField(entry, 24) == hash.low;
}

std::string contents(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void checkFetch(std::string_view entry) {
    fs::path entryFile = cache().entryPath(Kind, Key);
    {
        std::ofstream out(entryFile, std::ios::binary | std::ios::trunc);
        out.write(entry.data(), static_cast<std::streamsize>(entry.size()));
    }
    fs::path target = cache().folder() / "fetched";
    fs::remove(target);
    bool fetched = cache().fetch(Kind, Key, target);
    check(fetched == isWholeEntry(entry));
    if (fetched)
        check(contents(target) == entry.substr(HeaderSize) && fs::exists(entryFile));
    else
        check(!fs::exists(target) && !fs::exists(entryFile));
}

void checkCacheSize(const std::string& text) {
    std::optional<std::uintmax_t> size = publish::parseCacheSize(text);
    if (!size)
        return;
    std::optional<std::uintmax_t> again = publish::parseCacheSize(std::to_string(*size));
    if (*size <= LargestPlainSize)
        check(again == size);
    else
        check(!again);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    checkFetch(bytes);
    checkCacheSize(std::string(bytes));
    return 0;
}
