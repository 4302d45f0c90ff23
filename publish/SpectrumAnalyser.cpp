#include "publish/SpectrumAnalyser.h"

#include <dlfcn.h>
#include <link.h>

namespace publish {

namespace {
const char* const LibraryName = "libmusic.so";
const char* const EntryPointName = "export";
const char* const StoppableEntryPointName = "export_stoppable";
} // namespace

void* MusicLibraryAnalyser::load() const {
    for (const std::filesystem::path& folder : folders) {
        std::filesystem::path candidate = folder / LibraryName;
        if (void* library = dlopen(candidate.c_str(), RTLD_NOW | RTLD_LOCAL))
            return library;
    }
    return dlopen(LibraryName, RTLD_NOW | RTLD_LOCAL);
}

MusicLibraryAnalyser::ExportFunction MusicLibraryAnalyser::entryPoint(void* library) const {
    return reinterpret_cast<ExportFunction>(dlsym(library, EntryPointName));
}

bool MusicLibraryAnalyser::available() const {
    void* library = load();
    if (library == nullptr)
        return false;
    bool found = entryPoint(library) != nullptr;
    dlclose(library);
    return found;
}

AnalyserIdentity MusicLibraryAnalyser::identity() const {
    void* library = load();
    if (library == nullptr)
        return {};
    AnalyserIdentity identity;
    link_map* loaded = nullptr;
    identity.found = entryPoint(library) != nullptr && dlinfo(library, RTLD_DI_LINKMAP, &loaded) == 0 &&
                     loaded != nullptr && !hashFile(loaded->l_name, identity.library);
    dlclose(library);
    return identity;
}

bool MusicLibraryAnalyser::run(const std::string& mp3Path, const std::filesystem::path& dataPath,
                               std::stop_token stop) {
    void* library = load();
    if (library == nullptr)
        return false;
    auto stoppable = reinterpret_cast<StoppableFunction>(dlsym(library, StoppableEntryPointName));
    ExportFunction analyse = entryPoint(library);
    if (stoppable != nullptr) {
        int stopFlag = 0;
        std::stop_callback raiseFlag(stop, [&stopFlag] { __atomic_store_n(&stopFlag, 1, __ATOMIC_RELAXED); });
        stoppable(mp3Path.c_str(), dataPath.c_str(), &stopFlag);
    } else if (analyse != nullptr) {
        analyse(mp3Path.c_str(), dataPath.c_str());
    }
    dlclose(library);
    return stoppable != nullptr || analyse != nullptr;
}

} // namespace publish
