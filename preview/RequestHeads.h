#ifndef PREVIEW_REQUESTHEADS_H
#define PREVIEW_REQUESTHEADS_H

#include <chrono>
#include <list>
#include <optional>
#include <unordered_map>
#include <vector>

namespace preview {

// The server's open connections and, for those still sending a request's
// head, when that head began: which heads are overdue, and which to close
// so that a connection that sends a whole request always finds a place.
// All clients of a loopback server share one address, so a bound per
// address would shut out the browser with the attacker; the age of the
// unfinished head is what tells a slow sender from a real request.
class RequestHeads {
public:
    using Clock = std::chrono::steady_clock;

    // `wholeHead`: the longest a head may take; `places`: how many
    // connections may stay open before the oldest unfinished heads give
    // way to new ones.
    RequestHeads(Clock::duration wholeHead, size_t places);

    // A connection (any key unique while it is open) was accepted on
    // `socket`; its first head begins.
    void opened(const void* connection, int socket, Clock::time_point now);
    // Its head came whole: it is being answered and no longer timed here.
    // False when it was not waiting for one.
    bool headDone(const void* connection);
    // It was answered and stays open: its next head begins.
    void nextHead(const void* connection, Clock::time_point now);
    void closed(const void* connection);

    // The sockets to close now, oldest head first: heads older than the
    // limit, and as many unfinished heads as more connections are open
    // than there are places. Each is named once.
    std::vector<int> toClose(Clock::time_point now);
    // When the oldest unfinished head will be overdue; none when no head
    // is awaited.
    std::optional<Clock::time_point> nextDeadline() const;

private:
    struct Visit {
        const void* connection;
        int socket;
        Clock::time_point headSince;
        bool awaitingHead;
        bool closing;
    };
    bool timed(const Visit& visit) const { return visit.awaitingHead && !visit.closing; }

    Clock::duration wholeHead;
    size_t places;
    size_t closing = 0;
    // Ordered by the start of each connection's current head.
    std::list<Visit> visits;
    std::unordered_map<const void*, std::list<Visit>::iterator> byConnection;
};

} // namespace preview

#endif
