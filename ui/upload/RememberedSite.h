#ifndef UI_UPLOAD_REMEMBEREDSITE_H
#define UI_UPLOAD_REMEMBEREDSITE_H

#include "ui/upload/UploadSite.h"

#include <filesystem>

namespace ui {

// The last site uploaded to, with its user and never its password, in a
// file of Tunemill's own folder: the settings file belongs to the
// publishing core and keeps only what a publish reads.
std::filesystem::path rememberedSiteFile(const std::filesystem::path& ownFolder);

// An empty site when there is none yet.
UploadSite loadRememberedSite(const std::filesystem::path& file);
// False when the file could not be written.
[[nodiscard]] bool rememberSite(const std::filesystem::path& file, const UploadSite& site);

} // namespace ui

#endif
