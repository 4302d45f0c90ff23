#include "upload/RemoteSite.h"
#include "upload/SftpSite.h"

namespace upload {

// Only SFTP is served so far: the other protocols give no site, which the
// callers report as an address they cannot upload to.
std::unique_ptr<RemoteSite> openRemoteSite(const RemoteAddress& address, const SiteCredentials& credentials,
                                           const SiteTrust& trust, const std::atomic<bool>& stop) {
    if (address.protocol == Protocol::Sftp)
        return std::make_unique<SftpSite>(address, credentials, trust, stop);
    return nullptr;
}

} // namespace upload
