#ifndef PREVIEW_FOLDERSERVER_H
#define PREVIEW_FOLDERSERVER_H

#include "preview/RequestHeads.h"
#include "preview/RequestPath.h"

#include <atomic>
#include <filesystem>
#include <optional>
#include <string>
#include <thread>
#include <vector>

struct MHD_Daemon;
struct MHD_Connection;

namespace preview {

// Serves the files of one folder over HTTP on 127.0.0.1 only, so that a
// browser plays a published player as it would from a web site. Requests
// for anything outside the folder, and for folders, are answered 404;
// requests that name another host than this server are answered 403.
// One event-driven thread answers every connection, so idle or slow
// clients hold no thread and delay nobody; files are sent from disk as the
// socket takes them, never read whole. A client that is slow to send its
// request is closed, the oldest first when places run short, so that a
// whole request always gets in.
class FolderServer {
public:
    // How long a client may take over a request's head (its request line
    // and headers): at most `idleSeconds` without sending a byte, and
    // `wholeSeconds` in all. A browser sends it at once; only a client that
    // holds a place without asking for anything takes longer.
    struct HeadLimits {
        unsigned idleSeconds = 2;
        unsigned wholeSeconds = 10;
    };

    explicit FolderServer(std::filesystem::path folder);
    // Also serves `folder` under "/`name`/", ahead of the main folder. Call
    // before start().
    void mount(const std::string& name, const std::filesystem::path& folder);
    // Also answers "/`name`" with `body`, made in memory rather than read
    // from the folder, ahead of the folders. Call before start().
    void serveText(const std::string& name, std::string body, std::string type);
    // Other limits than the usual ones. Call before start().
    void limitHeads(HeadLimits limits) { headLimits = limits; }
    ~FolderServer();
    FolderServer(const FolderServer&) = delete;
    FolderServer& operator=(const FolderServer&) = delete;

    // Listens on `port` (0: any free port) and answers on a thread of its
    // own; false when the port cannot be had.
    [[nodiscard]] bool start(int port = 0);
    // Closes every connection and stops listening; also done on destruction.
    void stop();

    int port() const { return boundPort; }
    // "http://127.0.0.1:PORT/" followed by `file`.
    std::string address(const std::string& file) const;

private:
    friend struct FolderServerRequests;
    struct Text {
        std::string path;  // "/name"
        std::string body;
        std::string type;
    };
    int answer(MHD_Connection* connection, const char* target, const char* method) const;
    // The server's thread: runs the library and closes the heads that took
    // too long, until stop().
    void serve();
    int millisecondsToWait() const;

    std::vector<Text> texts;
    std::vector<Mount> mounts;
    HeadLimits headLimits;
    MHD_Daemon* daemon = nullptr;
    int boundPort = 0;
    // Touched only by the server's thread while it runs.
    std::optional<RequestHeads> heads;
    std::thread loop;
    std::atomic<bool> stopping{false};
    int wakeUp = -1; // an eventfd that ends the thread's wait
};

} // namespace preview

#endif
