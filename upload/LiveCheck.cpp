#include "upload/LiveCheck.h"

#include "output_names/OutputFileNames.h"
#include "player_contract/PlayerContract.h"
#include "upload/CertificateTrust.h"
#include "upload/CurlFailure.h"
#include "upload/CurlHandle.h"
#include "upload/CurlTransferLimits.h"
#include "upload/PercentEncoding.h"

#include <algorithm>

namespace upload {

namespace {

constexpr long InternalServerError = 500;

// The files a visitor loads first, and every file that changed; hosts
// refuse to serve dot-files such as .htaccess.
std::vector<ManifestEntry> filesToCheck(const UploadPlan& plan) {
    std::vector<ManifestEntry> files;
    for (const ManifestEntry& entry : plan.manifest) {
        if (entry.path.starts_with('.') || entry.path.find("/.") != std::string::npos)
            continue;
        bool sent = std::any_of(plan.sends.begin(), plan.sends.end(),
                                [&entry](const PlannedSend& send) { return send.path == entry.path; });
        if (sent || entry.path == publish::contract::PlayerPageFileName ||
            entry.path == publish::contract::MusicListFileName)
            files.push_back(entry);
    }
    return files;
}

class SiteRequests {
public:
    SiteRequests(std::string siteUrl, const std::string& certificates, const std::atomic<bool>& stop)
        : base(std::move(siteUrl)), handle(newCurlEasy()), noEncoding(curlList({"Accept-Encoding: identity"})) {
        if (!base.ends_with('/'))
            base += '/';
        curl_easy_setopt(handle.get(), CURLOPT_NOBODY, 1L);
        curl_easy_setopt(handle.get(), CURLOPT_HTTPHEADER, noEncoding.get());
        curl_easy_setopt(handle.get(), CURLOPT_ERRORBUFFER, errorText);
        trustCertificates(handle.get(), certificates);
        limitTransfer(handle.get(), stop);
    }

    // The answer for one file, or why the site could not be asked.
    UploadFailure ask(const ManifestEntry& file, LiveMismatch& answer) {
        std::string url = base + percentEncoded(file.path);
        curl_easy_setopt(handle.get(), CURLOPT_URL, url.c_str());
        errorText[0] = '\0';
        if (CURLcode code = curl_easy_perform(handle.get()); code != CURLE_OK)
            return curlFailure(handle.get(), code, errorText, url);
        curl_off_t length = -1;
        curl_easy_getinfo(handle.get(), CURLINFO_RESPONSE_CODE, &answer.status);
        curl_easy_getinfo(handle.get(), CURLINFO_CONTENT_LENGTH_DOWNLOAD_T, &length);
        answer.path = file.path;
        answer.length = length;
        answer.expected = file.size;
        return {};
    }

private:
    std::string base;
    CurlEasy handle;
    CurlList noEncoding;
    char errorText[CURL_ERROR_SIZE] = {};
};

UploadFailure askAll(SiteRequests& requests, const std::vector<ManifestEntry>& files, LiveCheck& check) {
    check.mismatches.clear();
    for (const ManifestEntry& file : files) {
        LiveMismatch answer;
        if (UploadFailure failure = requests.ask(file, answer))
            return failure;
        if (answer.status != 200 || answer.length != static_cast<std::int64_t>(file.size))
            check.mismatches.push_back(answer);
    }
    return {};
}

bool refusesOurHtaccess(const LiveCheck& check, const UploadPlan& plan) {
    bool ours = std::any_of(plan.manifest.begin(), plan.manifest.end(),
                            [](const ManifestEntry& entry) { return entry.path == publish::HtaccessFileName; });
    return ours && std::any_of(check.mismatches.begin(), check.mismatches.end(),
                               [](const LiveMismatch& mismatch) { return mismatch.status == InternalServerError; });
}

} // namespace

LiveCheck checkLiveSite(const std::string& siteUrl, const UploadPlan& plan, RemoteSite& site, const SiteTrust& trust,
                        const std::atomic<bool>& stop) {
    LiveCheck check;
    std::string certificates;
    if ((check.failure = trustedCertificates(trust, certificates)))
        return check;
    SiteRequests requests(siteUrl, certificates, stop);
    std::vector<ManifestEntry> files = filesToCheck(plan);
    if ((check.failure = askAll(requests, files, check)) || !refusesOurHtaccess(check, plan))
        return check;
    if ((check.failure = site.remove(publish::HtaccessFileName)))
        return check;
    check.htaccessRemoved = true;
    check.failure = askAll(requests, files, check);
    return check;
}

} // namespace upload
