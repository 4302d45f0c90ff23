#include "content_cache/PublishCache.h"

#include "system_calls/FileDescriptor.h"
#include "input_files/InputFile.h"
#include "file_writing/FolderCreation.h"
#include "file_writing/NewFile.h"
#include "system_calls/ReadChunks.h"
#include "system_calls/SystemError.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <sys/file.h>
#include <sys/stat.h>
#include <vector>
#include <xxhash.h>

namespace fs = std::filesystem;

namespace publish {

namespace {

const char* const TemporaryPrefix = ".tmp-";
// A temporary entry this old whose writer holds no lock was left by a writer
// that died.
const auto AbandonedAfter = std::chrono::minutes(10);

// What an entry's file begins with. The format's name changes whenever
// the layout does, so that an entry of an older one is a miss.
struct EntryHeader {
    std::array<char, 8> magic = {'T', 'M', 'C', 'A', 'C', 'H', 'E', '2'};
    // The key it was stored under: an entry swapped, renamed or copied to
    // another key's name is whole, yet no entry of that key.
    ContentHash key;
    std::uint64_t length = 0;
    ContentHash payload;  // the hash of the bytes after the header
};
static_assert(sizeof(EntryHeader) == 48, "the header is read and written as it lies in memory");

const EntryHeader Expected;

const char* kindFolder(CacheEntryKind kind) {
    switch (kind) {
    case CacheEntryKind::TrackMovie: return "movies";
    case CacheEntryKind::Analysis: return "analyses";
    case CacheEntryKind::Conversion: return "conversions";
    }
    return "other";
}

struct StateRelease {
    void operator()(XXH3_state_t* state) const { XXH3_freeState(state); }
};
using HashState = std::unique_ptr<XXH3_state_t, StateRelease>;

HashState newHashState() {
    HashState state(XXH3_createState());
    if (state)
        XXH3_128bits_reset(state.get());
    return state;
}

ContentHash digestOf(XXH3_state_t* state) {
    XXH128_hash_t digest = XXH3_128bits_digest(state);
    return {digest.high64, digest.low64};
}

bool readHeader(int descriptor, const ContentHash& key, EntryHeader& header) {
    return ::read(descriptor, &header, sizeof header) == static_cast<ssize_t>(sizeof header) &&
           header.magic == Expected.magic && header.key == key;
}

void discard(const fs::path& path) {
    std::error_code ignored;
    fs::remove(path, ignored);
}

// The entry open after its header, when it is a regular file whose header
// names `key`. What is there otherwise is removed: a FIFO, device or socket
// (which refuses the open) is never waited on, nor kept to be met again.
FileDescriptor openEntry(const fs::path& path, const ContentHash& key, EntryHeader& header) {
    FileDescriptor entry;
    std::error_code error = openInputFile(path, entry);
    if (isKindRefusal(error) || (!error && !readHeader(entry.get(), key, header))) {
        discard(path);
        return {};
    }
    return entry;
}

// Copies `from` into `to` while hashing; `readFailed` tells the source's
// failures from the target's.
std::error_code copyHashing(int from, int to, XXH3_state_t* state, std::uint64_t& copied, bool& readFailed) {
    copied = 0;
    bool writeFailed = false;
    std::error_code error = readChunks(from, [&](std::string_view chunk) {
        XXH3_128bits_update(state, chunk.data(), chunk.size());
        copied += chunk.size();
        std::error_code written = writeAll(to, chunk);
        writeFailed = static_cast<bool>(written);
        return written;
    });
    readFailed = error && !writeFailed;
    return error;
}

void markUsed(int descriptor) {
    const timespec times[2] = {{0, UTIME_OMIT}, {0, UTIME_NOW}};
    ::futimens(descriptor, times);
}

bool isAbandonedTemporary(const fs::directory_entry& entry) {
    std::error_code error;
    auto age = fs::file_time_type::clock::now() - entry.last_write_time(error);
    if (error || age < AbandonedAfter)
        return false;
    FileDescriptor file;
    return !openInputFile(entry.path(), file) && ::flock(file.get(), LOCK_EX | LOCK_NB) == 0;
}

struct CachedFile {
    fs::path path;
    std::uintmax_t size;
    fs::file_time_type used;
};

} // namespace

fs::path PublishCache::entryPath(CacheEntryKind kind, const ContentHash& key) const {
    return root / kindFolder(kind) / key.hex();
}

std::error_code PublishCache::open() const {
    std::error_code error = createFolders(root);
    if (!error && ::access(root.c_str(), W_OK) != 0)
        error = lastSystemError();
    return error;
}

bool PublishCache::fetch(CacheEntryKind kind, const ContentHash& key, const fs::path& target) const {
    fs::path path = entryPath(kind, key);
    EntryHeader header;
    FileDescriptor entry = openEntry(path, key, header);
    FileDescriptor out;
    if (!entry.valid() || createNewFile(target, out))
        return false;
    HashState state = newHashState();
    std::uint64_t copied = 0;
    bool readFailed = false;
    std::error_code error = copyHashing(entry.get(), out.get(), state.get(), copied, readFailed);
    if (out.close() != 0 && !error)
        error = lastSystemError();
    bool whole = !readFailed && copied == header.length && digestOf(state.get()) == header.payload;
    if (!whole)
        discard(path);
    if (!whole || error) {
        discard(target);
        return false;
    }
    markUsed(entry.get());
    return true;
}

std::error_code PublishCache::store(CacheEntryKind kind, const ContentHash& key, const fs::path& file) const {
    fs::path path = entryPath(kind, key);
    std::error_code error = createFolders(path.parent_path());
    if (error)
        return error;
    std::string pattern = (path.parent_path() / (std::string(TemporaryPrefix) + "XXXXXX")).string();
    FileDescriptor out(::mkostemp(pattern.data(), O_CLOEXEC));
    if (!out.valid())
        return lastSystemError();
    // Held until the entry is in place, so that a trim leaves it alone.
    ::flock(out.get(), LOCK_EX);
    FileDescriptor in(::open(file.c_str(), O_RDONLY | O_CLOEXEC));
    EntryHeader header;
    header.key = key;
    HashState state = newHashState();
    bool readFailed = false;
    if (!in.valid())
        error = lastSystemError();
    else if (!(error = writeAll(out.get(), std::string_view(reinterpret_cast<const char*>(&header), sizeof header))))
        error = copyHashing(in.get(), out.get(), state.get(), header.length, readFailed);
    if (!error) {
        header.payload = digestOf(state.get());
        if (::pwrite(out.get(), &header, sizeof header, 0) != static_cast<ssize_t>(sizeof header))
            error = lastSystemError();
    }
    if (!error && ::fchmod(out.get(), 0644) != 0)
        error = lastSystemError();
    if (!error && std::rename(pattern.c_str(), path.c_str()) != 0)
        error = lastSystemError();
    if (error)
        ::unlink(pattern.c_str());
    return error;
}

void PublishCache::trim() const {
    std::vector<CachedFile> entries;
    std::uintmax_t total = 0;
    std::error_code error;
    for (CacheEntryKind kind : {CacheEntryKind::TrackMovie, CacheEntryKind::Analysis, CacheEntryKind::Conversion}) {
        for (const fs::directory_entry& entry : fs::directory_iterator(root / kindFolder(kind), error)) {
            std::error_code ignored;
            // The cache writes only regular files: anything else is in the way.
            if (entry.symlink_status(ignored).type() != fs::file_type::regular) {
                fs::remove(entry.path(), ignored);
                continue;
            }
            if (entry.path().filename().string().starts_with(TemporaryPrefix)) {
                if (isAbandonedTemporary(entry))
                    fs::remove(entry.path(), ignored);
                continue;
            }
            CachedFile cached{entry.path(), entry.file_size(ignored), entry.last_write_time(ignored)};
            total += cached.size;
            entries.push_back(cached);
        }
    }
    std::sort(entries.begin(), entries.end(),
              [](const CachedFile& a, const CachedFile& b) { return a.used < b.used; });
    for (const CachedFile& oldest : entries) {
        if (total <= limit)
            break;
        std::error_code ignored;
        if (fs::remove(oldest.path, ignored))
            total -= oldest.size;
    }
}

fs::path defaultCacheFolder() {
    if (const char* cache = std::getenv("XDG_CACHE_HOME"); cache && *cache)
        return fs::path(cache) / "tunemill";
    if (const char* home = std::getenv("HOME"); home && *home)
        return fs::path(home) / ".cache" / "tunemill";
    return {};
}

std::optional<std::uintmax_t> parseCacheSize(const std::string& text) {
    size_t end = text.find_first_not_of("0123456789");
    std::string digits = text.substr(0, end);
    std::string unit = end == std::string::npos ? "" : text.substr(end);
    if (digits.empty() || digits.size() > 15)
        return std::nullopt;
    std::uintmax_t number = std::stoull(digits);
    const std::pair<const char*, int> units[] = {{"", 0}, {"K", 10}, {"M", 20}, {"G", 30}};
    for (const auto& [name, shift] : units)
        if (unit == name && number <= (UINTMAX_MAX >> shift))
            return number << shift;
    return std::nullopt;
}

} // namespace publish
