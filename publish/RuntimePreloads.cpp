#include "publish/RuntimePreloads.h"

#include "player_contract/PlayerContract.h"
#include "output_names/OutputFileNames.h"
#include "publish/PlayerRuntime.h"

namespace publish {

namespace {

// The runtime ships two builds, one for browsers whose WebAssembly has the
// extensions it tests for and one without; each is a core script and a
// WebAssembly file, named by their hashes. Another version of the runtime
// names other files: the browser tests then see files fetched twice.
struct RuntimeBuild {
    const char* coreScript;
    const char* webAssembly;
};
const RuntimeBuild WithExtensions = {"core.ruffle.c80159b526e567babaf5.js", "826bb0938097485a2c9d.wasm"};
const RuntimeBuild Vanilla = {"core.ruffle.f000070ea72f8ae4fe3a.js", "72a20ef1c0b8ceb37720.wasm"};

// The modules the runtime validates to choose its build, in its order:
// bulk memory, SIMD, saturating float-to-int, sign extension, reference
// types. All valid: the build with extensions.
const char* const ExtensionTests =
    "[[0,97,115,109,1,0,0,0,1,4,1,96,0,0,3,2,1,0,5,3,1,0,1,10,14,1,12,0,65,0,65,0,65,0,252,10,0,0,11],"
    "[0,97,115,109,1,0,0,0,1,5,1,96,0,1,123,3,2,1,0,10,10,1,8,0,65,0,253,15,253,98,11],"
    "[0,97,115,109,1,0,0,0,1,4,1,96,0,0,3,2,1,0,10,12,1,10,0,67,0,0,0,0,252,0,26,11],"
    "[0,97,115,109,1,0,0,0,1,4,1,96,0,0,3,2,1,0,10,8,1,6,0,65,0,192,26,11],"
    "[0,97,115,109,1,0,0,0,1,4,1,96,0,0,3,2,1,0,10,7,1,5,0,208,112,26,11]]";

std::string quoted(const std::string& text) { return "\"" + text + "\""; }

std::string inRuntimeFolder(const char* file) { return std::string(RuntimeFolderName) + "/" + file; }

} // namespace

std::string runtimePreloadLines(const std::string& firstMovie) {
    std::string files = quoted(contract::PlayerMovieFileName) + ", " + quoted(contract::MusicListFileName);
    if (!firstMovie.empty())
        files += ", " + quoted(firstMovie);
    return "  var preload = function (file, kind) {\r\n"
           "    var link = document.createElement(\"link\");\r\n"
           "    link.rel = \"preload\";\r\n"
           "    link.as = kind;\r\n"
           "    if (kind == \"fetch\") link.crossOrigin = \"anonymous\";\r\n"
           "    link.href = file;\r\n"
           "    document.head.appendChild(link);\r\n"
           "  };\r\n"
           "  var extended = " + std::string(ExtensionTests) +
           ".every(function (module) {\r\n"
           "    return WebAssembly.validate(new Uint8Array(module));\r\n"
           "  });\r\n"
           "  preload(\"" + runtimeScriptPath() + "\", \"script\");\r\n"
           "  preload(extended ? " + quoted(inRuntimeFolder(WithExtensions.coreScript)) + " : " +
           quoted(inRuntimeFolder(Vanilla.coreScript)) + ", \"script\");\r\n"
           "  preload(extended ? " + quoted(inRuntimeFolder(WithExtensions.webAssembly)) + " : " +
           quoted(inRuntimeFolder(Vanilla.webAssembly)) + ", \"fetch\");\r\n"
           "  [" + files + "].forEach(function (file) { preload(file, \"fetch\"); });\r\n";
}

std::string runtimeConfigLines() {
    return "  window.RufflePlayer = window.RufflePlayer || {};\r\n"
           "  window.RufflePlayer.config = { splashScreen: false, autoplay: \"on\", unmuteOverlay: \"hidden\",\r\n"
           "    preferredRenderer: \"canvas\" };\r\n";
}

} // namespace publish
