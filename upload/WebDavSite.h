#ifndef UPLOAD_WEBDAVSITE_H
#define UPLOAD_WEBDAVSITE_H

#include "upload/DavRequest.h"
#include "upload/ParallelSend.h"
#include "upload/RemoteSite.h"

#include <map>

namespace upload {

// A remote folder on a WebDAV server: PROPFIND lists, GET reads, PUT
// writes, MKCOL makes folders, MOVE renames and DELETE removes.
class WebDavSite final : public RemoteSite {
public:
    WebDavSite(const RemoteAddress& address, const SiteCredentials& credentials, const SiteTrust& trust,
               const std::atomic<bool>& stop);

    [[nodiscard]] UploadFailure list(std::vector<RemoteEntry>& entries) override;
    [[nodiscard]] UploadFailure read(const std::string& path, std::string& bytes) override;
    [[nodiscard]] UploadFailure makeFolder(const std::string& path) override;
    [[nodiscard]] UploadFailure send(const std::vector<Transfer>& transfers, const SendProgress& progress) override;
    [[nodiscard]] UploadFailure write(const std::string& path, std::string_view bytes) override;
    // Apache's MOVE with "Overwrite: T" deletes the target before it moves,
    // so a replacing rename is no safer than moving the old file aside.
    bool renameReplaces() const override { return false; }
    [[nodiscard]] UploadFailure rename(const std::string& from, const std::string& to) override;
    [[nodiscard]] UploadFailure remove(const std::string& path) override;

private:
    [[nodiscard]] UploadFailure listFolder(const std::string& folder, std::vector<RemoteEntry>& entries);
    std::optional<std::string> belowFolder(const std::string& serverPath) const;
    void preparePut(CURL* handle, const Transfer& transfer);
    UploadFailure explainPut(CURL* handle, CURLcode code, const char* errorText, const std::string& path);

    // Before the handles that use it, so that it outlives them.
    CurlShare connections;
    DavSession session;
    // One handle for the requests made one after another.
    CurlEasy connection;
    // The last status line each sending connection received.
    std::map<CURL*, std::string> sendingStatus;
    ParallelSend sender;
    // Why no request can be made at all, such as an unreadable private
    // certificate file.
    UploadFailure unusable;
};

} // namespace upload

#endif
