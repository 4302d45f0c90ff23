#ifndef UPLOAD_SFTPLOGIN_H
#define UPLOAD_SFTPLOGIN_H

#include "upload/RemoteSite.h"

#include <curl/curl.h>

#include <filesystem>
#include <string>
#include <vector>

namespace upload {

// One way to log in to an SFTP server. libcurl takes one key file per
// handle, so each key is a login of its own, tried on a connection of
// its own until the server takes one.
struct SftpLogin {
    long methods = 0; // CURLSSH_AUTH_*
    std::filesystem::path keyFile;
};

// In the order they are tried: the agent when one runs, the key files
// that exist, then the password (given, or from the netrc).
std::vector<SftpLogin> sftpLogins(const SiteCredentials& credentials);

// Sets `handle`, whose address names the user, up to log in that way. The
// password goes only to libcurl, never into a message.
void applySftpLogin(CURL* handle, const SftpLogin& login, const SiteCredentials& credentials);

// The user to log in as: the address's, or the local login's name.
std::string sftpUser(const std::string& addressUser);

} // namespace upload

#endif
