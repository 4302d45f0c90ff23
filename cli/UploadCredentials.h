#ifndef CLI_UPLOADCREDENTIALS_H
#define CLI_UPLOADCREDENTIALS_H

#include "upload/RemoteSite.h"

#include <optional>
#include <string>

namespace cli {

// Where the command line finds a login, never on the command line itself:
// for SFTP the agent and the user's keys (~/.ssh/id_ed25519, id_ecdsa,
// id_rsa), then ~/.netrc, then TUNEMILL_UPLOAD_PASSWORD.
upload::SiteCredentials credentialsFromUser();

// Asks for the password on the terminal without echo; nothing when
// standard input is not a terminal or nothing was typed.
std::optional<std::string> askPassword(const std::string& site);

// ~/.ssh/known_hosts.
std::string knownHostsFile();

} // namespace cli

#endif
