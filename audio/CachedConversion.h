#ifndef AUDIO_CACHEDCONVERSION_H
#define AUDIO_CACHEDCONVERSION_H

#include "audio/TrackPreparation.h"
#include "content_cache/PublishCache.h"

#include <ctime>
#include <filesystem>
#include <functional>
#include <string>

namespace audio {

// How a front end runs a conversion: the command line says so first, the
// wizard runs it under its wait dialog.
using ConversionRunner = std::function<PreparedTrack(const std::function<PreparedTrack()>& convert)>;

// Converts a checked file for the players into `workFolder`, unless the same
// bytes were converted before: then the earlier MP3 in the work folder is
// used (when `reusable` says so), or the cache's copy of it is put there
// under a new time-code name.
// The playlist always names a file in the work folder, never the cache's
// entry, which may be evicted. A new conversion is kept in the cache (the
// result says why not, when it cannot be). Without a cache it converts. `run` is called only when a conversion
// really runs.
// Whether an earlier conversion in the work folder may stand for this one:
// a file beside it (its lyrics) may differ.
using ReuseCheck = std::function<bool(const std::filesystem::path& earlier)>;

PreparedTrack convertThroughCache(const std::string& path, const TrackCheck& check, const std::string& workFolder,
                                  const std::tm& now, const publish::PublishCache* cache, const ConversionRunner& run,
                                  const ReuseCheck& reusable);

} // namespace audio

#endif
