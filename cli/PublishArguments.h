#ifndef CLI_PUBLISHARGUMENTS_H
#define CLI_PUBLISHARGUMENTS_H

#include "publish/Playlist.h"
#include "content_cache/PublishCache.h"
#include "publish/PublishSettings.h"

#include <string>
#include <variant>
#include <vector>

namespace cli {

// What the command line asks tunemill-publish to do; the defaults are the
// wizard's, taken from its choices.
struct PublishArguments {
    std::string folder;
    std::string title = publish::PlayerChoices{}.title;
    std::string skin = "real-like";
    bool autoStart = publish::PlayerChoices{}.autoStart;
    bool autoNext = publish::PlayerChoices{}.autoNext;
    bool loop = publish::PlayerChoices{}.loop;
    bool shuffle = publish::PlayerChoices{}.random;
    bool html = publish::FolderChoices{}.html;
    // Bundles the SWF runtime so that the page plays without a plug-in.
    bool runtime = publish::FolderChoices{}.runtime;
    // With the runtime, an .htaccess that has Apache hosts send it
    // compressed and cached.
    bool htaccess = publish::FolderChoices{}.htaccess;
    // Timed lyrics in the track movies, for the skins that show them.
    bool lyrics = publish::PlayerChoices{}.lyrics;
    // The address the output folder will have on the user's site, for the
    // embed snippet; empty: a relative one.
    std::string embedBase;
    bool demo = false;
    // Serve the output folder on loopback after publishing, until stopped.
    bool serve = false;
    int port = 0;  // 0: any free port
    // Also open the page in the desktop's browser.
    bool open = false;
    // Tracks built at once; 0: one per processor this process may use.
    int jobs = 0;
    // Whether results are taken from and kept in the cache, and its bound.
    bool cache = true;
    std::uintmax_t cacheLimit = publish::PublishCache::DefaultLimit;
    // Upload the output folder to this address after publishing, or on
    // its own when no files are given.
    std::string upload;
    // List what the upload would send, rename and delete; send nothing.
    bool dryRun = false;
    // "SHA256:..." of an SFTP host key to add to known_hosts.
    std::string acceptHostKey;
    // A certificate authority to trust beside the system's.
    std::string caFile;
    // ftp:// to a server that offers no TLS.
    bool plainFtp = false;
    // The remote folder's web address: the upload ends by asking the site
    // for what it sent.
    std::string siteUrl;
    std::vector<publish::PlaylistItem> tracks;
};

// The answer when the command line asks for nothing to be published: the
// help, the version, or what is wrong with it.
struct CommandLineReply {
    int status;
    std::string text;
    bool toStandardOutput;
};

// Parses the arguments after the program name.
std::variant<PublishArguments, CommandLineReply> parsePublishArguments(const std::vector<std::string>& arguments);

} // namespace cli

#endif
