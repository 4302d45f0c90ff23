#include "upload/FtpSite.h"
#include "upload/RemoteSite.h"
#include "upload/SftpSite.h"
#include "upload/WebDavSite.h"

namespace upload {

std::unique_ptr<RemoteSite> openRemoteSite(const RemoteAddress& address, const SiteCredentials& credentials,
                                           const SiteTrust& trust, const std::atomic<bool>& stop) {
    switch (address.protocol) {
    case Protocol::Sftp:
        return std::make_unique<SftpSite>(address, credentials, trust, stop);
    case Protocol::WebDav:
        return std::make_unique<WebDavSite>(address, credentials, trust, stop);
    case Protocol::Ftp:
    case Protocol::Ftps:
        break;
    }
    return std::make_unique<FtpSite>(address, credentials, trust, stop);
}

} // namespace upload
