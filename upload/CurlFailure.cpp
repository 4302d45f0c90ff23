#include "upload/CurlFailure.h"

#include <string_view>

namespace upload {

namespace {

bool connected(CURL* handle) {
    curl_off_t connectTime = 0;
    return curl_easy_getinfo(handle, CURLINFO_CONNECT_TIME_T, &connectTime) == CURLE_OK && connectTime > 0;
}

// A quote command's failure carries only the server's words: SFTP's
// status texts as libcurl names them, or an FTP reply.
UploadProblem quoteProblem(std::string_view text) {
    if (text.find("ermission denied") != std::string_view::npos || text.find(" 550 ") != std::string_view::npos)
        return UploadProblem::PermissionDenied;
    if (text.find("No such file") != std::string_view::npos)
        return UploadProblem::NotFound;
    if (text.find("No space") != std::string_view::npos || text.find("quota") != std::string_view::npos)
        return UploadProblem::RemoteFull;
    return UploadProblem::RemoteRefused;
}

UploadProblem problemOf(CURL* handle, CURLcode code, std::string_view text) {
    switch (code) {
    case CURLE_COULDNT_RESOLVE_HOST:
        return UploadProblem::HostNotFound;
    case CURLE_COULDNT_CONNECT:
        return UploadProblem::CannotConnect;
    case CURLE_OPERATION_TIMEDOUT:
        return connected(handle) ? UploadProblem::ConnectionLost : UploadProblem::CannotConnect;
    case CURLE_LOGIN_DENIED:
        return UploadProblem::LoginRefused;
    case CURLE_PEER_FAILED_VERIFICATION:
    case CURLE_SSL_CACERT_BADFILE:
    case CURLE_SSL_ISSUER_ERROR:
        return UploadProblem::CertificateUntrusted;
    case CURLE_USE_SSL_FAILED:
        return UploadProblem::TlsUnavailable;
    case CURLE_REMOTE_ACCESS_DENIED:
        return UploadProblem::PermissionDenied;
    case CURLE_REMOTE_DISK_FULL:
        return UploadProblem::RemoteFull;
    case CURLE_REMOTE_FILE_NOT_FOUND:
        return UploadProblem::NotFound;
    case CURLE_ABORTED_BY_CALLBACK:
        return UploadProblem::Stopped;
    case CURLE_READ_ERROR:
        return UploadProblem::LocalFile;
    case CURLE_QUOTE_ERROR:
        return quoteProblem(text);
    case CURLE_SEND_ERROR:
    case CURLE_RECV_ERROR:
    case CURLE_GOT_NOTHING:
    case CURLE_PARTIAL_FILE:
        return UploadProblem::ConnectionLost;
    default:
        return quoteProblem(text);
    }
}

} // namespace

bool mayPassOnRetry(CURLcode code, const UploadFailure& failure) {
    bool network = failure.problem == UploadProblem::ConnectionLost || failure.problem == UploadProblem::CannotConnect;
    return network && code != CURLE_OPERATION_TIMEDOUT;
}

UploadFailure curlFailure(CURL* handle, CURLcode code, const char* errorText, const std::string& path) {
    UploadFailure failure;
    failure.remoteText = errorText && *errorText ? errorText : curl_easy_strerror(code);
    failure.problem = problemOf(handle, code, failure.remoteText);
    failure.path = path;
    return failure;
}

UploadFailure failureAfterRetry(UploadFailure first, UploadFailure retried) {
    if (first.problem == UploadProblem::ConnectionLost && retried.problem == UploadProblem::CannotConnect)
        return first;
    return retried;
}

} // namespace upload
