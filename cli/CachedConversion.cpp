#include "cli/CachedConversion.h"

#include "input_files/InputFile.h"

namespace fs = std::filesystem;

namespace cli {

audio::PreparedTrack convertThroughCache(const std::string& path, const audio::TrackCheck& check,
                                         const fs::path& workFolder, const std::tm& now,
                                         const publish::PublishCache* cache, const std::function<void()>& converting) {
    publish::ContentHash source;
    publish::FileDescriptor file;
    // A file that cannot be read is the converter's to refuse.
    if (!cache || publish::openInputFile(path, file) ||
        publish::hashFile(publish::descriptorPath(file.get()), source)) {
        converting();
        return audio::convertForPlayers(path, check, workFolder.string(), now);
    }
    publish::ContentHash key = publish::cacheKey({publish::CacheEntryKind::Conversion, source, "", {}, ""});
    // Named after the key: unique among the run's files, whatever the source's name.
    fs::path cached = workFolder / (key.hex() + ".mp3");
    if (cache->fetch(publish::CacheEntryKind::Conversion, key, cached))
        return {cached.string(), ""};
    converting();
    audio::PreparedTrack ready = audio::convertForPlayers(path, check, workFolder.string(), now);
    // A cache that cannot keep it is the publish job's to report.
    if (!ready.path.empty())
        (void)cache->store(publish::CacheEntryKind::Conversion, key, ready.path);
    return ready;
}

} // namespace cli
