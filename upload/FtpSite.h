#ifndef UPLOAD_FTPSITE_H
#define UPLOAD_FTPSITE_H

#include "upload/CurlHandle.h"
#include "upload/FileUrlRequests.h"
#include "upload/ParallelSend.h"
#include "upload/RemoteSite.h"

#include <map>

namespace upload {

// The remote folder on an FTP server, through libcurl: ftp:// with TLS
// required (AUTH TLS; without TLS only when the user allows plain FTP) or
// ftps:// with TLS from the first byte. Certificates are always verified.
//
// The address's folder is taken below the folder the login starts in, as
// FTP clients and libcurl take a URL's path: "ftp://user@host/music" is
// "music" in the user's home folder, and "/" is that folder itself. A
// hosting account's login folder is the one that account can reach, so a
// path from the server's root would rarely name anything the user meant.
//
// One connection serves the listings, reads and commands; sends use a few
// more, as vsftpd allows several connections per login.
class FtpSite final : public RemoteSite {
public:
    FtpSite(const RemoteAddress& address, const SiteCredentials& credentials, const SiteTrust& trust,
            const std::atomic<bool>& stop);

    [[nodiscard]] UploadFailure list(std::vector<RemoteEntry>& entries) override;
    [[nodiscard]] UploadFailure read(const std::string& path, std::string& bytes) override;
    [[nodiscard]] UploadFailure makeFolder(const std::string& path) override;
    [[nodiscard]] UploadFailure send(const std::vector<Transfer>& transfers, const SendProgress& progress) override;
    [[nodiscard]] UploadFailure write(const std::string& path, std::string_view bytes) override;
    // RNFR/RNTO renames onto an existing file in one step.
    bool renameReplaces() const override { return true; }
    [[nodiscard]] UploadFailure rename(const std::string& from, const std::string& to) override;
    [[nodiscard]] UploadFailure remove(const std::string& path) override;

private:
    void prepare(CURL* handle, const std::string& url);
    // libcurl's codes lump FTP's refusals together; the server's last
    // reply tells a full disk, a refused login and a refused write apart.
    UploadFailure explain(CURL* handle, CURLcode code, const char* errorText, const std::string& path);
    // Runs the control handle on `url`, set up by `setUp` (called again for
    // the one retry), to its end; `path` names the file concerned.
    UploadFailure perform(const std::string& url, const std::string& path, const std::function<void(CURL*)>& setUp);
    // `perform`, for the requests FTP and SFTP make alike.
    RunRequest requests();
    // FTP commands, each sent in the login folder; a connection whose
    // commands `leavesFolder` is closed after them.
    UploadFailure runCommands(const std::vector<std::string>& commands, const std::string& path,
                              bool leavesFolder = false);
    // `path` below the folder, as a command in the login folder names it.
    std::string fromLoginFolder(const std::string& path) const;

    RemoteAddress address;
    SiteCredentials credentials;
    bool plainFtp;
    const std::atomic<bool>& stop;
    // The certificates to verify against, and why they could not be read.
    std::string certificates;
    UploadFailure unusableTrust;
    // Before the handles that use it, so that it outlives them.
    CurlShare connections;
    CurlEasy control;
    char errorText[CURL_ERROR_SIZE] = {};
    // Each handle's last reply from the server.
    std::map<CURL*, std::string> lastReplies;
    ParallelSend sender;
};

} // namespace upload

#endif
