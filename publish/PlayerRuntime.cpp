#include "publish/PlayerRuntime.h"

#include "publish/OutputDocuments.h"
#include "publish/PlayerContract.h"
#include "resources/Resources.h"

namespace fs = std::filesystem;

namespace publish {

// Browsers refuse the runtime's WebAssembly and data requests on file://,
// so a page opened from disk says how to play it instead of failing.
const char* const RuntimeFolderName = "ruffle";

const char* const RuntimeScript =
    "<script type=\"text/javascript\">\r\n"
    "if (location.protocol == \"file:\") {\r\n"
    "  document.addEventListener(\"DOMContentLoaded\", function () {\r\n"
    "    var player = document.getElementById(\"RealPlayer\");\r\n"
    "    var note = document.createElement(\"p\");\r\n"
    "    note.id = \"ServeNote\";\r\n"
    "    note.style.cssText = \"width:300px;margin:0;font:13px sans-serif\";\r\n"
    "    note.textContent = \"This player works only from a web server. Upload this folder to your web site, \" +\r\n"
    "      \"or run: tunemill-publish --serve --folder FOLDER (the folder that holds this output folder).\";\r\n"
    "    player.parentNode.replaceChild(note, player);\r\n"
    "  });\r\n"
    "} else {\r\n"
    "  var runtime = document.createElement(\"script\");\r\n"
    "  runtime.src = \"ruffle/ruffle.js\";\r\n"
    "  document.head.appendChild(runtime);\r\n"
    "}\r\n"
    "</script>\r\n";

namespace {

const char* const RuntimeScriptName = "ruffle.js";

bool isRuntimeFile(const fs::path& file) {
    std::string name = file.filename().string();
    if (file.extension() == ".map")
        return false;
    return name == RuntimeScriptName || file.extension() == ".wasm" || name.starts_with("LICENSE") ||
           (name.starts_with("core.ruffle.") && file.extension() == ".js");
}

} // namespace

bool holdsPlayerRuntime(const fs::path& folder) {
    std::error_code error;
    return fs::is_regular_file(folder / RuntimeScriptName, error);
}

bool copyPlayerRuntime(const fs::path& runtimeFolder, const fs::path& target) {
    if (!holdsPlayerRuntime(runtimeFolder))
        return false;
    std::error_code error;
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
    return page.substr(0, head) + RuntimeScript + page.substr(head);
}

std::string playerPageWithRuntime() {
    auto stored = resources::findResource("HTM", contract::PlayerPageResource);
    if (stored.empty())
        return "";
    return pageWithRuntime(std::string(reinterpret_cast<const char*>(stored.data()), stored.size()));
}

bool writePlayerPage(const fs::path& path, bool withRuntime) {
    if (!withRuntime)
        return writeResourceToFile("HTM", contract::PlayerPageResource, path);
    std::string page = playerPageWithRuntime();
    return !page.empty() && writeTextFile(path, page);
}

} // namespace publish
