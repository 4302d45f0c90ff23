#ifndef UPLOAD_UPLOADFAILURE_H
#define UPLOAD_UPLOADFAILURE_H

#include <string>
#include <system_error>

namespace upload {

// Why a remote operation failed, as a value: the front ends say it in
// words.
enum class UploadProblem {
    None,
    HostNotFound,
    CannotConnect,
    HostKeyUnknown,       // `fingerprint` is the server's
    HostKeyChanged,       // `fingerprint` is the server's, `knownFingerprint` the recorded one
    CertificateUntrusted, // TLS verification failed
    TlsUnavailable,       // an ftp:// server that offers no AUTH TLS
    LoginRefused,
    PermissionDenied,
    RemoteFull, // disk full or quota
    NotFound,
    ConnectionLost, // dropped, or no progress for too long
    Stopped,
    LocalFile, // a file of the output folder could not be read: `system`
    RemoteRefused, // any other refusal; `remoteText` says the server's words
};

struct UploadFailure {
    UploadProblem problem = UploadProblem::None;
    std::string path;       // the remote or local file concerned, if any
    std::string remoteText; // the server's own words, when it gave any
    std::error_code system;
    std::string fingerprint;
    std::string knownFingerprint;

    explicit operator bool() const { return problem != UploadProblem::None; }
};

} // namespace upload

#endif
