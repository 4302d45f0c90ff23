#include "upload/SftpLogin.h"

#include <cstdlib>
#include <pwd.h>
#include <unistd.h>

namespace upload {

std::vector<SftpLogin> sftpLogins(const SiteCredentials& credentials) {
    std::vector<SftpLogin> logins;
    const char* agent = std::getenv("SSH_AUTH_SOCK");
    if (agent && *agent)
        logins.push_back({CURLSSH_AUTH_AGENT, {}});
    for (const std::filesystem::path& key : credentials.keyFiles) {
        std::error_code ignored;
        if (std::filesystem::is_regular_file(key, ignored))
            logins.push_back({CURLSSH_AUTH_PUBLICKEY, key});
    }
    if (credentials.password || credentials.netrc)
        logins.push_back({CURLSSH_AUTH_PASSWORD | CURLSSH_AUTH_KEYBOARD, {}});
    return logins;
}

void applySftpLogin(CURL* handle, const SftpLogin& login, const SiteCredentials& credentials) {
    curl_easy_setopt(handle, CURLOPT_SSH_AUTH_TYPES, login.methods);
    if (!login.keyFile.empty()) {
        curl_easy_setopt(handle, CURLOPT_SSH_PRIVATE_KEYFILE, login.keyFile.c_str());
        // Empty: libssh2 derives the public key from the private one.
        curl_easy_setopt(handle, CURLOPT_SSH_PUBLIC_KEYFILE, "");
    }
    if (!(login.methods & CURLSSH_AUTH_PASSWORD))
        return;
    // A password the netrc holds for the host and user comes before the
    // one given, as with the other protocols.
    if (credentials.password)
        curl_easy_setopt(handle, CURLOPT_PASSWORD, credentials.password->c_str());
    if (credentials.netrc) {
        curl_easy_setopt(handle, CURLOPT_NETRC, static_cast<long>(CURL_NETRC_OPTIONAL));
        curl_easy_setopt(handle, CURLOPT_NETRC_FILE, credentials.netrc->c_str());
    }
}

std::string sftpUser(const std::string& addressUser) {
    if (!addressUser.empty())
        return addressUser;
    const passwd* entry = getpwuid(geteuid());
    return entry ? entry->pw_name : "";
}

} // namespace upload
