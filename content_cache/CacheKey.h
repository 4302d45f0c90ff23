#ifndef CONTENT_CACHE_CACHEKEY_H
#define CONTENT_CACHE_CACHEKEY_H

#include "content_cache/ContentHash.h"

#include <string>

namespace publish {

// The kinds of result the publish cache keeps.
enum class CacheEntryKind { TrackMovie, Analysis, Conversion };

// Which spectrum analyser made the bars: a track's analysis and movie
// depend on it.
struct AnalyserIdentity {
    bool found = false;
    ContentHash library;  // the hash of the analyser library's file

    bool operator==(const AnalyserIdentity&) const = default;
};

// Everything a cached result depends on besides the program's own version
// (which every key holds). A field the result does not depend on stays
// empty: an analysis has no title, so a retitled track reuses it. A new
// input of a result becomes a field here and a line in cacheKey, nowhere
// else.
struct CacheKeyParts {
    CacheEntryKind kind = CacheEntryKind::TrackMovie;
    ContentHash source;         // the sound file's bytes, never its name or time
    std::string title;          // track movies
    AnalyserIdentity analyser;  // track movies and analyses
    std::string lyrics;         // track movies: the LRC text they were built with
};

ContentHash cacheKey(const CacheKeyParts& parts);

} // namespace publish

#endif
