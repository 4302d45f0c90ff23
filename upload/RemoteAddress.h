#ifndef UPLOAD_REMOTEADDRESS_H
#define UPLOAD_REMOTEADDRESS_H

#include <string>
#include <string_view>

namespace upload {

enum class Protocol {
    Sftp,   // sftp://
    Ftp,    // ftp:// with explicit TLS (AUTH TLS)
    Ftps,   // ftps://, implicit TLS
    WebDav, // https://, or http:// to a loopback host
};

// Where an upload goes: the remote folder that receives what the output
// folder holds.
struct RemoteAddress {
    Protocol protocol = Protocol::Sftp;
    std::string scheme = "sftp";
    std::string user; // empty: the login's own name, or the netrc's
    std::string host; // as given; an IPv6 address without brackets
    int port = 0;     // 0: the protocol's own
    // Absolute, "/" between folders, no "/" at the end except for the root.
    std::string folder;

    // The address of `path` below the folder ("" for the folder itself,
    // with a "/" at the end), percent-encoded, without the user.
    std::string url(std::string_view path = {}) const;
    // The same with the user in it: libcurl looks a password up in the
    // netrc by host and user, and a user given as an option keeps it from
    // looking at all.
    std::string urlWithUser(std::string_view path = {}) const;
    // The address as messages show it: scheme, host, port and folder.
    std::string shown() const;
    int effectivePort() const;
};

enum class AddressProblem {
    None,
    NotAnAddress,      // no "scheme://host"
    UnknownScheme,     // not sftp, ftp, ftps, https or http
    PasswordInAddress, // "user:password@": passwords never go on a command line
    BadPort,
    PlainHttpNotLoopback, // http:// sends the password in the clear
    BadFolder,            // ".." or a control character in the path
};

[[nodiscard]] AddressProblem parseRemoteAddress(std::string_view text, RemoteAddress& address);

} // namespace upload

#endif
