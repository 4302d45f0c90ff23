// libFuzzer target: a cache entry file, however damaged, is fetched only when
// its header names the key it is fetched under and its length and hash match
// its payload; otherwise nothing is left behind. The first byte chooses how
// the rest becomes the entry: as it is; sealed, its header's length and hash
// made right so that only the format's name and the key can be wrong; or
// stored by the cache under the key its first 16 bytes give, then moved to
// the fetched key's name. The same bytes as a cache size either are refused
// or give a size that reads back the same when written out in bytes.

#include "content_cache/ContentHash.h"
#include "content_cache/PublishCache.h"
#include "tests/fuzz/FuzzCheck.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <unistd.h>

using fuzzing::check;

namespace fs = std::filesystem;

namespace {

const publish::CacheEntryKind Kind = publish::CacheEntryKind::TrackMovie;
const publish::ContentHash Key{0x0123456789abcdefULL, 0xfedcba9876543210ULL};
// The format's name, the key, the payload's length and its hash.
const size_t KeyAt = 8, LengthAt = 24, HashAt = 32, HeaderSize = 48;
const std::string_view Magic = "TMCACHE2";
// parseCacheSize reads at most this many digits.
const std::uintmax_t LargestPlainSize = 999999999999999ULL;

enum class Making { AsItIs, Sealed, StoredElsewhere, Count };

const publish::PublishCache& cache() {
    static const publish::PublishCache made = [] {
        fs::path folder = fs::temp_directory_path() / ("fuzz-cache-entry-" + std::to_string(getpid()));
        fs::create_directories(folder / "movies");
        return publish::PublishCache(folder, publish::PublishCache::DefaultLimit);
    }();
    return made;
}

std::uint64_t field(std::string_view bytes, size_t offset) {
    std::uint64_t value;
    std::memcpy(&value, bytes.data() + offset, sizeof value);
    return value;
}

void setField(std::string& bytes, size_t offset, std::uint64_t value) {
    std::memcpy(bytes.data() + offset, &value, sizeof value);
}

// The rule an entry is whole by, stated apart from the cache's own reading.
bool isWholeEntry(std::string_view entry) {
    if (entry.size() < HeaderSize || entry.substr(0, Magic.size()) != Magic)
        return false;
    std::string_view payload = entry.substr(HeaderSize);
    publish::ContentHash hash = publish::hashBytes(payload);
    return field(entry, KeyAt) == Key.high && field(entry, KeyAt + 8) == Key.low &&
           field(entry, LengthAt) == payload.size() && field(entry, HashAt) == hash.high &&
           field(entry, HashAt + 8) == hash.low;
}

std::string contents(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void writeFile(const fs::path& path, std::string_view bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

void seal(std::string& entry) {
    if (entry.size() < HeaderSize)
        return;
    publish::ContentHash hash = publish::hashBytes(std::string_view(entry).substr(HeaderSize));
    setField(entry, LengthAt, entry.size() - HeaderSize);
    setField(entry, HashAt, hash.high);
    setField(entry, HashAt + 8, hash.low);
}

// The cache's own entry for the payload after the first 16 bytes, stored
// under the key those bytes give and put where `Key`'s entry lies.
void storeElsewhere(std::string_view bytes, const fs::path& entryFile) {
    if (bytes.size() < 16)
        return;
    publish::ContentHash other{field(bytes, 0), field(bytes, 8)};
    fs::path payload = cache().folder() / "payload";
    writeFile(payload, bytes.substr(16));
    check(!cache().store(Kind, other, payload));
    fs::rename(cache().entryPath(Kind, other), entryFile);
    check(isWholeEntry(contents(entryFile)) == (other == Key));
}

void checkFetch(std::string_view bytes) {
    fs::path entryFile = cache().entryPath(Kind, Key);
    fs::remove(entryFile);
    Making making = Making::AsItIs;
    if (!bytes.empty()) {
        making = static_cast<Making>(static_cast<unsigned char>(bytes[0]) % int(Making::Count));
        bytes.remove_prefix(1);
    }
    std::string entry(bytes);
    if (making == Making::StoredElsewhere) {
        storeElsewhere(entry, entryFile);
    } else {
        if (making == Making::Sealed)
            seal(entry);
        writeFile(entryFile, entry);
    }
    std::string written = contents(entryFile);
    fs::path target = cache().folder() / "fetched";
    fs::remove(target);
    bool fetched = cache().fetch(Kind, Key, target);
    check(fetched == isWholeEntry(written));
    if (fetched)
        check(contents(target) == written.substr(HeaderSize) && fs::exists(entryFile));
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
