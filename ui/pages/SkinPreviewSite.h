#ifndef UI_PAGES_SKINPREVIEWSITE_H
#define UI_PAGES_SKINPREVIEWSITE_H

#include "preview/FolderServer.h"
#include "publish/OutputDocuments.h"

#include <filesystem>
#include <memory>
#include <string>

namespace ui {

// The unpacked skins served on loopback with a page that plays one of them
// through the bundled runtime, for the player page's preview, and a
// playlist of at most one track, the user's first.
class SkinPreviewSite {
public:
    SkinPreviewSite(const std::filesystem::path& playersFolder, const std::filesystem::path& runtimeFolder);

    // False when the page cannot be written or no port can be had.
    bool start();
    // The address that shows the skin movie `fileName` ("2.swf").
    std::string addressOf(const std::string& fileName) const;
    // The playlist the skins load, as a publish writes it: the title, the
    // track movie when there is one, and the player options.
    bool writePlaylist(const std::string& title, bool withTrack, const publish::PlayerOptions& options);
    // Where the track movie goes.
    std::filesystem::path trackMovie() const;

    static const char* const PageName;

private:
    std::filesystem::path playersFolder;
    preview::FolderServer server;
};

} // namespace ui

#endif
