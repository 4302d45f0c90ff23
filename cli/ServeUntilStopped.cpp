#include "cli/ServeUntilStopped.h"

#include "cli/ProgramLine.h"
#include "preview/FolderServer.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <spawn.h>
#include <string>

extern char** environ;

namespace cli {

namespace {

// Opens the address with xdg-open when the desktop has it; a missing
// browser is no reason to stop serving.
void openInBrowser(const std::string& address) {
    // The browser must not inherit the blocked stop signals.
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    sigset_t none;
    sigemptyset(&none);
    posix_spawnattr_setsigmask(&attributes, &none);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGMASK);
    pid_t child;
    const char* arguments[] = {"xdg-open", address.c_str(), nullptr};
    if (posix_spawnp(&child, "xdg-open", nullptr, &attributes, const_cast<char**>(arguments), environ) != 0)
        say("no xdg-open here to open the browser; open the address yourself");
    posix_spawnattr_destroy(&attributes);
}

} // namespace

bool serveUntilStopped(const std::filesystem::path& folder, const std::string& page, int port, bool openBrowser) {
    // Blocked before the server's threads start, so that they inherit the
    // mask and the signals reach sigwait below.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);

    preview::FolderServer server(folder);
    if (!server.start(port)) {
        say("cannot listen on 127.0.0.1 port " + std::to_string(port));
        return false;
    }
    std::string address = server.address(page);
    std::printf("%s\n", address.c_str());
    std::fflush(stdout);
    std::fprintf(stderr, "Serving %s. Open the address above in your browser; press Ctrl+C to stop.\n",
                 folder.c_str());
    if (openBrowser)
        openInBrowser(address);
    int received;
    sigwait(&stopSignals, &received);
    server.stop();
    std::fprintf(stderr, "Stopped serving.\n");
    return true;
}

} // namespace cli
