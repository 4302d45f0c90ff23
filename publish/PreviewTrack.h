#ifndef PUBLISH_PREVIEWTRACK_H
#define PUBLISH_PREVIEWTRACK_H

#include "publish/SpectrumAnalyser.h"
#include "publish/TrackStaging.h"

#include <filesystem>
#include <stop_token>

namespace publish {

// Builds `task` into `folder` as its track movie, replacing an earlier one,
// the way a publish with the same choices stages it: the same stager, bars
// and lyrics, and the cache in `cacheFolder` when it can be used (none when
// empty), so that a preview plays what the publish will, and the publish
// after it finds the movie made. `dataFile` must not be a publish's.
TrackResult buildPreviewTrack(const TrackTask& task, SpectrumAnalyser& analyser,
                              const std::filesystem::path& cacheFolder, const std::filesystem::path& folder,
                              const std::filesystem::path& dataFile, std::stop_token stop = {});

} // namespace publish

#endif
