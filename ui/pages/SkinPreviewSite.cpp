#include "ui/pages/SkinPreviewSite.h"

#include "publish/OutputDocuments.h"
#include "publish/PlayerContract.h"
#include "publish/PlayerRuntime.h"

namespace ui {

const char* const SkinPreviewSite::PageName = "preview.htm";

namespace {

// Plays the movie named after "?" at the stage's own size, without the
// runtime's splash and unmute overlay.
const char* const PreviewPage = R"(<!DOCTYPE html>
<html><head><meta charset="utf-8"><script src="ruffle/ruffle.js"></script>
<style>html, body { margin: 0; background: #ffffff; overflow: hidden; }</style></head>
<body><div id="stage"></div><script>
window.addEventListener('load', function () {
  var player = window.RufflePlayer.newest().createPlayer();
  player.id = 'skin';
  player.style.width = '300px';
  player.style.height = '60px';
  document.getElementById('stage').appendChild(player);
  player.load({ url: location.search.substring(1), autoplay: 'on', unmuteOverlay: 'hidden',
                splashScreen: false, preferredRenderer: 'canvas', logLevel: 'error' });
});
</script></body></html>
)";

} // namespace

SkinPreviewSite::SkinPreviewSite(const std::filesystem::path& players, const std::filesystem::path& runtimeFolder)
    : playersFolder(players), server(players) {
    server.mount(publish::RuntimeFolderName, runtimeFolder);
}

bool SkinPreviewSite::start() {
    namespace contract = publish::contract;
    bool written = publish::writeTextFile(playersFolder / PageName, PreviewPage) &&
                   publish::writeTextFile(playersFolder / contract::MusicListFileName,
                                          publish::musicListText("Tunemill Player", ""));
    return written && server.start();
}

std::string SkinPreviewSite::addressOf(const std::string& fileName) const {
    return server.address(std::string(PageName) + "?" + fileName);
}

} // namespace ui
