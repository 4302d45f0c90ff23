#ifndef UI_UPLOAD_LIVECHECKTEXT_H
#define UI_UPLOAD_LIVECHECKTEXT_H

#include "upload/LiveCheck.h"

#include <QString>

namespace ui {

// What asking the site at `siteUrl` for the uploaded player found, in the
// user's language; empty when it served everything as uploaded.
QString liveCheckText(const upload::LiveCheck& live, const QString& siteUrl);

// Whether the site could not be asked or does not serve the player as
// uploaded: then the player is not shown as being on the site.
inline bool liveCheckFailed(const upload::LiveCheck& live) {
    return static_cast<bool>(live.failure) || !live.mismatches.empty();
}

} // namespace ui

#endif
