#ifndef PUBLISH_SPECTRUMANALYSER_H
#define PUBLISH_SPECTRUMANALYSER_H

#include <filesystem>
#include <string>
#include <vector>

namespace publish {

// Writes the spectrum of an MP3 file as the data file the track movie
// builder reads. Tracks are built without bars when it writes nothing.
class SpectrumAnalyser {
public:
    virtual ~SpectrumAnalyser() = default;
    // False when no analysis ran.
    virtual bool run(const std::string& mp3Path, const std::filesystem::path& dataPath) = 0;
};

// The analyser library `music` (libmusic.so), loaded for each call and
// unloaded after it: first from the given folders, then through the
// ordinary library search.
class MusicLibraryAnalyser : public SpectrumAnalyser {
public:
    explicit MusicLibraryAnalyser(std::vector<std::filesystem::path> folders = {}) : folders(std::move(folders)) {}
    bool run(const std::string& mp3Path, const std::filesystem::path& dataPath) override;
    // True when the library loads and has its entry point.
    bool available() const;

private:
    using ExportFunction = int (*)(const char*, const char*);
    ExportFunction entryPoint(void* library) const;
    void* load() const;

    std::vector<std::filesystem::path> folders;
};

// For publishing without spectrum data.
class NoSpectrumAnalyser : public SpectrumAnalyser {
public:
    bool run(const std::string&, const std::filesystem::path&) override { return false; }
};

} // namespace publish

#endif
