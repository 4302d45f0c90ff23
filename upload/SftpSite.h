#ifndef UPLOAD_SFTPSITE_H
#define UPLOAD_SFTPSITE_H

#include "upload/CurlHandle.h"
#include "upload/FileUrlRequests.h"
#include "upload/ParallelSend.h"
#include "upload/RemoteSite.h"
#include "upload/SftpLogin.h"
#include "upload/SshHostKeyCheck.h"

#include <optional>

namespace upload {

// The remote folder on an SFTP server, through libcurl and libssh2. One
// connection serves the listings, reads and renames; sends use a few more.
class SftpSite final : public RemoteSite {
public:
    SftpSite(const RemoteAddress& address, const SiteCredentials& credentials, const SiteTrust& trust,
             const std::atomic<bool>& stop);

    [[nodiscard]] UploadFailure list(std::vector<RemoteEntry>& entries) override;
    [[nodiscard]] UploadFailure read(const std::string& path, std::string& bytes) override;
    [[nodiscard]] UploadFailure makeFolder(const std::string& path) override;
    [[nodiscard]] UploadFailure send(const std::vector<Transfer>& transfers, const SendProgress& progress) override;
    [[nodiscard]] UploadFailure write(const std::string& path, std::string_view bytes) override;
    // OpenSSH refuses to rename onto an existing file, and libcurl offers
    // no posix-rename.
    bool renameReplaces() const override { return false; }
    [[nodiscard]] UploadFailure rename(const std::string& from, const std::string& to) override;
    [[nodiscard]] UploadFailure remove(const std::string& path) override;

private:
    UploadFailure logIn();
    void prepare(CURL* handle, const std::string& url, const SftpLogin& login);
    // A handle of the sender's, for sending `sent`.
    void prepareSend(CURL* handle, const Transfer& sent);
    // libcurl gives one code, often without words, for a session that
    // died and for a write that OpenSSH refused with a bare "Operation
    // failed", as it refuses one to a full disk. A second connection
    // tells them apart: whether it connects, and the free space it finds
    // where `path` went.
    UploadProblem diagnose(const std::string& path);
    UploadFailure explain(CURL* handle, CURLcode code, const char* errorText, const std::string& path);
    // Runs the control handle on `url`, logged in `way` and set up by
    // `setUp` (called again for a retry), to its end; `path` names the
    // file concerned in a failure.
    UploadFailure attempt(const std::string& url, const std::string& path, const SftpLogin& way,
                          const std::function<void(CURL*)>& setUp);
    // The same once logged in.
    UploadFailure perform(const std::string& url, const std::string& path, const std::function<void(CURL*)>& setUp);
    // `perform`, for the requests FTP and SFTP make alike.
    RunRequest requests();
    // libcurl's SFTP commands ("rename", "rm", "mkdir"); a command starting
    // with "*" may fail.
    UploadFailure runCommands(const std::vector<std::string>& commands, const std::string& path);
    // `address` with the user to log in as: libcurl reads the netrc only
    // for a user in the address, never for one set apart.
    static RemoteAddress withUser(RemoteAddress address);
    // The server's root folder, where commands and the login check run.
    std::string rootUrl() const;
    // The path on the server of `path` below the folder.
    std::string absolute(const std::string& path) const;
    // As a libcurl SFTP command takes a path with blanks or quotes in it.
    static std::string quotedPath(const std::string& path);

    RemoteAddress address;
    SiteCredentials credentials;
    const std::atomic<bool>& stop;
    SshHostKeyCheck hostKeys;
    // Before the handles that use it, so that it outlives them.
    CurlShare connections;
    CurlEasy control;
    char errorText[CURL_ERROR_SIZE] = {};
    // The login the server took, once one has been tried.
    std::optional<SftpLogin> login;
    ParallelSend sender;
};

} // namespace upload

#endif
