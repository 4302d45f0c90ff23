#ifndef UPLOAD_REMOTESITE_H
#define UPLOAD_REMOTESITE_H

#include "upload/RemoteAddress.h"
#include "upload/RemoteEntry.h"
#include "upload/UploadFailure.h"

#include <atomic>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace upload {

// Who the upload logs in as. The password never comes from a command line:
// the front ends take it from the environment, a prompt or the keyring.
struct SiteCredentials {
    std::optional<std::string> password;
    // SFTP: the key files to try after the agent, in order.
    std::vector<std::filesystem::path> keyFiles;
    // ~/.netrc, when it exists.
    std::optional<std::filesystem::path> netrc;
};

// What the upload trusts beyond the system's certificate store and the
// user's known_hosts.
struct SiteTrust {
    std::filesystem::path knownHosts; // ~/.ssh/known_hosts
    // "SHA256:..." of an SFTP host key the user accepts: added to knownHosts.
    std::string acceptHostKey;
    // A private certificate authority, trusted beside the system's store.
    std::optional<std::filesystem::path> caFile;
    // ftp:// without TLS, only when the user asks for it.
    bool plainFtp = false;
};

struct Transfer {
    std::filesystem::path local;
    std::string remote; // below the remote folder
    std::uint64_t size = 0;
};

// Called from the sending thread with the bytes sent so far in this call
// and the number of files complete.
using SendProgress = std::function<void(std::uint64_t bytes, std::size_t filesDone)>;

// The remote folder, over one protocol. Every path is below the remote
// folder, "/" between folders. Every call returns promptly once `stop` is
// set, and gives up on a connection that makes no progress.
class RemoteSite {
public:
    virtual ~RemoteSite() = default;

    // Everything below the folder, recursively; empty when the folder does
    // not exist yet.
    [[nodiscard]] virtual UploadFailure list(std::vector<RemoteEntry>& entries) = 0;
    [[nodiscard]] virtual UploadFailure read(const std::string& path, std::string& bytes) = 0;
    // The folder itself for "", with its parents as needed.
    [[nodiscard]] virtual UploadFailure makeFolder(const std::string& path) = 0;
    // Sends the files, several at once where the protocol allows.
    [[nodiscard]] virtual UploadFailure send(const std::vector<Transfer>& transfers, const SendProgress& progress) = 0;
    [[nodiscard]] virtual UploadFailure write(const std::string& path, std::string_view bytes) = 0;
    // Whether a rename onto an existing file replaces it in one step.
    virtual bool renameReplaces() const = 0;
    [[nodiscard]] virtual UploadFailure rename(const std::string& from, const std::string& to) = 0;
    [[nodiscard]] virtual UploadFailure remove(const std::string& path) = 0;
};

std::unique_ptr<RemoteSite> openRemoteSite(const RemoteAddress& address, const SiteCredentials& credentials,
                                           const SiteTrust& trust, const std::atomic<bool>& stop);

} // namespace upload

#endif
