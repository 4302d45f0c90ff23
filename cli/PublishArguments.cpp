#include "cli/PublishArguments.h"

#include <filesystem>

namespace cli {

const char* const PublishUsage =
    "usage: tunemill-publish --folder DIR [--title TEXT] [--skin real-like|wmp-like|simple|FILE.swf]\n"
    "                        [--autostart 0|1] [--autonext 0|1] [--loop 0|1] [--shuffle 0|1]\n"
    "                        [--html 0|1] [--runtime 0|1] FILE[=TITLE]...\n"
    "       tunemill-publish --demo --folder DIR\n";

namespace {

bool parseFlag(const std::string& text, bool& flag) {
    if (text != "0" && text != "1")
        return false;
    flag = text == "1";
    return true;
}

publish::PlaylistItem trackFor(const std::string& argument) {
    size_t equals = argument.find('=');
    // A file whose own name holds "=" is taken whole.
    if (equals == std::string::npos || std::filesystem::exists(argument))
        return {argument, titleForFile(argument)};
    return {argument.substr(0, equals), argument.substr(equals + 1)};
}

} // namespace

std::string titleForFile(const std::string& path) {
    std::string name = std::filesystem::path(path).filename().string();
    return name.size() > 4 ? name.substr(0, name.size() - 4) : std::string();
}

std::optional<PublishArguments> parsePublishArguments(const std::vector<std::string>& arguments, std::string& error) {
    PublishArguments parsed;
    struct FlagOption {
        const char* name;
        bool* flag;
    };
    const FlagOption flags[] = {{"--autostart", &parsed.autoStart}, {"--autonext", &parsed.autoNext},
                                {"--loop", &parsed.loop},           {"--shuffle", &parsed.shuffle},
                                {"--html", &parsed.html},           {"--runtime", &parsed.runtime}};
    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "--demo") {
            parsed.demo = true;
            continue;
        }
        if (argument.rfind("--", 0) != 0) {
            parsed.tracks.push_back(trackFor(argument));
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
        else
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
    else if (!parsed.demo && parsed.tracks.empty())
        error = "no files to publish";
    if (!error.empty())
        return std::nullopt;
    return parsed;
}

} // namespace cli
