#include "audio/CachedConversion.h"

#include "audio/WorkFolder.h"
#include "input_files/InputFile.h"

#include <filesystem>
#include <optional>

namespace fs = std::filesystem;

namespace audio {

namespace {

// An MP3 in the work folder that holds the same bytes as `fetched`.
std::optional<fs::path> sameFileIn(const fs::path& folder, const fs::path& fetched, const ReuseCheck& reusable) {
    std::error_code error;
    std::uintmax_t size = fs::file_size(fetched, error);
    publish::ContentHash wanted, found;
    if (error || publish::hashFile(fetched, wanted))
        return std::nullopt;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder, error)) {
        const fs::path& file = entry.path();
        // Only files of its size are read.
        if (file != fetched && file.extension() == ".mp3" && entry.is_regular_file(error) &&
            entry.file_size(error) == size && !publish::hashFile(file, found) && found == wanted && reusable(file))
            return file;
    }
    return std::nullopt;
}

// The earlier conversion of the bytes `key` stands for, in the work folder.
std::optional<std::string> earlierConversion(const publish::PublishCache& cache, const publish::ContentHash& key,
                                             const std::string& workFolder, const std::tm& now,
                                             const ReuseCheck& reusable) {
    // Hidden, so that no folder of sound files ever takes it in.
    fs::path fetched = fs::path(workFolder) / ("." + key.hex() + ".mp3");
    if (!cache.fetch(publish::CacheEntryKind::Conversion, key, fetched))
        return std::nullopt;
    std::error_code error;
    if (std::optional<fs::path> same = sameFileIn(workFolder, fetched, reusable)) {
        fs::remove(fetched, error);
        return same->string();
    }
    std::string named = convertedFileName(workFolder, now);
    fs::rename(fetched, named, error);
    if (error) {
        fs::remove(fetched, error);
        return std::nullopt;
    }
    return named;
}

} // namespace

PreparedTrack convertThroughCache(const std::string& path, const TrackCheck& check, const std::string& workFolder,
                                  const std::tm& now, const publish::PublishCache* cache, const ConversionRunner& run,
                                  const ReuseCheck& reusable) {
    auto convert = [&] { return convertForPlayers(path, check, workFolder, now); };
    publish::ContentHash source;
    publish::FileDescriptor file;
    // A file that cannot be read is the converter's to refuse.
    if (!cache || workFolder.empty() || publish::openInputFile(path, file) ||
        publish::hashFile(publish::descriptorPath(file.get()), source))
        return run(convert);
    publish::ContentHash key = publish::cacheKey({publish::CacheEntryKind::Conversion, source, "", {}, ""});
    if (std::optional<std::string> earlier = earlierConversion(*cache, key, workFolder, now, reusable))
        return {*earlier, {}, {}};
    PreparedTrack ready = run(convert);
    if (!ready.path.empty())
        ready.notKept = cache->store(publish::CacheEntryKind::Conversion, key, ready.path);
    return ready;
}

} // namespace audio
