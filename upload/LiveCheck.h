#ifndef UPLOAD_LIVECHECK_H
#define UPLOAD_LIVECHECK_H

#include "upload/RemoteSite.h"
#include "upload/UploadPlan.h"

#include <atomic>
#include <cstdint>
#include <string>
#include <vector>

namespace upload {

// A file the site serves otherwise than uploaded: its status, and its
// length when the server gave one (-1 when not).
struct LiveMismatch {
    std::string path;
    long status = 0;
    std::int64_t length = -1;
    std::uint64_t expected = 0;
};

struct LiveCheck {
    std::vector<LiveMismatch> mismatches;
    // The host answered 500 with Tunemill's .htaccess there (its
    // AllowOverride forbids the file's lines), so it was removed.
    bool htaccessRemoved = false;
    // Why the site could not be asked, or the .htaccess not removed.
    UploadFailure failure;
};

// Asks the site at `siteUrl`, the remote folder's web address, for the
// player's page, its playlist and every file `plan` sent, as a visitor's
// browser would, and compares status and length with what went up.
LiveCheck checkLiveSite(const std::string& siteUrl, const UploadPlan& plan, RemoteSite& site, const SiteTrust& trust,
                        const std::atomic<bool>& stop);

} // namespace upload

#endif
