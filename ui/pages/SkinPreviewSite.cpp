#include "ui/pages/SkinPreviewSite.h"

#include "file_writing/AtomicFile.h"
#include "publish/OutputDocuments.h"
#include "player_contract/PlayerContract.h"
#include "output_names/OutputFileNames.h"
#include "publish/PlayerRuntime.h"

namespace ui {

const char* const SkinPreviewSite::PageName = "preview.htm";
namespace {

// The user's first track, as the playlist names it: a folder of its own
// keeps it apart from the skins' own movies.
std::string trackMovieName() { return "track/" + publish::trackMovieName(1); }

// Plays the movie named after "?" at the stage's own size, without the
// runtime's splash and unmute overlay.
std::string previewPage() {
    return R"(<!DOCTYPE html>
<html><head><meta charset="utf-8"><script src=")" +
           publish::runtimeScriptPath() + R"("></script>
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
}

} // namespace

SkinPreviewSite::SkinPreviewSite(const std::filesystem::path& players, const std::filesystem::path& runtimeFolder)
    : playersFolder(players), server(players) {
    server.mount(publish::RuntimeFolderName, runtimeFolder);
}

bool SkinPreviewSite::start() {
    std::error_code ignored;
    std::filesystem::create_directories(trackMovie().parent_path(), ignored);
    return !publish::replaceFileAtomically(playersFolder / PageName, previewPage()) && server.start();
}

bool SkinPreviewSite::writePlaylist(const std::string& title, bool withTrack, const publish::PlayerOptions& options) {
    std::filesystem::path list = playersFolder / publish::contract::MusicListFileName;
    std::string items = withTrack ? publish::musicListItem(trackMovieName()) : "";
    return !publish::replaceFileAtomically(list, publish::musicListText(title, items)) &&
           !publish::mergePlayerOptions(list, options);
}

std::filesystem::path SkinPreviewSite::trackMovie() const { return playersFolder / trackMovieName(); }

std::string SkinPreviewSite::addressOf(const std::string& fileName) const {
    return server.address(std::string(PageName) + "?" + fileName);
}

} // namespace ui
