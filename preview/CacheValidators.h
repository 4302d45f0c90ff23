#ifndef PREVIEW_CACHEVALIDATORS_H
#define PREVIEW_CACHEVALIDATORS_H

#include <ctime>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace preview {

// What lets a browser keep a file and ask only whether it changed.

// True for a name that carries a hash of its content before its extension,
// as the runtime's do ("core.ruffle.0123456789abcdef0123.js",
// "0123456789abcdef0123.wasm"): such a file never changes under its name,
// so a browser may keep it a year without asking.
bool carriesContentHash(const std::filesystem::path& file);

// A time as HTTP writes it ("Sun, 06 Nov 1994 08:49:37 GMT"), and back;
// nothing for text that is no such date.
std::string httpDate(std::time_t time);
std::optional<std::time_t> parseHttpDate(std::string_view text);

// The entity tag of a file sent in one coding: its size and modification
// time, and the coding, so that each coding is cached on its own.
std::string entityTag(unsigned long long size, long long modifiedNanoseconds, std::string_view codingName);

// Whether the browser's copy is current: If-None-Match names `tag` (or is
// "*"); without If-None-Match, If-Modified-Since is no earlier than
// `modified`.
bool browserCopyIsCurrent(std::string_view ifNoneMatch, std::string_view ifModifiedSince, std::string_view tag,
                          std::time_t modified);

} // namespace preview

#endif
