// tunemill-publish: publishes a playlist into DIR/output from the command
// line, through the same settings file and publish job as the wizard.

#include "cli/ConsoleObserver.h"
#include "cli/DemoTunes.h"
#include "cli/PublishArguments.h"
#include "audio/TrackPreparation.h"
#include "publish/PublishJob.h"
#include "publish/PublishOptions.h"
#include "resources/Resources.h"

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

enum ExitStatus { AllPublished = 0, SomeSkipped = 1, BadArguments = 2 };

struct Skin {
    const char* name;
    int resource;
    const char* file;
};
const Skin Skins[] = {{"wmp-like", 208, "1.swf"}, {"real-like", 209, "2.swf"}, {"simple", 217, "3.swf"}};

// A private folder for the settings and data files, so that runs at once
// never share them; removed when the run ends.
class WorkFolder {
public:
    WorkFolder() {
        std::string pattern = (fs::temp_directory_path() / "tunemill-publish-XXXXXX").string();
        if (mkdtemp(pattern.data()))
            path = pattern;
    }
    ~WorkFolder() {
        std::error_code ignored;
        if (!path.empty())
            fs::remove_all(path, ignored);
    }
    fs::path path;
};

fs::path programFolder() {
    std::error_code error;
    fs::path program = fs::read_symlink("/proc/self/exe", error);
    return error ? fs::path() : program.parent_path();
}

// Where the skin's movie is, unpacked into the work folder as the player
// page does; empty (with a message) when it cannot be had.
std::string skinMovie(const std::string& skin, const fs::path& workFolder, bool& badArgument) {
    for (const Skin& candidate : Skins) {
        if (skin != candidate.name)
            continue;
        auto movie = resources::findResource("SWF", candidate.resource);
        if (movie.empty()) {
            std::fprintf(stderr, "tunemill-publish: the %s skin is missing from this build; no Player.swf is written\n",
                         skin.c_str());
            return "";
        }
        fs::path target = workFolder / "players" / candidate.file;
        fs::create_directories(target.parent_path());
        std::FILE* file = std::fopen(target.c_str(), "wb");
        bool written = file && std::fwrite(movie.data(), 1, movie.size(), file) == movie.size();
        if (file && std::fclose(file) != 0)
            written = false;
        return written ? target.string() : "";
    }
    if (!fs::is_regular_file(skin)) {
        std::fprintf(stderr, "tunemill-publish: the skin %s is not a known skin or an existing file\n", skin.c_str());
        badArgument = true;
        return "";
    }
    return fs::absolute(skin).string();
}

bool writeSettings(const cli::PublishArguments& arguments, const std::string& player, const fs::path& workFolder) {
    std::vector<std::string> paths, titles;
    for (const publish::PlaylistItem& track : arguments.tracks) {
        paths.push_back(fs::absolute(track.path).string());
        titles.push_back(track.title);
    }
    fs::path settingsFile = workFolder / publish::SettingsFileName;
    if (!publish::SavePlaylist(paths, titles, settingsFile))
        return false;
    publish::PublishOptions settings(settingsFile);
    settings.Set("Folder", fs::absolute(arguments.folder).string());
    settings.Set("Title", arguments.title);
    settings.Set("Player", player);
    settings.SetBool("AutoStart", arguments.autoStart);
    settings.SetBool("AutoNext", arguments.autoNext);
    settings.SetBool("Loop", arguments.loop);
    settings.SetBool("Random", arguments.shuffle);
    settings.SetBool("HTML", arguments.html);
    settings.SetBool("Runtime", arguments.runtime);
    return settings.Save();
}

// Converts the inputs the players cannot stream (WAV, AIFF, MP3 at other
// rates) into MP3s in the work folder; `sources` keeps each kept track's
// file as the user named it. Returns why each dropped track was dropped.
std::vector<std::string> prepareTracks(cli::PublishArguments& arguments, const fs::path& workFolder,
                                       std::vector<std::string>& sources) {
    std::time_t now = std::time(nullptr);
    std::tm local = *std::localtime(&now);
    std::vector<std::string> dropped;
    std::vector<publish::PlaylistItem> prepared;
    for (publish::PlaylistItem& track : arguments.tracks) {
        std::string path = track.path;
        if (!audio::isStreamableMp3(path)) {
            std::fprintf(stderr, "Converting %s to MP3 at 22050 Hz\n", path.c_str());
            path = audio::convertForPlayers(path, workFolder.string(), local);
        }
        if (path.empty()) {
            dropped.push_back(track.path + " \n- cannot be converted to MP3!");
            continue;
        }
        prepared.push_back({path, track.title});
        sources.push_back(track.path);
    }
    arguments.tracks = std::move(prepared);
    return dropped;
}

int publishTracks(cli::PublishArguments& arguments, const fs::path& workFolder) {
    bool badArgument = false;
    std::string player = skinMovie(arguments.skin, workFolder, badArgument);
    if (badArgument)
        return BadArguments;
    size_t requested = arguments.tracks.size();
    std::vector<std::string> sources;
    std::vector<std::string> dropped = prepareTracks(arguments, workFolder, sources);
    if (arguments.tracks.empty()) {
        for (const std::string& reason : dropped)
            std::fprintf(stderr, "  skipped: %s\n", reason.c_str());
        std::fprintf(stderr, "tunemill-publish: no track could be prepared\n");
        return SomeSkipped;
    }
    std::error_code error;
    fs::create_directories(arguments.folder, error);
    if (error || !writeSettings(arguments, player, workFolder)) {
        std::fprintf(stderr, "tunemill-publish: cannot prepare the folder %s\n", arguments.folder.c_str());
        return SomeSkipped;
    }

    cli::ConsoleObserver observer(sources);
    publish::MusicLibraryAnalyser analyser({programFolder()});
    publish::PublishJob(workFolder, analyser, observer, programFolder() / "ruffle").run();
    if (!observer.succeeded())
        return SomeSkipped;

    fs::path output = fs::absolute(arguments.folder) / "output";
    int published = static_cast<int>(arguments.tracks.size()) - observer.skippedCount();
    std::fprintf(stderr, "Published %d of %zu tracks into %s\n", published, requested, output.c_str());
    for (const std::string& reason : observer.skippedTracks())
        dropped.push_back(reason);
    for (const std::string& reason : dropped)
        std::fprintf(stderr, "  skipped: %s\n", reason.c_str());
    if (arguments.html)
        std::printf("Open %s\n", (output / "Player.htm").c_str());
    return dropped.empty() ? AllPublished : SomeSkipped;
}

} // namespace

int main(int argc, char** argv) {
    std::string error;
    auto arguments = cli::parsePublishArguments(std::vector<std::string>(argv + 1, argv + argc), error);
    if (!arguments) {
        std::fprintf(stderr, "tunemill-publish: %s\n%s", error.c_str(), cli::PublishUsage);
        return BadArguments;
    }
    WorkFolder work;
    if (work.path.empty()) {
        std::fprintf(stderr, "tunemill-publish: cannot create a working folder\n");
        return SomeSkipped;
    }
    if (arguments->demo) {
        arguments->tracks = cli::makeDemoTunes(work.path);
        if (arguments->tracks.empty()) {
            std::fprintf(stderr, "tunemill-publish: cannot encode the demo tunes\n");
            return SomeSkipped;
        }
    }
    return publishTracks(*arguments, work.path);
}
