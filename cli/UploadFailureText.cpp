#include "cli/UploadFailureText.h"

namespace cli {

namespace {

using upload::UploadProblem;

std::string reasonOf(const upload::UploadFailure& failure) {
    switch (failure.problem) {
    case UploadProblem::None: return "";
    case UploadProblem::HostNotFound: return "the host is not found";
    case UploadProblem::CannotConnect: return "cannot connect to the host";
    case UploadProblem::HostKeyUnknown:
        return "Host key verification failed: the host is not in ~/.ssh/known_hosts; its key is " +
               failure.fingerprint + ". If that is your server's key, run again with --accept-host-key " +
               failure.fingerprint;
    case UploadProblem::HostKeyChanged:
        return "Host key verification failed: the host's key has changed from " + failure.knownFingerprint + " to " +
               failure.fingerprint + ". Someone may be listening in; if your host changed its key, remove its line from ~/.ssh/known_hosts";
    case UploadProblem::CertificateUntrusted:
        return "the server's certificate is not trusted (--ca-file adds a certificate authority)";
    case UploadProblem::TlsUnavailable:
        return "the FTP server offers no TLS, so the password would go in the clear (--plain-ftp allows it)";
    case UploadProblem::LoginRefused: return "the login was refused: check the user and the password";
    case UploadProblem::PermissionDenied: return "Permission denied";
    case UploadProblem::RemoteFull: return "the remote disk or quota is full";
    case UploadProblem::NotFound: return "not found on the server";
    case UploadProblem::ConnectionLost: return "the connection was lost";
    case UploadProblem::Stopped: return "stopped";
    case UploadProblem::LocalFile: return "cannot read the file (" + failure.system.message() + ")";
    case UploadProblem::RemoteRefused: return "the server refused";
    }
    return "";
}

} // namespace

std::string describeUploadFailure(const upload::UploadFailure& failure) {
    std::string text = reasonOf(failure);
    if (!failure.path.empty())
        text = failure.path + ": " + text;
    if (!failure.remoteText.empty())
        text += " (" + failure.remoteText + ")";
    return text;
}

std::string describeSiteState(upload::SiteState state, const std::string& site) {
    switch (state) {
    case upload::SiteState::Untouched: return "The player on " + site + " is unchanged.";
    case upload::SiteState::PartlySwitched:
        return "The player on " + site +
               " was being switched over: it plays, partly new and partly old; upload again to finish.";
    case upload::SiteState::Switched: return "The new player is on " + site + ".";
    }
    return "";
}

} // namespace cli
