#include "preview/RequestHeads.h"

namespace preview {

RequestHeads::RequestHeads(Clock::duration wholeHead, size_t places) : wholeHead(wholeHead), places(places) {}

void RequestHeads::opened(const void* connection, int socket, Clock::time_point now) {
    visits.push_back({connection, socket, now, true, false});
    byConnection[connection] = std::prev(visits.end());
}

bool RequestHeads::headDone(const void* connection) {
    auto found = byConnection.find(connection);
    if (found == byConnection.end() || !found->second->awaitingHead)
        return false;
    found->second->awaitingHead = false;
    return true;
}

void RequestHeads::nextHead(const void* connection, Clock::time_point now) {
    auto found = byConnection.find(connection);
    if (found == byConnection.end())
        return;
    found->second->awaitingHead = true;
    found->second->headSince = now;
    // The newest head goes last, which keeps the list in order of age.
    visits.splice(visits.end(), visits, found->second);
}

void RequestHeads::closed(const void* connection) {
    auto found = byConnection.find(connection);
    if (found == byConnection.end())
        return;
    if (found->second->closing)
        --closing;
    visits.erase(found->second);
    byConnection.erase(found);
}

std::vector<int> RequestHeads::toClose(Clock::time_point now) {
    std::vector<int> sockets;
    for (Visit& visit : visits) {
        if (!timed(visit))
            continue;
        bool crowded = visits.size() - closing > places;
        if (!crowded && now - visit.headSince < wholeHead)
            break; // every later head is younger still
        visit.closing = true;
        ++closing;
        sockets.push_back(visit.socket);
    }
    return sockets;
}

std::optional<RequestHeads::Clock::time_point> RequestHeads::nextDeadline() const {
    for (const Visit& visit : visits)
        if (timed(visit))
            return visit.headSince + wholeHead;
    return std::nullopt;
}

} // namespace preview
