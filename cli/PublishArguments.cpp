#include "cli/PublishArguments.h"

#include "audio/TrackTitle.h"

#include <algorithm>
#include <filesystem>
#include <iterator>

namespace cli {

const char* const PublishUsage =
    "usage: tunemill-publish --folder DIR [--title TEXT] [--skin real-like|wmp-like|simple|FILE.swf]\n"
    "                        [--autostart 0|1] [--autonext 0|1] [--loop 0|1] [--shuffle 0|1]\n"
    "                        [--html 0|1] [--runtime 0|1] [--serve [--port N] [--open]] [--] FILE[=TITLE]...\n"
    "       tunemill-publish --demo --folder DIR [--serve [--port N] [--open]]\n"
    "       tunemill-publish --serve --folder DIR [--port N] [--open]\n";

namespace {

bool parsePort(const std::string& text, int& port) {
    if (text.empty() || text.size() > 5 || text.find_first_not_of("0123456789") != std::string::npos)
        return false;
    port = std::stoi(text);
    return port <= 65535;
}

bool parseFlag(const std::string& text, bool& flag) {
    if (text != "0" && text != "1")
        return false;
    flag = text == "1";
    return true;
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

} // namespace

std::optional<PublishArguments> parsePublishArguments(const std::vector<std::string>& arguments, std::string& error) {
    PublishArguments parsed;
    struct FlagOption {
        const char* name;
        bool* flag;
    };
    const FlagOption flags[] = {{"--autostart", &parsed.autoStart}, {"--autonext", &parsed.autoNext},
                                {"--loop", &parsed.loop},           {"--shuffle", &parsed.shuffle},
                                {"--html", &parsed.html},           {"--runtime", &parsed.runtime}};
    // Options that take no value.
    const FlagOption switches[] = {{"--demo", &parsed.demo}, {"--serve", &parsed.serve}, {"--open", &parsed.open}};
    bool optionsEnded = false;
    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (optionsEnded || argument.rfind("--", 0) != 0) {
            parsed.tracks.push_back(trackFor(argument));
            continue;
        }
        if (argument == "--") {
            optionsEnded = true;
            continue;
        }
        auto isSwitch = [&argument](const FlagOption& option) { return argument == option.name; };
        if (auto found = std::find_if(std::begin(switches), std::end(switches), isSwitch); found != std::end(switches)) {
            *found->flag = true;
            continue;
        }
        if (i + 1 >= arguments.size()) {
            error = argument + " needs a value";
            return std::nullopt;
        }
        const std::string& value = arguments[++i];
        bool known = true;
        if (argument == "--folder")
            parsed.folder = value;
        else if (argument == "--title")
            parsed.title = value;
        else if (argument == "--skin")
            parsed.skin = value;
        else if (argument == "--port") {
            if (!parsePort(value, parsed.port)) {
                error = "--port takes a port number from 0 to 65535, not \"" + value + "\"";
                return std::nullopt;
            }
        } else
            known = false;
        for (const FlagOption& option : flags) {
            if (argument != option.name)
                continue;
            known = true;
            if (!parseFlag(value, *option.flag)) {
                error = argument + " takes 0 or 1, not \"" + value + "\"";
                return std::nullopt;
            }
        }
        if (!known) {
            error = "unknown option " + argument;
            return std::nullopt;
        }
    }
    if (parsed.folder.empty())
        error = "--folder is missing";
    else if (parsed.demo && !parsed.tracks.empty())
        error = "--demo makes its own tracks; give no files with it";
    else if (!parsed.demo && !parsed.serve && parsed.tracks.empty())
        error = "no files to publish";
    else if ((parsed.open || parsed.port != 0) && !parsed.serve)
        error = "--open and --port go with --serve";
    if (!error.empty())
        return std::nullopt;
    return parsed;
}

} // namespace cli
