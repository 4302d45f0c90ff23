#include "tests/upload/SlowRelay.h"

#include <arpa/inet.h>
#include <chrono>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

sockaddr_in loopback(int port) {
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<std::uint16_t>(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    return address;
}

// Moves what `from` has to `to`, at most `budget` bytes; false at the end.
bool pass(int from, int to, std::size_t budget) {
    char buffer[16384];
    ssize_t got = recv(from, buffer, std::min(budget, sizeof buffer), 0);
    if (got <= 0)
        return false;
    for (ssize_t sent = 0; sent < got;) {
        ssize_t now = send(to, buffer + sent, static_cast<std::size_t>(got - sent), MSG_NOSIGNAL);
        if (now <= 0)
            return false;
        sent += now;
    }
    return true;
}

} // namespace

SlowRelay::SlowRelay(int serverPort, std::size_t bytesPerSecond) : serverPort(serverPort), bytesPerSecond(bytesPerSecond) {
    listener = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address = loopback(0);
    socklen_t length = sizeof address;
    if (bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 || ::listen(listener, 16) != 0 ||
        getsockname(listener, reinterpret_cast<sockaddr*>(&address), &length) != 0)
        return;
    listening = ntohs(address.sin_port);
    acceptor = std::thread([this] { accept(); });
}

SlowRelay::~SlowRelay() {
    stopping = true;
    if (acceptor.joinable())
        acceptor.join();
    for (std::thread& relay : relays)
        relay.join();
    ::close(listener);
}

void SlowRelay::accept() {
    while (!stopping) {
        pollfd waiting{listener, POLLIN, 0};
        if (poll(&waiting, 1, 100) <= 0)
            continue;
        int client = ::accept(listener, nullptr, nullptr);
        if (client >= 0)
            relays.emplace_back([this, client] { relay(client); });
    }
}

// Both directions in one loop; every 10 ms each may pass a hundredth of
// the rate.
void SlowRelay::relay(int client) {
    int server = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address = loopback(serverPort);
    bool open = connect(server, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    std::size_t slice = std::max<std::size_t>(bytesPerSecond / 100, 1);
    while (open && !stopping) {
        pollfd ends[2] = {{client, POLLIN, 0}, {server, POLLIN, 0}};
        if (poll(ends, 2, 100) < 0)
            break;
        if (ends[0].revents & (POLLIN | POLLHUP | POLLERR))
            open = pass(client, server, slice);
        if (open && ends[1].revents & (POLLIN | POLLHUP | POLLERR))
            open = pass(server, client, slice);
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    ::close(client);
    ::close(server);
}
