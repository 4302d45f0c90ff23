#include "publish/PlayerRuntime.h"

#include "file_writing/NewFile.h"
#include "output_names/OutputFileNames.h"
#include "publish/OutputDocuments.h"
#include "publish/RuntimePreloads.h"
#include "player_contract/PlayerContract.h"

namespace fs = std::filesystem;

namespace publish {

namespace {

const char* const RuntimeScriptName = "ruffle.js";

// Browsers refuse the runtime's WebAssembly and data requests on file://,
// so a page opened from disk says how to play it instead of failing.
std::string makeRuntimeScript(const std::string& firstMovie) {
    return "<script type=\"text/javascript\">\r\n"
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
           "} else {\r\n" +
           runtimeConfigLines() + runtimePreloadLines(firstMovie) +
           "  var runtime = document.createElement(\"script\");\r\n"
           "  runtime.src = \"" +
           runtimeScriptPath() +
           "\";\r\n"
           "  document.head.appendChild(runtime);\r\n"
           "}\r\n"
           "</script>\r\n";
}

bool isRuntimeFile(const fs::path& file) {
    std::string name = file.filename().string();
    if (file.extension() == ".map")
        return false;
    // The brotli and gzip copies the build made of a script or WebAssembly
    // file go with it, for hosts that send them to browsers that take them.
    if (file.extension() == BrotliSuffix || file.extension() == GzipSuffix)
        return isRuntimeFile(file.stem()) && file.stem().extension() != "";
    return name == RuntimeScriptName || file.extension() == ".wasm" || name.starts_with("LICENSE") ||
           (name.starts_with("core.ruffle.") && file.extension() == ".js");
}

} // namespace

std::string runtimeScriptPath() { return std::string(RuntimeFolderName) + "/" + RuntimeScriptName; }

std::string runtimeScript(const std::string& firstMovie) { return makeRuntimeScript(firstMovie); }

bool holdsPlayerRuntime(const fs::path& folder) {
    std::error_code error;
    return fs::is_regular_file(folder / RuntimeScriptName, error);
}

std::error_code copyPlayerRuntime(const fs::path& runtimeFolder, const fs::path& target) {
    if (!holdsPlayerRuntime(runtimeFolder))
        return std::make_error_code(std::errc::no_such_file_or_directory);
    std::error_code error;
    fs::create_directory(target, error);
    if (error)
        return error;
    for (const fs::directory_entry& entry : fs::directory_iterator(runtimeFolder, error)) {
        if (!entry.is_regular_file() || !isRuntimeFile(entry.path()))
            continue;
        if (std::error_code copied = copyToNewFile(entry.path(), target / entry.path().filename()))
            return copied;
    }
    return error;
}

std::string pageWithRuntime(const std::string& page, const std::string& firstMovie) {
    size_t head = page.find("</head>");
    if (head == std::string::npos)
        return page;
    return page.substr(0, head) + runtimeScript(firstMovie) + page.substr(head);
}

std::string playerPageWithRuntime() {
    std::string_view stored = resourceBytes("HTM", contract::PlayerPageResource);
    return stored.empty() ? std::string() : pageWithRuntime(std::string(stored), "");
}

std::error_code writePlayerPage(const fs::path& path, bool withRuntime, const std::string& firstMovie) {
    std::string_view stored = resourceBytes("HTM", contract::PlayerPageResource);
    if (stored.empty())
        return std::make_error_code(std::errc::no_such_file_or_directory);
    return writeNewFile(path, withRuntime ? pageWithRuntime(std::string(stored), firstMovie) : stored);
}

} // namespace publish
