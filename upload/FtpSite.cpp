#include "upload/FtpSite.h"

#include "upload/CertificateTrust.h"
#include "upload/CurlFailure.h"
#include "upload/CurlTransferLimits.h"

#include <algorithm>
#include <cctype>

namespace upload {

namespace {

// Keeps the last line of the server's replies that ends one ("550 ...").
std::size_t keepReply(char* data, std::size_t size, std::size_t count, void* lastReply) {
    std::string_view line(data, size * count);
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r'))
        line.remove_suffix(1);
    if (line.size() >= 4 && line[3] == ' ' &&
        std::all_of(line.begin(), line.begin() + 3, [](char c) { return std::isdigit(static_cast<unsigned char>(c)); }))
        *static_cast<std::string*>(lastReply) = std::string(line);
    return size * count;
}

// A command line ends at CR or LF: a name holding one would smuggle in
// another command.
bool isOneLine(const std::string& command) { return command.find_first_of("\r\n") == std::string::npos; }

// What the server's reply says, where libcurl's code says less.
UploadProblem replyProblem(long reply, CURLcode code, UploadProblem problem) {
    switch (reply) {
    case 530:
        return UploadProblem::LoginRefused;
    // vsftpd answers 451 "Failure writing to local file" to an upload it
    // could not store, which is a full disk or quota all but always; the
    // server's words go along.
    case 451:
    case 452:
    case 552:
        return UploadProblem::RemoteFull;
    case 550:
    case 553:
        return code == CURLE_REMOTE_FILE_NOT_FOUND ? UploadProblem::NotFound : UploadProblem::PermissionDenied;
    default:
        return problem;
    }
}

// A refusal by the server, as opposed to a failure to reach it or to trust
// it: only a refusal is read from the reply.
bool isRefusal(UploadProblem problem) {
    return problem == UploadProblem::RemoteRefused || problem == UploadProblem::PermissionDenied ||
           problem == UploadProblem::NotFound || problem == UploadProblem::ConnectionLost ||
           problem == UploadProblem::LoginRefused;
}

} // namespace

FtpSite::FtpSite(const RemoteAddress& address, const SiteCredentials& credentials, const SiteTrust& trust,
                 const std::atomic<bool>& stop)
    : address(address), credentials(credentials), plainFtp(trust.plainFtp), stop(stop),
      unusableTrust(trustedCertificates(trust, certificates)), connections(newConnectionShare()),
      control(newCurlEasy()),
      sender([this](CURL* handle, const Transfer& sent) { prepare(handle, this->address.urlWithUser(sent.remote)); },
             [this](CURL* handle, CURLcode code, const char* text, const std::string& path) {
                 return explain(handle, code, text, path);
             },
             stop) {}

void FtpSite::prepare(CURL* handle, const std::string& url) {
    curl_easy_setopt(handle, CURLOPT_URL, url.c_str());
    curl_easy_setopt(handle, CURLOPT_PROTOCOLS_STR, address.protocol == Protocol::Ftps ? "ftps" : "ftp");
    curl_easy_setopt(handle, CURLOPT_SHARE, connections.get());
    limitTransfer(handle, stop);
    // ftps:// is TLS from the first byte; ftp:// asks for it with AUTH TLS.
    bool tlsOptional = plainFtp && address.protocol == Protocol::Ftp;
    curl_easy_setopt(handle, CURLOPT_USE_SSL, static_cast<long>(tlsOptional ? CURLUSESSL_TRY : CURLUSESSL_ALL));
    trustCertificates(handle, certificates);
    // vsftpd 3.0.3, Debian's and many hosts', answers some uploads over
    // TLS 1.3 with "426 Failure reading network stream" as libcurl 7.88
    // ends the data connection; over TLS 1.2 it takes them all.
    curl_easy_setopt(handle, CURLOPT_SSLVERSION,
                     static_cast<long>(CURL_SSLVERSION_TLSv1_2) | static_cast<long>(CURL_SSLVERSION_MAX_TLSv1_2));
    // Every command names its file from the login folder, and a connection
    // stays there: the commands sent by name need no folder of their own.
    curl_easy_setopt(handle, CURLOPT_FTP_FILEMETHOD, static_cast<long>(CURLFTPMETHOD_NOCWD));
    // A password the netrc holds for the host comes before the one given,
    // as with the other protocols.
    if (credentials.password)
        curl_easy_setopt(handle, CURLOPT_PASSWORD, credentials.password->c_str());
    if (credentials.netrc) {
        curl_easy_setopt(handle, CURLOPT_NETRC, static_cast<long>(CURL_NETRC_OPTIONAL));
        curl_easy_setopt(handle, CURLOPT_NETRC_FILE, credentials.netrc->c_str());
    }
    std::string& lastReply = lastReplies[handle];
    lastReply.clear();
    curl_easy_setopt(handle, CURLOPT_HEADERFUNCTION, &keepReply);
    curl_easy_setopt(handle, CURLOPT_HEADERDATA, &lastReply);
}

UploadFailure FtpSite::explain(CURL* handle, CURLcode code, const char* text, const std::string& path) {
    UploadFailure failure = curlFailure(handle, code, text, path);
    if (stop) {
        failure.problem = UploadProblem::Stopped;
        return failure;
    }
    long reply = 0;
    curl_easy_getinfo(handle, CURLINFO_RESPONSE_CODE, &reply);
    const std::string& said = lastReplies[handle];
    if (reply >= 400 && isRefusal(failure.problem)) {
        failure.problem = replyProblem(reply, code, failure.problem);
        if (said.starts_with(std::to_string(reply)))
            failure.remoteText = said;
    }
    return failure;
}

UploadFailure FtpSite::perform(const std::string& url, const std::string& path,
                               const std::function<void(CURL*)>& setUp) {
    if (unusableTrust)
        return unusableTrust;
    return withOneRetry(stop, [&] {
        curl_easy_reset(control.get());
        prepare(control.get(), url);
        errorText[0] = '\0';
        curl_easy_setopt(control.get(), CURLOPT_ERRORBUFFER, errorText);
        setUp(control.get());
        CURLcode code = curl_easy_perform(control.get());
        return RequestTry{code, code == CURLE_OK ? UploadFailure() : explain(control.get(), code, errorText, path)};
    });
}

UploadFailure FtpSite::list(std::vector<RemoteEntry>& entries) {
    entries.clear();
    UploadFailure failure = listTree(requests(), address, "", entries);
    // Some servers answer the listing of a missing folder with 550, as they
    // answer one of a forbidden folder; a forbidden one is refused again
    // when the upload makes it.
    if (failure.problem == UploadProblem::PermissionDenied || failure.problem == UploadProblem::NotFound) {
        entries.clear();
        return {};
    }
    return failure;
}

UploadFailure FtpSite::read(const std::string& path, std::string& bytes) {
    return readFile(requests(), address, path, bytes);
}

UploadFailure FtpSite::write(const std::string& path, std::string_view bytes) {
    return writeFile(requests(), address, path, bytes);
}

RunRequest FtpSite::requests() {
    return [this](const std::string& url, const std::string& path, const SetUpRequest& setUp) {
        return perform(url, path, setUp);
    };
}

UploadFailure FtpSite::send(const std::vector<Transfer>& transfers, const SendProgress& progress) {
    if (unusableTrust)
        return unusableTrust;
    if (transfers.empty())
        return {};
    return sender.run(transfers, progress);
}

UploadFailure FtpSite::makeFolder(const std::string& path) {
    std::string target = fromLoginFolder(path);
    if (target.empty())
        return runCommands({}, path);
    // Each level may exist already; entering the folder proves it is there.
    std::vector<std::string> commands;
    for (std::size_t slash = target.find('/'); slash != std::string::npos; slash = target.find('/', slash + 1))
        commands.push_back("*MKD " + target.substr(0, slash));
    commands.push_back("*MKD " + target);
    commands.push_back("CWD " + target);
    return runCommands(commands, path, true);
}

UploadFailure FtpSite::rename(const std::string& from, const std::string& to) {
    return runCommands({"RNFR " + fromLoginFolder(from), "RNTO " + fromLoginFolder(to)}, from);
}

UploadFailure FtpSite::remove(const std::string& path) { return runCommands({"DELE " + fromLoginFolder(path)}, path); }

UploadFailure FtpSite::runCommands(const std::vector<std::string>& commands, const std::string& path,
                                   bool leavesFolder) {
    if (!std::all_of(commands.begin(), commands.end(), isOneLine)) {
        UploadFailure failure;
        failure.problem = UploadProblem::RemoteRefused;
        failure.path = path;
        return failure;
    }
    RemoteAddress loginFolder = address;
    loginFolder.folder = "/";
    CurlList list = curlList(commands);
    return perform(loginFolder.urlWithUser(), path, [&list, leavesFolder](CURL* handle) {
        curl_easy_setopt(handle, CURLOPT_QUOTE, list.get());
        curl_easy_setopt(handle, CURLOPT_NOBODY, 1L);
        curl_easy_setopt(handle, CURLOPT_FORBID_REUSE, leavesFolder ? 1L : 0L);
    });
}

std::string FtpSite::fromLoginFolder(const std::string& path) const {
    std::string folder = address.folder.substr(1);
    if (folder.empty())
        return path;
    return path.empty() ? folder : folder + "/" + path;
}

} // namespace upload
