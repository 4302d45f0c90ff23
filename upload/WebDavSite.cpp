#include "upload/WebDavSite.h"

#include "upload/CertificateTrust.h"
#include "upload/CurlFailure.h"
#include "upload/DavListing.h"

namespace upload {

namespace {

constexpr std::string_view ListingRequest = R"(<?xml version="1.0" encoding="utf-8"?>
<D:propfind xmlns:D="DAV:"><D:prop><D:resourcetype/><D:getcontentlength/></D:prop></D:propfind>
)";

// Ends a PUT at an error reply, which the parallel sender would otherwise
// count as a file sent: libcurl completes a transfer whatever the status.
std::size_t refuseErrorReply(char* data, std::size_t size, std::size_t count, void* statusLine) {
    keepStatusLine(data, size, count, statusLine);
    const std::string& line = *static_cast<std::string*>(statusLine);
    std::size_t space = line.find(' ');
    bool refused = std::string_view(data, size * count).starts_with("HTTP/") && space != std::string::npos &&
                   line.compare(space + 1, 1, "1") != 0 && line.compare(space + 1, 1, "2") != 0;
    return refused ? 0 : size * count;
}

std::string asFolder(const std::string& path) { return path.empty() ? path : path + "/"; }

std::string parentFolder(const std::string& folder) {
    std::size_t slash = folder.rfind('/');
    return slash == 0 || slash == std::string::npos ? std::string("/") : folder.substr(0, slash);
}

UploadFailure makeCollection(CURL* connection, const DavSession& session, const std::string& path);

// A MKCOL found a level above missing: that level first.
UploadFailure makeParent(CURL* connection, const DavSession& session, const std::string& path,
                         const UploadFailure& refusal) {
    if (!path.empty()) {
        std::size_t slash = path.rfind('/');
        return makeCollection(connection, session, slash == std::string::npos ? std::string() : path.substr(0, slash));
    }
    if (session.address.folder == "/")
        return refusal;
    DavSession above = session;
    above.address.folder = parentFolder(session.address.folder);
    return makeCollection(connection, above, "");
}

// Makes the folder, and the levels above it that are missing.
UploadFailure makeCollection(CURL* connection, const DavSession& session, const std::string& path) {
    constexpr long Exists = 405, ParentMissing = 409;
    for (int attempt = 0;; ++attempt) {
        DavRequest request(connection, session, "MKCOL", asFolder(path));
        UploadFailure failure = request.perform();
        if (!failure || request.status() == Exists)
            return {};
        if (request.status() != ParentMissing || attempt > 0)
            return failure;
        if (UploadFailure parentFailure = makeParent(connection, session, path, failure))
            return parentFailure;
    }
}

} // namespace

WebDavSite::WebDavSite(const RemoteAddress& address, const SiteCredentials& credentials, const SiteTrust& trust,
                       const std::atomic<bool>& stop)
    : connections(newConnectionShare()), session{address, credentials, {}, &stop, connections.get()},
      connection(newCurlEasy()),
      sender([this](CURL* handle, const Transfer& transfer) { preparePut(handle, transfer); },
             [this](CURL* handle, CURLcode code, const char* errorText, const std::string& path) {
                 return explainPut(handle, code, errorText, path);
             },
             stop) {
    unusable = trustedCertificates(trust, session.certificates);
}

UploadFailure WebDavSite::list(std::vector<RemoteEntry>& entries) {
    if (unusable)
        return unusable;
    entries.clear();
    std::vector<RemoteEntry> found;
    if (UploadFailure failure = listFolder("", found))
        return failure.problem == UploadProblem::NotFound ? UploadFailure{} : failure;
    for (std::size_t i = 0; i < found.size(); ++i) {
        if (!found[i].folder)
            continue;
        std::string folder = found[i].path;
        if (UploadFailure failure = listFolder(folder, found))
            return failure;
    }
    entries = std::move(found);
    return {};
}

UploadFailure WebDavSite::listFolder(const std::string& folder, std::vector<RemoteEntry>& entries) {
    DavRequest request(connection.get(), session, "PROPFIND", asFolder(folder));
    request.addHeader("Depth: 1");
    request.addHeader("Content-Type: application/xml; charset=utf-8");
    request.sendBytes(ListingRequest);
    if (UploadFailure failure = request.perform())
        return failure;
    std::optional<std::vector<DavResource>> resources = parseDavListing(request.body());
    if (!resources) {
        UploadFailure failure;
        failure.problem = UploadProblem::RemoteRefused;
        failure.path = folder;
        failure.remoteText = request.statusText();
        return failure;
    }
    for (const DavResource& resource : *resources) {
        std::optional<std::string> path = belowFolder(resource.path);
        if (path && !path->empty() && *path != folder)
            entries.push_back({*path, resource.folder ? 0 : resource.size, resource.folder});
    }
    return {};
}

// The path below the remote folder; nothing for what lies outside it.
std::optional<std::string> WebDavSite::belowFolder(const std::string& serverPath) const {
    const std::string& root = session.address.folder;
    if (root == "/")
        return serverPath.substr(1);
    if (serverPath == root)
        return std::string();
    if (serverPath.starts_with(root + "/"))
        return serverPath.substr(root.size() + 1);
    return std::nullopt;
}

UploadFailure WebDavSite::read(const std::string& path, std::string& bytes) {
    if (unusable)
        return unusable;
    DavRequest request(connection.get(), session, "GET", path);
    if (UploadFailure failure = request.perform())
        return failure;
    bytes = request.body();
    return {};
}

UploadFailure WebDavSite::makeFolder(const std::string& path) {
    return unusable ? unusable : makeCollection(connection.get(), session, path);
}

UploadFailure WebDavSite::send(const std::vector<Transfer>& transfers, const SendProgress& progress) {
    return unusable ? unusable : sender.run(transfers, progress);
}

void WebDavSite::preparePut(CURL* handle, const Transfer& transfer) {
    prepareDavHandle(handle, session, "PUT", transfer.remote);
    std::string& statusLine = sendingStatus[handle];
    statusLine.clear();
    curl_easy_setopt(handle, CURLOPT_HEADERFUNCTION, &refuseErrorReply);
    curl_easy_setopt(handle, CURLOPT_HEADERDATA, &statusLine);
}

UploadFailure WebDavSite::explainPut(CURL* handle, CURLcode code, const char* errorText, const std::string& path) {
    long status = 0;
    curl_easy_getinfo(handle, CURLINFO_RESPONSE_CODE, &status);
    if (status >= 300)
        return statusFailure(status, path, sendingStatus[handle]);
    return curlFailure(handle, code, errorText, path);
}

UploadFailure WebDavSite::write(const std::string& path, std::string_view bytes) {
    if (unusable)
        return unusable;
    DavRequest request(connection.get(), session, "PUT", path);
    request.sendBytes(bytes);
    return request.perform();
}

UploadFailure WebDavSite::rename(const std::string& from, const std::string& to) {
    if (unusable)
        return unusable;
    DavRequest request(connection.get(), session, "MOVE", from);
    request.addHeader("Destination: " + session.address.url(to));
    request.addHeader("Overwrite: F");
    return request.perform();
}

UploadFailure WebDavSite::remove(const std::string& path) {
    if (unusable)
        return unusable;
    DavRequest request(connection.get(), session, "DELETE", path);
    return request.perform();
}

} // namespace upload
