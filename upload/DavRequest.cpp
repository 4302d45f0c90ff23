#include "upload/DavRequest.h"

#include "upload/CertificateTrust.h"
#include "upload/CurlFailure.h"
#include "upload/CurlTransferLimits.h"

#include <algorithm>

namespace upload {

void prepareDavHandle(CURL* handle, const DavSession& session, const char* method, const std::string& path) {
    curl_easy_setopt(handle, CURLOPT_URL, session.address.urlWithUser(path).c_str());
    curl_easy_setopt(handle, CURLOPT_PROTOCOLS_STR, session.address.scheme.c_str());
    curl_easy_setopt(handle, CURLOPT_SHARE, session.connections);
    curl_easy_setopt(handle, CURLOPT_CUSTOMREQUEST, method);
    curl_easy_setopt(handle, CURLOPT_HTTPAUTH, static_cast<long>(CURLAUTH_BASIC));
    if (session.credentials.password)
        curl_easy_setopt(handle, CURLOPT_PASSWORD, session.credentials.password->c_str());
    if (session.credentials.netrc) {
        curl_easy_setopt(handle, CURLOPT_NETRC, static_cast<long>(CURL_NETRC_OPTIONAL));
        curl_easy_setopt(handle, CURLOPT_NETRC_FILE, session.credentials.netrc->c_str());
    }
    trustCertificates(handle, session.certificates);
    limitTransfer(handle, *session.stop);
}

// Keeps the last status line: a PUT may be answered "100 Continue" first.
std::size_t keepStatusLine(char* data, std::size_t size, std::size_t count, void* statusLine) {
    std::string_view line(data, size * count);
    if (line.starts_with("HTTP/")) {
        while (!line.empty() && (line.back() == '\n' || line.back() == '\r'))
            line.remove_suffix(1);
        *static_cast<std::string*>(statusLine) = std::string(line);
    }
    return size * count;
}

UploadFailure statusFailure(long status, const std::string& path, const std::string& statusLine) {
    UploadFailure failure;
    if (status >= 200 && status < 300)
        return failure;
    failure.problem = UploadProblem::RemoteRefused;
    if (status == 401)
        failure.problem = UploadProblem::LoginRefused;
    else if (status == 403)
        failure.problem = UploadProblem::PermissionDenied;
    else if (status == 404)
        failure.problem = UploadProblem::NotFound;
    else if (status == 507 || status == 413)
        failure.problem = UploadProblem::RemoteFull;
    failure.path = path;
    failure.remoteText = statusLine;
    return failure;
}

DavRequest::DavRequest(CURL* handle, const DavSession& session, const char* method, const std::string& remotePath)
    : easy(handle), stop(*session.stop), path(remotePath) {
    curl_easy_reset(easy);
    prepareDavHandle(easy, session, method, remotePath);
    curl_easy_setopt(easy, CURLOPT_ERRORBUFFER, errorText);
    receiveInto(easy, reply);
    curl_easy_setopt(easy, CURLOPT_HEADERFUNCTION, &keepStatusLine);
    curl_easy_setopt(easy, CURLOPT_HEADERDATA, &statusLine);
}

void DavRequest::addHeader(const std::string& line) {
    headerLines.push_back(line);
    headers = curlList(headerLines);
    curl_easy_setopt(easy, CURLOPT_HTTPHEADER, headers.get());
}

void DavRequest::sendBytes(std::string_view body) {
    bytes = std::string(body);
    curl_easy_setopt(easy, CURLOPT_UPLOAD, 1L);
    curl_easy_setopt(easy, CURLOPT_INFILESIZE_LARGE, static_cast<curl_off_t>(bytes.size()));
    curl_easy_setopt(easy, CURLOPT_READFUNCTION, &takeFromStringView);
    curl_easy_setopt(easy, CURLOPT_READDATA, &unsent);
}

UploadFailure DavRequest::perform() {
    return withOneRetry(stop, [this] {
        reply.clear();
        statusLine.clear();
        unsent = bytes;
        errorText[0] = '\0';
        CURLcode code = curl_easy_perform(easy);
        if (code == CURLE_OK)
            return RequestTry{code, statusFailure(status(), path, statusLine)};
        return RequestTry{code, curlFailure(easy, code, errorText, path)};
    });
}

long DavRequest::status() const {
    long code = 0;
    curl_easy_getinfo(easy, CURLINFO_RESPONSE_CODE, &code);
    return code;
}

} // namespace upload
