#ifndef CONTENT_CACHE_PUBLISHCACHE_H
#define CONTENT_CACHE_PUBLISHCACHE_H

#include "content_cache/CacheKey.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <system_error>

namespace publish {

// Built track movies, analyses and converted files kept from one publish
// for the next, each under the hash of everything it depends on. Entries
// carry that key, their length and the hash of their bytes and are checked
// on every use, so a truncated, damaged or misplaced one (moved or copied
// to another key's name) is made again, never published. Only regular files
// are read: a FIFO in an entry's place never holds up a publish. Any number
// of processes may share the folder: an entry is written under a temporary
// name and renamed into place whole. It is bounded: trim() removes the least
// recently used entries beyond its limit.
class PublishCache {
public:
    static constexpr std::uintmax_t DefaultLimit = std::uintmax_t(2) << 30;

    PublishCache(std::filesystem::path folder, std::uintmax_t limit) : root(std::move(folder)), limit(limit) {}

    const std::filesystem::path& folder() const { return root; }

    // Whether the folder can be made; the reason when it cannot.
    [[nodiscard]] std::error_code open() const;

    // Creates `target` holding the entry's bytes: true when the entry was
    // there, whole and stored under `key`. Anything else in its place is
    // removed, and `target` with it.
    bool fetch(CacheEntryKind kind, const ContentHash& key, const std::filesystem::path& target) const;

    // Keeps a copy of `file` as the entry; the reason when it cannot.
    [[nodiscard]] std::error_code store(CacheEntryKind kind, const ContentHash& key,
                                        const std::filesystem::path& file) const;

    // Removes the least recently used entries until the rest fit the limit,
    // and what writers that died left half-written.
    void trim() const;

    // Where an entry lies.
    std::filesystem::path entryPath(CacheEntryKind kind, const ContentHash& key) const;

private:
    std::filesystem::path root;
    std::uintmax_t limit;
};

// $XDG_CACHE_HOME/tunemill, by default ~/.cache/tunemill; empty when the
// environment names neither.
std::filesystem::path defaultCacheFolder();

// "2G", "500M", "64K" or a number of bytes; nothing for anything else.
std::optional<std::uintmax_t> parseCacheSize(const std::string& text);

} // namespace publish

#endif
