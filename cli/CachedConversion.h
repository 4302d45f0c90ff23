#ifndef CLI_CACHEDCONVERSION_H
#define CLI_CACHEDCONVERSION_H

#include "audio/TrackPreparation.h"
#include "content_cache/PublishCache.h"

#include <ctime>
#include <filesystem>
#include <functional>
#include <string>

namespace cli {

// Converts a checked file for the players, taking the MP3 from the cache
// when the same bytes were converted before, and keeping a new one there.
// Without a cache it converts. `converting` is called only when a
// conversion really runs.
audio::PreparedTrack convertThroughCache(const std::string& path, const audio::TrackCheck& check,
                                         const std::filesystem::path& workFolder, const std::tm& now,
                                         const publish::PublishCache* cache, const std::function<void()>& converting);

} // namespace cli

#endif
