// libFuzzer target: any request path is mapped to a file of the served
// folders, or to none; a file found is always a regular file inside the
// folder of the mount it came through, never the one beside it or behind a
// link that leads out. The same input as a "Range" header always gives a
// part inside the file.

#include "preview/ByteRange.h"
#include "preview/RequestPath.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

struct ServedFolders {
    fs::path base = fs::temp_directory_path() / ("fuzz-request-path-" + std::to_string(getpid()));
    std::vector<preview::Mount> mounts;

    ServedFolders() {
        fs::remove_all(base);
        fs::create_directories(base / "site/ruffle");
        fs::create_directories(base / "runtime");
        for (const char* name : {"site/Player.htm", "site/a b.swf", "site/ruffle/x.js", "runtime/ruffle.js",
                                 "secret.txt"})
            std::ofstream(base / name) << name;
        fs::create_symlink(base / "secret.txt", base / "site/out.txt");
        fs::create_symlink(base / "runtime", base / "site/outfolder");
        fs::create_symlink("Player.htm", base / "site/in.htm");
        mounts = {{"/ruffle/", fs::canonical(base / "runtime")}, {"/", fs::canonical(base / "site")}};
    }
    ~ServedFolders() { fs::remove_all(base); }
};

bool inside(const fs::path& root, const fs::path& file) {
    auto [rootEnd, fileAt] = std::mismatch(root.begin(), root.end(), file.begin(), file.end());
    return rootEnd == root.end() && fileAt != file.end();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static ServedFolders folders;
    std::string_view text(reinterpret_cast<const char*>(data), size);
    std::optional<fs::path> file = preview::fileForRequest(folders.mounts, text);
    if (file) {
        std::optional<std::string> path = preview::decodedRequestPath(text);
        if (!path)
            __builtin_trap();
        const preview::Mount& mount = path->rfind("/ruffle/", 0) == 0 ? folders.mounts[0] : folders.mounts[1];
        if (!inside(mount.root, *file) || !fs::is_regular_file(*file) || file->filename() == "secret.txt")
            __builtin_trap();
    }
    for (uint64_t fileSize : {uint64_t(0), uint64_t(1), uint64_t(1000), UINT64_MAX}) {
        preview::ByteRange range = preview::chooseByteRange(text, fileSize);
        using Kind = preview::ByteRange::Kind;
        bool fits = range.kind == Kind::Whole ? range.first == 0 && range.length == fileSize
                    : range.kind == Kind::Part ? range.length > 0 && range.first <= fileSize - range.length
                                               : range.length == 0;
        if (!fits)
            __builtin_trap();
    }
    return 0;
}
