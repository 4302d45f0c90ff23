#include "HttpRequests.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <strings.h>
#include <sys/socket.h>
#include <unistd.h>

namespace testing_support {

namespace {

// A server that never answers fails the test instead of hanging it.
const int WatchdogSeconds = 20;

int connectTo(const std::string& address, int port) {
    int socket = ::socket(AF_INET, SOCK_STREAM, 0);
    timeval limit{WatchdogSeconds, 0};
    setsockopt(socket, SOL_SOCKET, SO_RCVTIMEO, &limit, sizeof limit);
    sockaddr_in peer{};
    peer.sin_family = AF_INET;
    peer.sin_port = htons(static_cast<uint16_t>(port));
    inet_pton(AF_INET, address.c_str(), &peer.sin_addr);
    if (::connect(socket, reinterpret_cast<sockaddr*>(&peer), sizeof peer) != 0) {
        ::close(socket);
        return -1;
    }
    return socket;
}

} // namespace

std::string HttpResponse::header(const std::string& name) const {
    size_t at = 0;
    while ((at = headers.find("\r\n", at)) != std::string::npos) {
        at += 2;
        if (strncasecmp(headers.c_str() + at, (name + ": ").c_str(), name.size() + 2) == 0)
            return headers.substr(at + name.size() + 2, headers.find("\r\n", at) - at - name.size() - 2);
    }
    return "";
}

HttpResponse httpGet(int port, const std::string& target) {
    return httpExchange(port, "GET " + target + " HTTP/1.1\r\nHost: 127.0.0.1:" + std::to_string(port) +
                                  "\r\nConnection: close\r\n\r\n");
}

int openConnection(int port) { return connectTo("127.0.0.1", port); }

HttpResponse httpExchange(int port, const std::string& request) {
    int socket = connectTo("127.0.0.1", port);
    if (socket < 0)
        return {};
    ::send(socket, request.data(), request.size(), 0);
    return receiveResponse(socket);
}

HttpResponse receiveResponse(int socket) {
    HttpResponse response;
    std::string text;
    char buffer[65536];
    ssize_t got;
    while ((got = ::recv(socket, buffer, sizeof buffer, 0)) > 0)
        text.append(buffer, static_cast<size_t>(got));
    ::close(socket);
    size_t end = text.find("\r\n\r\n");
    if (text.rfind("HTTP/1.", 0) != 0 || end == std::string::npos)
        return response;
    response.status = std::stoi(text.substr(9, 3));
    response.headers = text.substr(0, end);
    response.body = text.substr(end + 4);
    return response;
}

bool accepts(const std::string& address, int port) {
    int socket = connectTo(address, port);
    if (socket < 0)
        return false;
    ::close(socket);
    return true;
}

} // namespace testing_support
