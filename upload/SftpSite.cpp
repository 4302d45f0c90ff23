#include "upload/SftpSite.h"

#include "upload/CurlFailure.h"
#include "upload/CurlTransferLimits.h"

#include <cstdlib>

namespace upload {

SftpSite::SftpSite(const RemoteAddress& address, const SiteCredentials& credentials, const SiteTrust& trust,
                   const std::atomic<bool>& stop)
    : address(withUser(address)), credentials(credentials), stop(stop),
      hostKeys(trust, address.host, address.effectivePort()), connections(newConnectionShare()),
      control(newCurlEasy()),
      sender([this](CURL* handle, const Transfer& sent) { prepareSend(handle, sent); },
             [this](CURL* handle, CURLcode code, const char* text, const std::string& path) {
                 return explain(handle, code, text, path);
             },
             stop) {}

void SftpSite::prepare(CURL* handle, const std::string& url, const SftpLogin& way) {
    curl_easy_setopt(handle, CURLOPT_URL, url.c_str());
    curl_easy_setopt(handle, CURLOPT_PROTOCOLS_STR, "sftp");
    curl_easy_setopt(handle, CURLOPT_SHARE, connections.get());
    limitTransfer(handle, stop);
    curl_easy_setopt(handle, CURLOPT_FTP_CREATE_MISSING_DIRS, static_cast<long>(CURLFTP_CREATE_DIR));
    hostKeys.install(handle);
    applySftpLogin(handle, way, credentials);
}

void SftpSite::prepareSend(CURL* handle, const Transfer& sent) {
    prepare(handle, address.urlWithUser(sent.remote), *login);
    // libssh2 keeps in flight only what one write hands it: with libcurl's
    // 64 KB, one file on a 40 ms line goes at 1.6 MB/s. Not more than
    // 256 KB: from 512 KB on, a send stopped mid-write leaves its libssh2
    // session unfreed (libcurl 7.88, libssh2 1.10).
    curl_easy_setopt(handle, CURLOPT_UPLOAD_BUFFERSIZE, 256L << 10);
}

UploadFailure SftpSite::explain(CURL* handle, CURLcode code, const char* text, const std::string& path) {
    UploadFailure failure = curlFailure(handle, code, text, path);
    if (code == CURLE_PEER_FAILED_VERIFICATION && hostKeys.refusal()) {
        std::string words = failure.remoteText;
        failure = hostKeys.refusal();
        failure.remoteText = words;
    } else if (stop) {
        failure.problem = UploadProblem::Stopped;
    } else if (code == CURLE_SSH && login) {
        failure.problem = diagnose(path);
    }
    return failure;
}

UploadProblem SftpSite::diagnose(const std::string& path) {
    std::size_t slash = path.rfind('/');
    std::string folder = absolute(slash == std::string::npos ? "" : path.substr(0, slash));
    CurlList command = curlList({"statvfs " + quotedPath(folder)});
    std::string said;
    char ignored[CURL_ERROR_SIZE];
    curl_easy_reset(control.get());
    prepare(control.get(), rootUrl(), *login);
    curl_easy_setopt(control.get(), CURLOPT_ERRORBUFFER, ignored);
    // A connection of its own: the kept one may be dying with the server,
    // and a command on it would fail like a refused one.
    curl_easy_setopt(control.get(), CURLOPT_FRESH_CONNECT, 1L);
    curl_easy_setopt(control.get(), CURLOPT_QUOTE, command.get());
    curl_easy_setopt(control.get(), CURLOPT_NOBODY, 1L);
    curl_easy_setopt(control.get(), CURLOPT_HEADERFUNCTION, &appendToString);
    curl_easy_setopt(control.get(), CURLOPT_HEADERDATA, &said);
    CURLcode code = curl_easy_perform(control.get());
    if (code != CURLE_OK && code != CURLE_QUOTE_ERROR)
        return UploadProblem::ConnectionLost;
    std::size_t free = said.find("f_bavail: ");
    bool full = free != said.npos && std::strtoull(said.c_str() + free + 10, nullptr, 10) == 0;
    return full ? UploadProblem::RemoteFull : UploadProblem::RemoteRefused;
}

UploadFailure SftpSite::attempt(const std::string& url, const std::string& path, const SftpLogin& way,
                                const std::function<void(CURL*)>& setUp) {
    return withOneRetry(stop, [&] {
        curl_easy_reset(control.get());
        prepare(control.get(), url, way);
        errorText[0] = '\0';
        curl_easy_setopt(control.get(), CURLOPT_ERRORBUFFER, errorText);
        setUp(control.get());
        CURLcode code = curl_easy_perform(control.get());
        return RequestTry{code, code == CURLE_OK ? UploadFailure() : explain(control.get(), code, errorText, path)};
    });
}

UploadFailure SftpSite::logIn() {
    if (login)
        return {};
    UploadFailure failure;
    failure.problem = UploadProblem::LoginRefused;
    for (const SftpLogin& way : sftpLogins(credentials)) {
        failure = attempt(rootUrl(), "", way, [](CURL* handle) { curl_easy_setopt(handle, CURLOPT_NOBODY, 1L); });
        if (!failure)
            login = way;
        if (failure.problem != UploadProblem::LoginRefused)
            return failure;
    }
    return failure;
}

UploadFailure SftpSite::perform(const std::string& url, const std::string& path,
                                const std::function<void(CURL*)>& setUp) {
    if (UploadFailure failure = logIn())
        return failure;
    return attempt(url, path, *login, setUp);
}

UploadFailure SftpSite::list(std::vector<RemoteEntry>& entries) {
    entries.clear();
    UploadFailure failure = listTree(requests(), address, "", entries);
    // A folder not made yet holds nothing.
    if (failure.problem == UploadProblem::NotFound) {
        entries.clear();
        return {};
    }
    return failure;
}

UploadFailure SftpSite::read(const std::string& path, std::string& bytes) {
    return readFile(requests(), address, path, bytes);
}

UploadFailure SftpSite::write(const std::string& path, std::string_view bytes) {
    return writeFile(requests(), address, path, bytes);
}

RunRequest SftpSite::requests() {
    return [this](const std::string& url, const std::string& path, const SetUpRequest& setUp) {
        return perform(url, path, setUp);
    };
}

UploadFailure SftpSite::send(const std::vector<Transfer>& transfers, const SendProgress& progress) {
    if (transfers.empty())
        return {};
    if (UploadFailure failure = logIn())
        return failure;
    return sender.run(transfers, progress);
}

UploadFailure SftpSite::makeFolder(const std::string& path) {
    std::string text;
    UploadFailure failure = perform(address.urlWithUser(path.empty() ? path : path + "/"), path, [&text](CURL* handle) {
        curl_easy_setopt(handle, CURLOPT_DIRLISTONLY, 1L);
        receiveInto(handle, text);
    });
    if (failure.problem != UploadProblem::NotFound)
        return failure;
    // Each parent may exist already; only the folder's own failure counts.
    std::string target = absolute(path);
    std::vector<std::string> commands;
    for (std::size_t slash = target.find('/', 1); slash != std::string::npos; slash = target.find('/', slash + 1))
        commands.push_back("*mkdir " + quotedPath(target.substr(0, slash)));
    commands.push_back("mkdir " + quotedPath(target));
    return runCommands(commands, path);
}

UploadFailure SftpSite::rename(const std::string& from, const std::string& to) {
    return runCommands({"rename " + quotedPath(absolute(from)) + " " + quotedPath(absolute(to))}, from);
}

UploadFailure SftpSite::remove(const std::string& path) {
    return runCommands({"rm " + quotedPath(absolute(path))}, path);
}

UploadFailure SftpSite::runCommands(const std::vector<std::string>& commands, const std::string& path) {
    CurlList list = curlList(commands);
    return perform(rootUrl(), path, [&list](CURL* handle) {
        curl_easy_setopt(handle, CURLOPT_QUOTE, list.get());
        curl_easy_setopt(handle, CURLOPT_NOBODY, 1L);
    });
}

std::string SftpSite::rootUrl() const {
    RemoteAddress root = address;
    root.folder = "/";
    return root.urlWithUser();
}

RemoteAddress SftpSite::withUser(RemoteAddress address) {
    address.user = sftpUser(address.user);
    return address;
}

std::string SftpSite::absolute(const std::string& path) const {
    if (path.empty())
        return address.folder;
    return address.folder == "/" ? "/" + path : address.folder + "/" + path;
}

std::string SftpSite::quotedPath(const std::string& path) {
    std::string quoted = "\"";
    for (char c : path) {
        if (c == '"' || c == '\\')
            quoted += '\\';
        quoted += c;
    }
    return quoted + "\"";
}

} // namespace upload
