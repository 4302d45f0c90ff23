#include "cli/PublishArguments.h"

#include "audio/TrackTitle.h"
#include "cli/ExitStatus.h"
#include "publish/EmbedPage.h"
#include "upload/RemoteAddress.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <filesystem>
#include <memory>

namespace cli {

namespace {

const char* const Program = "tunemill-publish";

const char* const Synopsis =
    "Usage: tunemill-publish --folder DIR [OPTIONS] [--] FILE[=TITLE]|FOLDER|PLAYLIST...\n"
    "  or:  tunemill-publish --demo --folder DIR [--serve [--port N] [--open]]\n"
    "  or:  tunemill-publish --serve --folder DIR [--port N] [--open]\n"
    "  or:  tunemill-publish --folder DIR --upload URL [--dry-run] [FILE...]\n";

const char* const FilesHelp =
    "FILE[=TITLE] is a music file, titled TITLE or else by its tags or its name.\n"
    "A FOLDER stands for its music files in album order, a PLAYLIST (.m3u, .m3u8, .pls, .xspf) for its entries.\n"
    "Options end at --; files whose names begin with - or -- can follow it.\n"
    "URL is sftp://[USER@]HOST[:PORT]/FOLDER, ftp:// (with TLS), ftps:// or https:// (WebDAV).\n"
    "The password comes from ~/.netrc, TUNEMILL_UPLOAD_PASSWORD or a prompt; SFTP tries ssh-agent and ~/.ssh keys first.\n"
    "Exit status: 0 all tracks published (and uploaded), 1 some skipped or not written, or the upload failed,\n"
    "2 bad arguments, 130 or 143 stopped by a signal.";

// The help starts with the program's synopsis, where files have their place.
class PublishHelpFormatter : public CLI::Formatter {
public:
    std::string make_usage(const CLI::App*, std::string) const override { return Synopsis; }
};

std::string withDefault(const std::string& help, bool value) {
    return help + " (default " + (value ? "1" : "0") + ")";
}

// 0 or 1, the way the settings file writes them, rather than CLI11's many
// spellings of true and false.
const CLI::Validator ZeroOrOne(
    [](std::string& value) { return value == "0" || value == "1" ? "" : "takes 0 or 1, not \"" + value + "\""; },
    "", "0|1");

const CLI::Validator PortNumber(
    [](std::string& value) {
        bool digits = !value.empty() && value.size() <= 5 && value.find_first_not_of("0123456789") == std::string::npos;
        return digits && std::stoi(value) <= 65535 ? ""
                                                   : "takes a port number from 0 to 65535, not \"" + value + "\"";
    },
    "", "N");

const CLI::Validator EmbedBase(
    [](std::string& value) {
        return value.empty() || publish::isEmbedBase(value)
                   ? ""
                   : "takes an http:// or https:// address or a relative path, without spaces, not \"" + value +
                         "\"";
    },
    "", "URL");

const CLI::Validator JobCount(
    [](std::string& value) {
        bool digits = !value.empty() && value.size() <= 4 && value.find_first_not_of("0123456789") == std::string::npos;
        return digits && std::stoi(value) >= 1 ? "" : "takes a number of tracks from 1 up, not \"" + value + "\"";
    },
    "", "N");

void addChoice(CLI::App& app, const std::string& name, bool& choice, const std::string& help) {
    app.add_option(name, choice, withDefault(help, choice))->check(ZeroOrOne)->type_name("0|1");
}

const CLI::Validator HostKeyFingerprint(
    [](std::string& value) {
        return value.starts_with("SHA256:") && value.size() > 7 ? ""
                                                                  : "takes a fingerprint SHA256:..., not \"" + value + "\"";
    },
    "", "SHA256:...");

const CLI::Validator SiteUrl(
    [](std::string& value) {
        bool web = (value.starts_with("http://") || value.starts_with("https://")) &&
                   value.find_first_of(" \t\r\n") == std::string::npos;
        return web ? "" : "takes an http:// or https:// address, not \"" + value + "\"";
    },
    "", "URL");

const CLI::Validator ExistingFile(
    [](std::string& value) {
        std::error_code error;
        return std::filesystem::is_regular_file(value, error) ? "" : "takes an existing file, not \"" + value + "\"";
    },
    "", "FILE");

void addUploadOptions(CLI::App& app, PublishArguments& parsed) {
    app.add_option("--upload", parsed.upload, "uploads DIR/output to the remote folder URL, only what changed")
        ->type_name("URL");
    app.add_flag("--dry-run", parsed.dryRun, "with --upload: lists what would be sent, renamed and deleted");
    app.add_option("--accept-host-key", parsed.acceptHostKey,
                   "trusts the SFTP host key of this SHA256:... fingerprint, adding it to known_hosts")
        ->check(HostKeyFingerprint)
        ->type_name("KEY");
    app.add_option("--ca-file", parsed.caFile, "also trusts the certificate authority in FILE")
        ->check(ExistingFile)
        ->type_name("FILE");
    app.add_flag("--plain-ftp", parsed.plainFtp, "lets ftp:// go on without TLS, password in the clear");
    app.add_option("--site-url", parsed.siteUrl, "with --upload: the folder's web address, checked after the upload")
        ->check(SiteUrl)
        ->type_name("URL");
}

// Every option, each with its one line of help; a new option is one more
// line here.
void addOptions(CLI::App& app, PublishArguments& parsed) {
    app.add_option("--folder", parsed.folder, "the player goes to DIR/output; --serve serves it from there")
        ->type_name("DIR");
    app.add_option("--title", parsed.title, "the playlist's title (default \"" + parsed.title + "\")")
        ->type_name("TEXT");
    app.add_option("--skin", parsed.skin, "real-like (default), wmp-like, simple, or the path of an SWF movie")
        ->type_name("SKIN");
    addChoice(app, "--autostart", parsed.autoStart, "the player starts playing by itself");
    addChoice(app, "--autonext", parsed.autoNext, "goes on to the next track");
    addChoice(app, "--loop", parsed.loop, "starts again after the last track");
    addChoice(app, "--shuffle", parsed.shuffle, "plays the tracks in random order");
    addChoice(app, "--html", parsed.html, "also writes the web page Player.htm");
    addChoice(app, "--runtime", parsed.runtime, "copies the SWF runtime, for browsers without Flash");
    addChoice(app, "--htaccess", parsed.htaccess, "with the runtime, writes .htaccess for Apache hosts");
    addChoice(app, "--lyrics", parsed.lyrics, "puts the tracks' timed lyrics into the player");
    app.add_option("--embed-base", parsed.embedBase, "the output folder's address on your site, for the embed snippet")
        ->check(EmbedBase)
        ->type_name("URL");
    app.add_flag("--demo", parsed.demo, "publishes the built-in demo tunes instead of files");
    app.add_flag("--serve", parsed.serve, "serves the player on 127.0.0.1 until Ctrl+C");
    app.add_option("--port", parsed.port, "the port --serve listens on (default any free one)")
        ->check(PortNumber)
        ->type_name("N");
    app.add_flag("--open", parsed.open, "opens the served page in the desktop's browser");
    app.add_option("--jobs", parsed.jobs, "tracks built at once (default one per processor; 1 one at a time)")
        ->check(JobCount)
        ->type_name("N");
    app.add_flag("--no-cache{false}", parsed.cache, "neither takes results from the cache nor keeps them there");
    app.add_option_function<std::string>(
           "--cache-limit",
           [&parsed](const std::string& text) {
               std::optional<std::uintmax_t> size = publish::parseCacheSize(text);
               if (!size)
                   throw CLI::ValidationError("--cache-limit", "takes a size such as 500M or 2G, not \"" + text + "\"");
               parsed.cacheLimit = *size;
           },
           "the cache's bound, least recently used out first (default 2G)")
        ->type_name("SIZE");
    addUploadOptions(app, parsed);
}

bool exists(const std::string& path) {
    std::error_code error;
    return std::filesystem::exists(path, error);
}

// FILE or FILE=TITLE. A file whose own name holds "=" is found as the
// shortest part before an "=" that names an existing file.
publish::PlaylistItem trackFor(const std::string& argument) {
    if (exists(argument))
        return {argument, audio::titleForFile(argument)};
    for (size_t equals = argument.find('='); equals != std::string::npos; equals = argument.find('=', equals + 1))
        if (exists(argument.substr(0, equals)))
            return {argument.substr(0, equals), argument.substr(equals + 1)};
    size_t equals = argument.find('=');
    if (equals == std::string::npos)
        return {argument, audio::titleForFile(argument)};
    return {argument.substr(0, equals), argument.substr(equals + 1)};
}

// CLI11 leaves what no option took in the order given, with "--" where the
// options ended: before it, anything spelt like a long option is unknown;
// everything else is a file, also one that begins with a single "-".
std::string takeFiles(const std::vector<std::string>& leftOver, PublishArguments& parsed) {
    bool optionsEnded = false;
    for (const std::string& argument : leftOver) {
        if (!optionsEnded && argument == "--")
            optionsEnded = true;
        else if (!optionsEnded && argument.rfind("--", 0) == 0)
            return "unknown option " + argument;
        else
            parsed.tracks.push_back(trackFor(argument));
    }
    return "";
}

std::string addressMistake(const std::string& text) {
    upload::RemoteAddress address;
    switch (upload::parseRemoteAddress(text, address)) {
    case upload::AddressProblem::None: return "";
    case upload::AddressProblem::NotAnAddress: return "--upload takes an address such as sftp://host/folder, not \"" + text + "\"";
    case upload::AddressProblem::UnknownScheme: return "--upload takes sftp://, ftp://, ftps:// or https:// addresses";
    case upload::AddressProblem::PasswordInAddress:
        return "--upload's address holds a password: leave it out, and give it in ~/.netrc, TUNEMILL_UPLOAD_PASSWORD or at the prompt";
    case upload::AddressProblem::BadPort: return "--upload's port is not a number from 1 to 65535";
    case upload::AddressProblem::PlainHttpNotLoopback:
        return "--upload sends the password in the clear over http://: use https://";
    case upload::AddressProblem::BadFolder: return "--upload's folder holds \"..\" or a control character";
    }
    return "";
}

std::string contradiction(const PublishArguments& parsed) {
    if (parsed.folder.empty())
        return "--folder is missing";
    if (parsed.demo && !parsed.tracks.empty())
        return "--demo makes its own tracks; give no files with it";
    if (!parsed.demo && !parsed.serve && parsed.upload.empty() && parsed.tracks.empty())
        return "no files to publish";
    if (parsed.upload.empty() && (parsed.dryRun || parsed.plainFtp || !parsed.acceptHostKey.empty() ||
                                  !parsed.caFile.empty() || !parsed.siteUrl.empty()))
        return "--dry-run, --accept-host-key, --ca-file, --plain-ftp and --site-url go with --upload";
    if (!parsed.upload.empty() && parsed.serve)
        return "--upload and --serve do not go together";
    if (!parsed.upload.empty())
        return addressMistake(parsed.upload);
    if ((parsed.open || parsed.port != 0) && !parsed.serve)
        return "--open and --port go with --serve";
    return "";
}

CommandLineReply mistake(const std::string& what) {
    return {BadArguments, std::string(Program) + ": " + what + "\nRun with --help for more information.\n", false};
}

} // namespace

std::variant<PublishArguments, CommandLineReply> parsePublishArguments(const std::vector<std::string>& arguments) {
    PublishArguments parsed;
    CLI::App app("Publishes music files as a web music player: track movies, a playlist, a skin, a page.", Program);
    app.formatter(std::make_shared<PublishHelpFormatter>());
    app.get_formatter()->column_width(26);
    app.set_help_flag("-h,--help", "prints this help and exits");
    app.set_version_flag("--version", std::string(Program) + " " + TUNEMILL_VERSION, "prints the version and exits");
    app.footer(FilesHelp);
    // As before CLI11: a repeated option counts as last given.
    app.option_defaults()->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
    app.allow_extras();
    addOptions(app, parsed);
    try {
        // CLI11 parses a reversed list, taking arguments from its back.
        std::vector<std::string> reversed(arguments.rbegin(), arguments.rend());
        app.parse(reversed);
    } catch (const CLI::CallForHelp&) {
        return CommandLineReply{AllPublished, app.help(), true};
    } catch (const CLI::CallForVersion& version) {
        return CommandLineReply{AllPublished, std::string(version.what()) + "\n", true};
    } catch (const CLI::ParseError& error) {
        return mistake(error.what());
    }
    std::string wrong = takeFiles(app.remaining(), parsed);
    if (wrong.empty())
        wrong = contradiction(parsed);
    if (!wrong.empty())
        return mistake(wrong);
    return parsed;
}

} // namespace cli
