#ifndef UPLOAD_SSHHOSTKEY_H
#define UPLOAD_SSHHOSTKEY_H

#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

namespace upload {

// A server's public key as SSH sends it (the "key blob"): its algorithm's
// name, then the key itself.

// "SHA256:" and the unpadded base64 of the blob's SHA-256, as
// `ssh-keygen -l` shows it.
std::string hostKeyFingerprint(std::string_view blob);

// The line OpenSSH writes into known_hosts for the key: "[host]:port" for
// a port other than 22, the host alone for 22, then the algorithm and the
// blob in base64. Empty when the blob names no algorithm.
std::string knownHostsLine(const std::string& host, int port, std::string_view blob);

// Appends the line to the file, making it (mode 0600) and its folder
// (mode 0700) as ssh would.
[[nodiscard]] std::error_code appendKnownHost(const std::filesystem::path& knownHosts, const std::string& line);

} // namespace upload

#endif
