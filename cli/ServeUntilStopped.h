#ifndef CLI_SERVEUNTILSTOPPED_H
#define CLI_SERVEUNTILSTOPPED_H

#include <filesystem>
#include <string>

namespace cli {

// Serves `folder` on loopback, prints the address of `page` on its own line
// on standard output and, when asked, opens it in the desktop's browser;
// returns when the process is interrupted (Ctrl+C, SIGTERM). False, with a
// message, when the port cannot be had.
bool serveUntilStopped(const std::filesystem::path& folder, const std::string& page, int port, bool openBrowser);

} // namespace cli

#endif
