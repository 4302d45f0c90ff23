#ifndef TESTS_PREVIEW_HTTPREQUESTS_H
#define TESTS_PREVIEW_HTTPREQUESTS_H

#include <string>

namespace testing_support {

// What a server on 127.0.0.1:`port` answers to `target`, sent exactly as
// given (no normalising, no encoding): status code, headers, body.
struct HttpResponse {
    int status = 0;
    std::string headers;
    std::string body;
    std::string header(const std::string& name) const;
};
// GET with "Host: 127.0.0.1:`port`".
HttpResponse httpGet(int port, const std::string& target);
// Sends `request` (all of it, as given) and reads the answer until the
// server closes.
HttpResponse httpExchange(int port, const std::string& request);
// Reads the answer on `socket` until the server closes, and closes it.
HttpResponse receiveResponse(int socket);

// An open connection to 127.0.0.1:`port` (-1 when refused); the caller
// closes it. Like every connection here, a read on it gives up after 20 s.
int openConnection(int port);

// True when something accepts connections on `address`:`port`.
bool accepts(const std::string& address, int port);

} // namespace testing_support

#endif
