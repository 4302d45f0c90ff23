#ifndef PUBLISH_SPECTRUMANALYSER_H
#define PUBLISH_SPECTRUMANALYSER_H

#include "content_cache/CacheKey.h"

#include <filesystem>
#include <stop_token>
#include <string>
#include <vector>

namespace publish {

// Writes the spectrum of an MP3 file as the data file the track movie
// builder reads. Tracks are built without bars when it writes nothing.
// Several threads may run it at once, each with its own data file.
class SpectrumAnalyser {
public:
    virtual ~SpectrumAnalyser() = default;
    // False when no analysis ran; a stop request ends it early, writing
    // nothing.
    virtual bool run(const std::string& mp3Path, const std::filesystem::path& dataPath, std::stop_token stop) = 0;
    // What the bars depend on, for the publish cache.
    virtual AnalyserIdentity identity() const = 0;
};

// The analyser library `music` (libmusic.so), loaded for each call and
// unloaded after it: first from the given folders, then through the
// ordinary library search. Its stoppable entry point is used when it has
// one.
class MusicLibraryAnalyser : public SpectrumAnalyser {
public:
    explicit MusicLibraryAnalyser(std::vector<std::filesystem::path> folders = {}) : folders(std::move(folders)) {}
    bool run(const std::string& mp3Path, const std::filesystem::path& dataPath, std::stop_token stop) override;
    // Whether it was found, and the hash of the library's file.
    AnalyserIdentity identity() const override;
    // True when the library loads and has its entry point.
    bool available() const;

private:
    using ExportFunction = int (*)(const char*, const char*);
    using StoppableFunction = int (*)(const char*, const char*, const int*);
    ExportFunction entryPoint(void* library) const;
    void* load() const;

    std::vector<std::filesystem::path> folders;
};

// For publishing without spectrum data.
class NoSpectrumAnalyser : public SpectrumAnalyser {
public:
    bool run(const std::string&, const std::filesystem::path&, std::stop_token) override { return false; }
    AnalyserIdentity identity() const override { return {}; }
};

} // namespace publish

#endif
