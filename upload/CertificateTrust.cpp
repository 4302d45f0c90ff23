#include "upload/CertificateTrust.h"

#include "input_files/InputFile.h"
#include "upload/CurlHandle.h"

namespace upload {

namespace {

// Debian's bundle is about 200 KB; anything near this is no bundle.
constexpr std::uintmax_t LargestCertificateFile = 16 << 20;
constexpr const char* DebianBundle = "/etc/ssl/certs/ca-certificates.crt";

UploadFailure unreadable(const std::string& file, std::error_code error) {
    UploadFailure failure;
    failure.problem = UploadProblem::LocalFile;
    failure.path = file;
    failure.system = error;
    return failure;
}

std::string systemBundle() {
    char* path = nullptr;
    CurlEasy probe = newCurlEasy();
    curl_easy_getinfo(probe.get(), CURLINFO_CAINFO, &path);
    return path && *path ? path : DebianBundle;
}

} // namespace

UploadFailure trustedCertificates(const SiteTrust& trust, std::string& bundle) {
    bundle.clear();
    if (!trust.caFile)
        return {};
    std::string system = systemBundle(), own;
    if (std::error_code error = publish::readInputFile(system, LargestCertificateFile, bundle))
        return unreadable(system, error);
    if (std::error_code error = publish::readInputFile(*trust.caFile, LargestCertificateFile, own))
        return unreadable(trust.caFile->string(), error);
    bundle += "\n" + own;
    return {};
}

void trustCertificates(CURL* handle, const std::string& bundle) {
    if (bundle.empty())
        return;
    curl_blob blob{const_cast<char*>(bundle.data()), bundle.size(), CURL_BLOB_COPY};
    curl_easy_setopt(handle, CURLOPT_CAINFO_BLOB, &blob);
}

} // namespace upload
