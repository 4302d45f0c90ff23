#include "upload/SshHostKeyCheck.h"

#include "upload/Base64.h"
#include "upload/SshHostKey.h"

#include <cstring>

namespace upload {

namespace {

// libcurl hands a key over raw, or as base64 when `len` is 0.
std::string blobOf(const curl_khkey& key) {
    if (key.len > 0)
        return std::string(key.key, key.len);
    return base64Decoded(key.key).value_or(std::string());
}

} // namespace

SshHostKeyCheck::SshHostKeyCheck(const SiteTrust& trust, std::string host, int port)
    : trust(trust), host(std::move(host)), port(port) {}

void SshHostKeyCheck::install(CURL* handle) {
    curl_easy_setopt(handle, CURLOPT_SSH_KNOWNHOSTS, trust.knownHosts.c_str());
    curl_easy_setopt(handle, CURLOPT_SSH_KEYFUNCTION, &SshHostKeyCheck::answer);
    curl_easy_setopt(handle, CURLOPT_SSH_KEYDATA, this);
}

int SshHostKeyCheck::answer(CURL*, const curl_khkey* known, const curl_khkey* found, curl_khmatch match,
                            void* check) {
    return static_cast<SshHostKeyCheck*>(check)->judge(known, blobOf(*found), match);
}

curl_khstat SshHostKeyCheck::judge(const curl_khkey* known, const std::string& blob, curl_khmatch match) {
    if (match == CURLKHMATCH_OK || (!acceptedBlob.empty() && blob == acceptedBlob))
        return CURLKHSTAT_FINE;
    std::string fingerprint = hostKeyFingerprint(blob);
    if (match == CURLKHMATCH_MISSING && !trust.acceptHostKey.empty() && trust.acceptHostKey == fingerprint)
        return acceptNew(blob, fingerprint);
    refused = {};
    refused.fingerprint = fingerprint;
    refused.problem = match == CURLKHMATCH_MISMATCH ? UploadProblem::HostKeyChanged : UploadProblem::HostKeyUnknown;
    if (match == CURLKHMATCH_MISMATCH && known)
        refused.knownFingerprint = hostKeyFingerprint(blobOf(*known));
    return CURLKHSTAT_REJECT;
}

curl_khstat SshHostKeyCheck::acceptNew(const std::string& blob, const std::string& fingerprint) {
    std::string line = knownHostsLine(host, port, blob);
    std::error_code failed = line.empty() ? std::make_error_code(std::errc::invalid_argument)
                                          : appendKnownHost(trust.knownHosts, line);
    if (failed) {
        refused = {};
        refused.problem = UploadProblem::LocalFile;
        refused.path = trust.knownHosts.string();
        refused.system = failed;
        refused.fingerprint = fingerprint;
        return CURLKHSTAT_REJECT;
    }
    acceptedBlob = blob;
    return CURLKHSTAT_FINE;
}

} // namespace upload
