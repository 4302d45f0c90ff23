#include "publish/PlayerRuntime.h"

#include "publish/OutputDocuments.h"
#include "resources/Resources.h"

namespace fs = std::filesystem;

namespace publish {

const char* const RuntimeScriptLine = "<script src=\"ruffle/ruffle.js\"></script>\r\n";

namespace {

bool isRuntimeFile(const fs::path& file) {
    std::string name = file.filename().string();
    if (file.extension() == ".map")
        return false;
    return name == "ruffle.js" || file.extension() == ".wasm" || name.starts_with("LICENSE") ||
           (name.starts_with("core.ruffle.") && file.extension() == ".js");
}

} // namespace

bool copyPlayerRuntime(const fs::path& runtimeFolder, const fs::path& target) {
    std::error_code error;
    if (!fs::is_regular_file(runtimeFolder / "ruffle.js", error))
        return false;
    fs::create_directories(target, error);
    if (error)
        return false;
    for (const fs::directory_entry& entry : fs::directory_iterator(runtimeFolder, error)) {
        if (!entry.is_regular_file() || !isRuntimeFile(entry.path()))
            continue;
        fs::copy_file(entry.path(), target / entry.path().filename(), fs::copy_options::overwrite_existing, error);
        if (error)
            return false;
    }
    return !error;
}

std::string pageWithRuntime(const std::string& page) {
    size_t head = page.find("</head>");
    if (head == std::string::npos)
        return page;
    return page.substr(0, head) + RuntimeScriptLine + page.substr(head);
}

bool writePlayerPage(const fs::path& path, bool withRuntime) {
    if (!withRuntime)
        return writeResourceToFile("HTM", 216, path);
    auto stored = resources::findResource("HTM", 216);
    if (stored.empty())
        return false;
    std::string page(reinterpret_cast<const char*>(stored.data()), stored.size());
    return writeTextFile(path, pageWithRuntime(page));
}

} // namespace publish
