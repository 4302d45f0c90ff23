#include "preview/FolderServer.h"

#include "preview/ContentTypes.h"

#include <httplib.h>

#include <fstream>
#include <iterator>
#include <optional>
#include <sys/socket.h>

namespace fs = std::filesystem;

namespace preview {

namespace {

const char* const LoopbackAddress = "127.0.0.1";

// The file a request's (already decoded) path names inside `root`, or
// nothing when it would leave the folder, names a folder or no file.
std::optional<fs::path> fileFor(const fs::path& root, const std::string& requestPath) {
    if (requestPath.empty() || requestPath.front() != '/' || requestPath.find('\0') != std::string::npos)
        return std::nullopt;
    fs::path relative = fs::path(requestPath.substr(1)).lexically_normal();
    for (const fs::path& part : relative)
        if (part == "..")
            return std::nullopt;
    std::error_code error;
    // Symbolic links must not lead out of the folder either.
    fs::path file = fs::canonical(root / relative, error);
    if (error || !fs::is_regular_file(file, error))
        return std::nullopt;
    auto [rootEnd, fileAt] = std::mismatch(root.begin(), root.end(), file.begin(), file.end());
    if (rootEnd != root.end())
        return std::nullopt;
    return file;
}

fs::path canonicalFolder(const fs::path& folder) {
    std::error_code error;
    fs::path root = fs::canonical(folder, error);
    return error ? fs::absolute(folder).lexically_normal() : root;
}

} // namespace

void FolderServer::answer(const std::string& path, int& status, std::string& body, std::string& type) const {
    for (const Text& text : texts) {
        if (path != text.path)
            continue;
        body = text.body;
        type = text.type;
        status = 200;
        return;
    }
    for (const Mount& mount : mounts) {
        if (path.compare(0, mount.prefix.size(), mount.prefix) != 0)
            continue;
        std::optional<fs::path> file = fileFor(mount.root, path.substr(mount.prefix.size() - 1));
        std::ifstream in;
        if (file)
            in.open(*file, std::ios::binary);
        if (file && in.is_open()) {
            body.assign((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
            type = contentTypeFor(*file);
            status = 200;
            return;
        }
        break;
    }
    status = 404;
    body = "Not found\n";
    type = "text/plain";
}

void FolderServer::mount(const std::string& name, const fs::path& folder) {
    mounts.insert(mounts.begin(), {"/" + name + "/", canonicalFolder(folder)});
}

void FolderServer::serveText(const std::string& name, std::string body, std::string type) {
    texts.push_back({"/" + name, std::move(body), std::move(type)});
}

FolderServer::FolderServer(fs::path folder) : server(std::make_unique<httplib::Server>()) {
    mounts.push_back({"/", canonicalFolder(folder)});
    // The library also sets SO_REUSEPORT, which would let two previews share
    // one port and answer for each other's folders.
    server->set_socket_options([](int socket) {
        int yes = 1;
        setsockopt(socket, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
    });
    server->Get(".*", [this](const httplib::Request& request, httplib::Response& response) {
        std::string body, type;
        answer(request.path, response.status, body, type);
        // A republished folder must show its new files, not the browser's copies.
        if (response.status == 200)
            response.set_header("Cache-Control", "no-cache");
        response.set_content(body, type.c_str());
    });
}

FolderServer::~FolderServer() { stop(); }

bool FolderServer::start(int port) {
    if (listener.joinable())
        return true;
    if (port == 0)
        boundPort = server->bind_to_any_port(LoopbackAddress);
    else
        boundPort = server->bind_to_port(LoopbackAddress, port) ? port : -1;
    if (boundPort <= 0) {
        boundPort = 0;
        return false;
    }
    listener = std::thread([this] { server->listen_after_bind(); });
    return true;
}

void FolderServer::stop() {
    if (!listener.joinable())
        return;
    // A stop before the listener runs would be lost, and the join would wait
    // for ever.
    while (!server->is_running())
        std::this_thread::yield();
    server->stop();
    listener.join();
}

std::string FolderServer::address(const std::string& file) const {
    return "http://" + std::string(LoopbackAddress) + ":" + std::to_string(boundPort) + "/" + file;
}

} // namespace preview
