#ifndef UPLOAD_DAVREQUEST_H
#define UPLOAD_DAVREQUEST_H

#include "upload/CurlHandle.h"
#include "upload/RemoteAddress.h"
#include "upload/RemoteSite.h"
#include "upload/UploadFailure.h"

#include <atomic>
#include <string>
#include <string_view>
#include <vector>

namespace upload {

// What every request to one WebDAV folder carries.
struct DavSession {
    RemoteAddress address;
    SiteCredentials credentials;
    // The system's certificates and the private ones, when the user trusts
    // a private authority; empty for the system's store alone.
    std::string certificates;
    const std::atomic<bool>* stop = nullptr;
    // The connections the site's handles share.
    CURLSH* connections = nullptr;
};

// Sets `handle` up for `method` on `path` below the remote folder: the
// address, the login, the trust and the limits every transfer has.
void prepareDavHandle(CURL* handle, const DavSession& session, const char* method, const std::string& path);

// A header callback keeping the reply's status line in the std::string
// the data points to.
std::size_t keepStatusLine(char* data, std::size_t size, std::size_t count, void* statusLine);

// What an HTTP status other than 2xx means for `path`; `statusLine` is the
// server's.
UploadFailure statusFailure(long status, const std::string& path, const std::string& statusLine);

// One HTTP request for a path below the remote folder, and its reply, on
// a handle that keeps its connection from one request to the next.
class DavRequest {
public:
    DavRequest(CURL* handle, const DavSession& session, const char* method, const std::string& path);
    DavRequest(const DavRequest&) = delete;
    DavRequest& operator=(const DavRequest&) = delete;

    void addHeader(const std::string& line);
    void sendBytes(std::string_view bytes);

    // Runs it to the end, once more after a short pause when the network
    // failed in a way that may pass.
    [[nodiscard]] UploadFailure perform();

    long status() const;
    const std::string& statusText() const { return statusLine; }
    const std::string& body() const { return reply; }

private:

    CURL* easy;
    const std::atomic<bool>& stop;
    std::string path;
    CurlList headers;
    std::vector<std::string> headerLines;
    std::string reply;
    std::string statusLine;
    std::string bytes;
    std::string_view unsent;
    char errorText[CURL_ERROR_SIZE] = {};
};

} // namespace upload

#endif
