#ifndef UPLOAD_SSHHOSTKEYCHECK_H
#define UPLOAD_SSHHOSTKEYCHECK_H

#include "upload/RemoteSite.h"
#include "upload/UploadFailure.h"

#include <curl/curl.h>

#include <string>

namespace upload {

// Checks an SFTP server's key against the user's known_hosts on every
// connection of a site. libcurl writes an accepted key without its port,
// where ssh would never find it, so the line is written here, as OpenSSH
// writes it.
class SshHostKeyCheck {
public:
    SshHostKeyCheck(const SiteTrust& trust, std::string host, int port);

    // Makes the handle's connections ask this check about the server's key.
    void install(CURL* handle);
    // Why the last refusal happened, when the key was the reason: an
    // unknown or a changed key. A failure without a problem otherwise.
    const UploadFailure& refusal() const { return refused; }

private:
    static int answer(CURL*, const curl_khkey* known, const curl_khkey* found, curl_khmatch match, void* check);
    curl_khstat judge(const curl_khkey* known, const std::string& blob, curl_khmatch match);
    curl_khstat acceptNew(const std::string& blob, const std::string& fingerprint);

    SiteTrust trust;
    std::string host;
    int port;
    std::string acceptedBlob;
    UploadFailure refused;
};

} // namespace upload

#endif
