#include "publish/SpectrumAnalyser.h"

#include <dlfcn.h>

namespace publish {

namespace {
const char* const LibraryName = "libmusic.so";
const char* const EntryPointName = "export";
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

bool MusicLibraryAnalyser::run(const std::string& mp3Path, const std::filesystem::path& dataPath) {
    void* library = load();
    if (library == nullptr)
        return false;
    ExportFunction analyse = entryPoint(library);
    if (analyse == nullptr) {
        dlclose(library);
        return false;
    }
    analyse(mp3Path.c_str(), dataPath.c_str());
    dlclose(library);
    return true;
}

} // namespace publish
