#include "upload/RemoteSite.h"
#include "upload/SftpSite.h"
#include "upload/WebDavSite.h"

namespace upload {

// The protocols not served yet give no site, which the callers report as
// an address they cannot upload to.
std::unique_ptr<RemoteSite> openRemoteSite(const RemoteAddress& address, const SiteCredentials& credentials,
                                           const SiteTrust& trust, const std::atomic<bool>& stop) {
    switch (address.protocol) {
    case Protocol::Sftp:
        return std::make_unique<SftpSite>(address, credentials, trust, stop);
    case Protocol::WebDav:
        return std::make_unique<WebDavSite>(address, credentials, trust, stop);
    default:
        return nullptr;
    }
}

} // namespace upload
