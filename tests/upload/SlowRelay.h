#ifndef TESTS_UPLOAD_SLOWRELAY_H
#define TESTS_UPLOAD_SLOWRELAY_H

#include <atomic>
#include <cstddef>
#include <thread>
#include <vector>

// A TCP relay on loopback that passes each connection on to a server's
// port at a bounded rate, so that a test can stop or break an upload while
// it is surely still sending, as on a slow line.
class SlowRelay {
public:
    SlowRelay(int serverPort, std::size_t bytesPerSecond);
    ~SlowRelay();
    SlowRelay(const SlowRelay&) = delete;
    SlowRelay& operator=(const SlowRelay&) = delete;

    // 0 when no listening socket could be made.
    int port() const { return listening; }

private:
    void accept();
    void relay(int client);

    int serverPort;
    std::size_t bytesPerSecond;
    int listener = -1;
    int listening = 0;
    std::atomic<bool> stopping{false};
    std::thread acceptor;
    // Only the acceptor adds to these, and it has ended before they are joined.
    std::vector<std::thread> relays;
};

#endif
