#include "preview/FolderServer.h"

#include "preview/ByteRange.h"
#include "preview/CacheValidators.h"
#include "preview/ContentCoding.h"
#include "preview/ContentTypes.h"
#include "preview/HostCheck.h"

#include <microhttpd.h>

#include <algorithm>
#include <arpa/inet.h>
#include <climits>
#include <cstring>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace preview {

namespace {

const char* const LoopbackAddress = "127.0.0.1";

// Once its request has come, a connection on which nothing moved for this
// long is closed: a reader that stopped taking the file. Idle connections
// delay no one here; this only frees their place. Shorter would cut off a
// busy browser that pauses reading.
const unsigned IdleSeconds = 10;
// A browser keeps a connection for its next request; one that asks for
// nothing more for this long gives its place back.
const unsigned KeepAliveSeconds = 5;
// Far more than a browser opens to one server, well within the process's
// descriptors.
const unsigned MostConnections = 512;
// Places kept free for new connections: unfinished heads beyond the rest
// are closed, oldest first, so that the library's limit is not reached
// while it accepts a burst of connections.
const unsigned SparePlaces = 32;

fs::path canonicalFolder(const fs::path& folder) {
    std::error_code error;
    fs::path root = fs::canonical(folder, error);
    return error ? fs::absolute(folder).lexically_normal() : root;
}

// The request path is decoded by fileForRequest, which refuses what would
// decode to a NUL byte; the library must leave it as it came.
size_t keepEscapes(void*, MHD_Connection*, char* text) { return std::strlen(text); }

MHD_Result queueAndRelease(MHD_Connection* connection, unsigned status, MHD_Response* response) {
    MHD_Result queued = MHD_queue_response(connection, status, response);
    MHD_destroy_response(response);
    return queued;
}

MHD_Result queueText(MHD_Connection* connection, unsigned status, const char* text) {
    MHD_Response* response =
        MHD_create_response_from_buffer(std::strlen(text), const_cast<char*>(text), MHD_RESPMEM_PERSISTENT);
    MHD_add_response_header(response, MHD_HTTP_HEADER_CONTENT_TYPE, "text/plain");
    if (status == MHD_HTTP_METHOD_NOT_ALLOWED)
        MHD_add_response_header(response, MHD_HTTP_HEADER_ALLOW, "GET, HEAD");
    return queueAndRelease(connection, status, response);
}

std::string_view requestHeader(MHD_Connection* connection, const char* name) {
    const char* value = MHD_lookup_connection_value(connection, MHD_HEADER_KIND, name);
    return value ? value : "";
}

bool isRegularFile(const fs::path& file) {
    std::error_code error;
    return fs::is_regular_file(file, error);
}

// A file as requested, and what goes on the wire: it or its copy in the
// coding chosen, open for reading, with that copy's entity tag.
struct SentFile {
    fs::path file;
    ContentCoding coding = ContentCoding::Identity;
    int descriptor = -1;
    struct stat info {};
    std::string tag;
};

// The headers that let a browser cache the file and tell its codings apart.
void addCacheHeaders(MHD_Response* response, const SentFile& sent) {
    MHD_add_response_header(response, MHD_HTTP_HEADER_CONTENT_TYPE, contentTypeFor(sent.file));
    MHD_add_response_header(response, MHD_HTTP_HEADER_VARY, MHD_HTTP_HEADER_ACCEPT_ENCODING);
    if (sent.coding != ContentCoding::Identity)
        MHD_add_response_header(response, MHD_HTTP_HEADER_CONTENT_ENCODING, codingName(sent.coding));
    MHD_add_response_header(response, MHD_HTTP_HEADER_ETAG, sent.tag.c_str());
    MHD_add_response_header(response, MHD_HTTP_HEADER_LAST_MODIFIED, httpDate(sent.info.st_mtim.tv_sec).c_str());
    // A republished folder must show its new files, not the browser's
    // copies; a name that carries its content's hash changes with it.
    MHD_add_response_header(response, MHD_HTTP_HEADER_CACHE_CONTROL,
                            carriesContentHash(sent.file) ? "public, max-age=31536000, immutable" : "no-cache");
}

// Opens the file in the coding the request accepts; a request for a range
// gets the file as it is, as its byte positions name.
bool openInCoding(MHD_Connection* connection, bool ranged, SentFile& sent) {
    StoredCodings stored;
    if (!ranged) {
        stored.brotli = isRegularFile(fs::path(sent.file) += codingSuffix(ContentCoding::Brotli));
        stored.gzip = isRegularFile(fs::path(sent.file) += codingSuffix(ContentCoding::Gzip));
    }
    sent.coding = chooseContentCoding(requestHeader(connection, MHD_HTTP_HEADER_ACCEPT_ENCODING), stored);
    sent.descriptor = ::open((fs::path(sent.file) += codingSuffix(sent.coding)).c_str(), O_RDONLY | O_CLOEXEC);
    if (sent.descriptor < 0 || ::fstat(sent.descriptor, &sent.info) != 0 || !S_ISREG(sent.info.st_mode)) {
        if (sent.descriptor >= 0)
            ::close(sent.descriptor);
        return false;
    }
    long long modified = sent.info.st_mtim.tv_sec * 1000000000LL + sent.info.st_mtim.tv_nsec;
    sent.tag = entityTag(static_cast<unsigned long long>(sent.info.st_size), modified, codingName(sent.coding));
    return true;
}

MHD_Result queueUnsatisfiable(MHD_Connection* connection, uint64_t size) {
    MHD_Response* response = MHD_create_response_from_buffer(0, nullptr, MHD_RESPMEM_PERSISTENT);
    MHD_add_response_header(response, MHD_HTTP_HEADER_CONTENT_RANGE, ("bytes */" + std::to_string(size)).c_str());
    return queueAndRelease(connection, MHD_HTTP_RANGE_NOT_SATISFIABLE, response);
}

// The file, in the coding the request accepts, or the part of it the
// request's range asks for, sent from the descriptor (which the response
// then owns); 304 when the browser's copy is current.
MHD_Result queueFile(MHD_Connection* connection, const fs::path& file) {
    // A range is only honoured without a condition we do not evaluate.
    bool conditional = MHD_lookup_connection_value(connection, MHD_HEADER_KIND, MHD_HTTP_HEADER_IF_RANGE);
    std::string_view rangeHeader = conditional ? "" : requestHeader(connection, MHD_HTTP_HEADER_RANGE);
    SentFile sent;
    sent.file = file;
    if (!openInCoding(connection, !rangeHeader.empty(), sent))
        return queueText(connection, MHD_HTTP_NOT_FOUND, "Not found\n");
    if (browserCopyIsCurrent(requestHeader(connection, MHD_HTTP_HEADER_IF_NONE_MATCH),
                             requestHeader(connection, MHD_HTTP_HEADER_IF_MODIFIED_SINCE), sent.tag,
                             sent.info.st_mtim.tv_sec)) {
        ::close(sent.descriptor);
        MHD_Response* response = MHD_create_response_from_buffer(0, nullptr, MHD_RESPMEM_PERSISTENT);
        addCacheHeaders(response, sent);
        return queueAndRelease(connection, MHD_HTTP_NOT_MODIFIED, response);
    }
    uint64_t size = static_cast<uint64_t>(sent.info.st_size);
    ByteRange range = chooseByteRange(rangeHeader, size);
    if (range.kind == ByteRange::Kind::Unsatisfiable) {
        ::close(sent.descriptor);
        return queueUnsatisfiable(connection, size);
    }
    MHD_Response* response = MHD_create_response_from_fd_at_offset64(range.length, sent.descriptor, range.first);
    if (!response) {
        ::close(sent.descriptor);
        return MHD_NO;
    }
    addCacheHeaders(response, sent);
    MHD_add_response_header(response, MHD_HTTP_HEADER_ACCEPT_RANGES, "bytes");
    unsigned status = MHD_HTTP_OK;
    if (range.kind == ByteRange::Kind::Part) {
        status = MHD_HTTP_PARTIAL_CONTENT;
        std::string contentRange = "bytes " + std::to_string(range.first) + "-" +
                                   std::to_string(range.first + range.length - 1) + "/" + std::to_string(size);
        MHD_add_response_header(response, MHD_HTTP_HEADER_CONTENT_RANGE, contentRange.c_str());
    }
    return queueAndRelease(connection, status, response);
}

} // namespace

// The library's callbacks, with access to the server. They run on the
// server's thread, inside MHD_run.
struct FolderServerRequests {
    static MHD_Result answer(void* server, MHD_Connection* connection, const char* target, const char* method,
                             const char*, const char*, size_t*, void** request) {
        auto* self = static_cast<FolderServer*>(server);
        // The head has come whole: from here on the reader sets the pace.
        if (self->heads->headDone(connection))
            MHD_set_connection_option(connection, MHD_CONNECTION_OPTION_TIMEOUT, IdleSeconds);
        // The library keeps the connection open only for an answer given
        // after its first call, which comes before it knows the request has
        // no body.
        static int seen = 0;
        if (!*request) {
            *request = &seen;
            return MHD_YES;
        }
        return static_cast<MHD_Result>(self->answer(connection, target, method));
    }

    static void connectionChanged(void* server, MHD_Connection* connection, void**,
                                  MHD_ConnectionNotificationCode change) {
        auto* self = static_cast<FolderServer*>(server);
        if (change == MHD_CONNECTION_NOTIFY_CLOSED) {
            self->heads->closed(connection);
            return;
        }
        const MHD_ConnectionInfo* info = MHD_get_connection_info(connection, MHD_CONNECTION_INFO_CONNECTION_FD);
        self->heads->opened(connection, info->connect_fd, RequestHeads::Clock::now());
    }

    // A kept-alive connection waits for its next head as a new one does.
    static void requestDone(void* server, MHD_Connection* connection, void**, MHD_RequestTerminationCode how) {
        if (how != MHD_REQUEST_TERMINATED_COMPLETED_OK)
            return;
        auto* self = static_cast<FolderServer*>(server);
        self->heads->nextHead(connection, RequestHeads::Clock::now());
        MHD_set_connection_option(connection, MHD_CONNECTION_OPTION_TIMEOUT, KeepAliveSeconds);
    }
};

int FolderServer::answer(MHD_Connection* connection, const char* target, const char* method) const {
    if (!namesLoopbackServer(requestHeader(connection, MHD_HTTP_HEADER_HOST), boundPort))
        return queueText(connection, MHD_HTTP_FORBIDDEN, "Forbidden: this server answers only to 127.0.0.1 and localhost\n");
    if (std::strcmp(method, MHD_HTTP_METHOD_GET) != 0 && std::strcmp(method, MHD_HTTP_METHOD_HEAD) != 0)
        return queueText(connection, MHD_HTTP_METHOD_NOT_ALLOWED, "Only GET and HEAD are answered here\n");
    std::optional<std::string> path = decodedRequestPath(target);
    for (const Text& text : texts) {
        if (!path || *path != text.path)
            continue;
        // The body lives as long as the server.
        MHD_Response* response = MHD_create_response_from_buffer(text.body.size(), const_cast<char*>(text.body.data()),
                                                                 MHD_RESPMEM_PERSISTENT);
        MHD_add_response_header(response, MHD_HTTP_HEADER_CONTENT_TYPE, text.type.c_str());
        MHD_add_response_header(response, MHD_HTTP_HEADER_CACHE_CONTROL, "no-cache");
        return queueAndRelease(connection, MHD_HTTP_OK, response);
    }
    std::optional<fs::path> file = fileForRequest(mounts, target);
    if (!file)
        return queueText(connection, MHD_HTTP_NOT_FOUND, "Not found\n");
    return queueFile(connection, *file);
}

void FolderServer::serveText(const std::string& name, std::string body, std::string type) {
    texts.push_back({"/" + name, std::move(body), std::move(type)});
}

void FolderServer::mount(const std::string& name, const fs::path& folder) {
    mounts.insert(mounts.begin(), {"/" + name + "/", canonicalFolder(folder)});
}

FolderServer::FolderServer(fs::path folder) { mounts.push_back({"/", canonicalFolder(folder)}); }

FolderServer::~FolderServer() { stop(); }

bool FolderServer::start(int port) {
    if (daemon)
        return true;
    sockaddr_in loopback{};
    loopback.sin_family = AF_INET;
    loopback.sin_port = htons(static_cast<uint16_t>(port));
    inet_pton(AF_INET, LoopbackAddress, &loopback.sin_addr);
    wakeUp = ::eventfd(0, EFD_CLOEXEC);
    if (wakeUp < 0)
        return false;
    heads.emplace(std::chrono::seconds(headLimits.wholeSeconds), MostConnections - SparePlaces);
    // The library runs on our own thread, not one of its own: it has no
    // deadline for a whole head, so the thread checks the heads' ages
    // between its turns. A new connection starts with the head's idle limit.
    daemon = MHD_start_daemon(
        MHD_USE_EPOLL, static_cast<uint16_t>(port), nullptr, nullptr, &FolderServerRequests::answer, this,
        MHD_OPTION_SOCK_ADDR, &loopback, MHD_OPTION_CONNECTION_TIMEOUT, headLimits.idleSeconds,
        MHD_OPTION_CONNECTION_LIMIT, MostConnections, MHD_OPTION_NOTIFY_CONNECTION,
        &FolderServerRequests::connectionChanged, this, MHD_OPTION_NOTIFY_COMPLETED, &FolderServerRequests::requestDone,
        this, MHD_OPTION_UNESCAPE_CALLBACK, &keepEscapes, nullptr, MHD_OPTION_END);
    if (!daemon) {
        ::close(wakeUp);
        heads.reset();
        return false;
    }
    const MHD_DaemonInfo* info = MHD_get_daemon_info(daemon, MHD_DAEMON_INFO_BIND_PORT);
    boundPort = info ? info->port : 0;
    loop = std::thread([this] { serve(); });
    return true;
}

void FolderServer::serve() {
    const MHD_DaemonInfo* info = MHD_get_daemon_info(daemon, MHD_DAEMON_INFO_EPOLL_FD);
    pollfd watched[] = {{info->epoll_fd, POLLIN, 0}, {wakeUp, POLLIN, 0}};
    while (!stopping) {
        ::poll(watched, 2, millisecondsToWait());
        MHD_run(daemon);
        // The library sees the socket end at its next turn and lets the
        // connection go; the client is told by the socket's end.
        for (int socket : heads->toClose(RequestHeads::Clock::now()))
            ::shutdown(socket, SHUT_RDWR);
    }
}

// Until the library's next time-out or the oldest head's deadline; -1: no
// limit.
int FolderServer::millisecondsToWait() const {
    MHD_UNSIGNED_LONG_LONG libraryWait = 0;
    long long wait = MHD_get_timeout(daemon, &libraryWait) == MHD_YES
                         ? static_cast<long long>(std::min<MHD_UNSIGNED_LONG_LONG>(libraryWait, INT_MAX))
                         : -1;
    if (std::optional<RequestHeads::Clock::time_point> deadline = heads->nextDeadline()) {
        long long untilDeadline =
            std::chrono::ceil<std::chrono::milliseconds>(*deadline - RequestHeads::Clock::now()).count();
        untilDeadline = std::clamp<long long>(untilDeadline, 0, INT_MAX);
        wait = wait < 0 ? untilDeadline : std::min(wait, untilDeadline);
    }
    return static_cast<int>(wait);
}

void FolderServer::stop() {
    if (!daemon)
        return;
    stopping = true;
    // Adding 1 to a fresh eventfd's count cannot fail.
    eventfd_write(wakeUp, 1);
    loop.join();
    MHD_stop_daemon(daemon);
    daemon = nullptr;
    ::close(wakeUp);
    heads.reset();
    stopping = false;
}

std::string FolderServer::address(const std::string& file) const {
    return "http://" + std::string(LoopbackAddress) + ":" + std::to_string(boundPort) + "/" + file;
}

} // namespace preview
