#include "cli/UploadCredentials.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <termios.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace cli {

namespace {

fs::path homeFolder() {
    const char* home = std::getenv("HOME");
    return home ? fs::path(home) : fs::path();
}

bool isFile(const fs::path& path) {
    std::error_code error;
    return fs::is_regular_file(path, error);
}

// Echo off while the password is typed, back on whatever happens.
class EchoOff {
public:
    EchoOff() : active(::tcgetattr(STDIN_FILENO, &saved) == 0) {
        if (!active)
            return;
        termios quiet = saved;
        quiet.c_lflag &= ~static_cast<tcflag_t>(ECHO);
        ::tcsetattr(STDIN_FILENO, TCSAFLUSH, &quiet);
    }
    ~EchoOff() {
        if (active)
            ::tcsetattr(STDIN_FILENO, TCSAFLUSH, &saved);
    }
    EchoOff(const EchoOff&) = delete;
    EchoOff& operator=(const EchoOff&) = delete;

private:
    termios saved{};
    bool active;
};

} // namespace

upload::SiteCredentials credentialsFromUser() {
    upload::SiteCredentials credentials;
    fs::path home = homeFolder();
    for (const char* name : {"id_ed25519", "id_ecdsa", "id_rsa"})
        if (!home.empty() && isFile(home / ".ssh" / name))
            credentials.keyFiles.push_back(home / ".ssh" / name);
    if (!home.empty() && isFile(home / ".netrc"))
        credentials.netrc = home / ".netrc";
    if (const char* password = std::getenv("TUNEMILL_UPLOAD_PASSWORD"))
        credentials.password = password;
    return credentials;
}

std::optional<std::string> askPassword(const std::string& site) {
    if (::isatty(STDIN_FILENO) != 1)
        return std::nullopt;
    std::fprintf(stderr, "Password for %s: ", site.c_str());
    std::fflush(stderr);
    std::string password;
    {
        EchoOff quiet;
        std::getline(std::cin, password);
    }
    std::fprintf(stderr, "\n");
    if (password.empty())
        return std::nullopt;
    return password;
}

std::string knownHostsFile() {
    fs::path home = homeFolder();
    return home.empty() ? std::string() : (home / ".ssh" / "known_hosts").string();
}

} // namespace cli
