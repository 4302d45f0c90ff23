// tunemill-publish: publishes a playlist into DIR/output from the command
// line, through the same publish job as the wizard, and serves the result
// on loopback when asked.

#include "audio/TrackIntake.h"
#include "cli/ConsoleObserver.h"
#include "cli/DemoTunes.h"
#include "cli/ExitStatus.h"
#include "cli/GivenTracks.h"
#include "cli/ProgramLine.h"
#include "cli/PublishArguments.h"
#include "cli/ServeUntilStopped.h"
#include "cli/StopSignals.h"
#include "cli/UploadCommand.h"
#include "file_writing/FolderCreation.h"
#include "publish/EmbedPage.h"
#include "publish/InstalledFiles.h"
#include "output_names/OutputFileNames.h"
#include "player_contract/PlayerContract.h"
#include "publish/PublishJob.h"
#include "publish/SkinCatalogue.h"
#include "text_formats/StorableText.h"

#include <chrono>
#include <cstdio>
#include <functional>
#include <filesystem>
#include <optional>
#include <string>
#include <thread>
#include <unordered_map>
#include <unistd.h>

namespace fs = std::filesystem;
using enum cli::ExitStatus;
using cli::say;

namespace {

// A run ended by a signal exits as shells report one.
int stoppedStatus(int signal) { return 128 + signal; }

void sayCancelled(const cli::PublishArguments& arguments) {
    std::fprintf(stderr, "Cancelled: %s is unchanged\n", publish::outputFolderIn(arguments.folder).c_str());
}

std::string joined(const std::vector<fs::path>& folders) {
    std::string text;
    for (const fs::path& folder : folders)
        text += (text.empty() ? "" : ", ") + folder.string();
    return text;
}

// The title as the playlist stores it, saying what had to change.
std::string storedTitle(const std::string& title, const std::string& whose) {
    publish::StorableText stored = publish::storableText(title);
    if (stored.readAsLatin1)
        std::fprintf(stderr, "%s is not UTF-8: its bytes are read as Latin-1\n", whose.c_str());
    if (stored.controlsRemoved)
        std::fprintf(stderr, "%s holds control characters: they are removed\n", whose.c_str());
    return stored.text;
}

// The LRC text each prepared track is published with, by its path as the
// playlist stores it: the publish takes the lyrics found while preparing
// rather than looking for them again.
using PreparedLyrics = std::unordered_map<std::string, std::string>;

// Converts what the players cannot stream and refuses what is no sound;
// the observer learns which file became which playlist entry.
void prepareTracks(cli::PublishArguments& arguments, audio::TrackIntake& intake,
                   const std::vector<audio::InputTrack>& given, cli::ConsoleObserver& observer,
                   PreparedLyrics& lyrics, std::stop_token stop) {
    std::vector<publish::PlaylistItem> prepared;
    for (size_t i = 0; i < given.size() && !stop.stop_requested(); ++i) {
        const audio::InputTrack& track = given[i];
        // The demo's tunes live in a temporary folder the user never sees.
        cli::GivenFile file{static_cast<int>(i) + 1,
                            arguments.demo ? fs::path(track.path).filename().string() : track.path};
        audio::TakenTrack taken = intake.take(track, [&file](const std::function<audio::PreparedTrack()>& convert) {
            std::fprintf(stderr, "Converting %s to MP3 at %d Hz\n", file.name.c_str(), audio::ConvertedSampleRate);
            return convert();
        });
        if (taken.refusal) {
            observer.refused(file, audio::describe(*taken.refusal));
            continue;
        }
        if (taken.conversionNotKept)
            std::fprintf(stderr, "The cache %s cannot keep the conversion of %s (%s); it is converted again next time\n",
                         intake.cacheFolder().c_str(), file.name.c_str(), taken.conversionNotKept.message().c_str());
        std::string path = fs::absolute(taken.path).string();
        if (arguments.lyrics)
            lyrics[path] = cli::sayLyrics(file.name, taken.lyrics);
        std::string title = storedTitle(taken.title, "The title of " + file.name);
        if (title.size() > publish::contract::LongestTitleBytes)
            std::fprintf(stderr, "The title of %s is shortened to %zu bytes, the most a track movie holds\n",
                         file.name.c_str(), publish::contract::LongestTitleBytes);
        prepared.push_back({path, title});
        observer.entered(file);
    }
    arguments.tracks = std::move(prepared);
}

// What the intake shares: conversions go into the working folder, through
// the cache unless it is off.
audio::IntakeSettings intakeSettings(const cli::PublishArguments& arguments, const fs::path& workFolder) {
    audio::IntakeSettings settings{workFolder.string(), std::nullopt, arguments.cacheLimit, arguments.lyrics};
    if (arguments.cache)
        settings.cacheFolder = publish::defaultCacheFolder();
    return settings;
}

// What the arguments ask the job for.
publish::PublishSettings publishSettings(const cli::PublishArguments& arguments, const fs::path& skin) {
    publish::PublishSettings settings;
    settings.folder = fs::absolute(arguments.folder).string();
    settings.title = storedTitle(arguments.title, "The playlist title");
    settings.player = skin.string();
    settings.autoStart = arguments.autoStart;
    settings.autoNext = arguments.autoNext;
    settings.loop = arguments.loop;
    settings.random = arguments.shuffle;
    settings.html = arguments.html;
    settings.runtime = arguments.runtime;
    settings.lyrics = arguments.lyrics;
    settings.htaccess = arguments.htaccess;
    return settings;
}

// The snippet goes to standard output, so that it can be taken as it is,
// unless the served page's address is to be the first line there.
void printEmbedSnippet(const cli::PublishArguments& arguments, const fs::path& output) {
    publish::StageSize size = publish::playerStageSize(output / publish::contract::PlayerMovieFileName);
    std::fprintf(stderr, "To put the player into a page of yours, add:\n");
    std::fprintf(arguments.serve ? stderr : stdout, "%s\n",
                 publish::embedSnippet(arguments.embedBase, size, arguments.title).c_str());
    if (arguments.embedBase.empty())
        std::fprintf(stderr, "and replace \"%s\" in it with the page's address on your site (or publish with "
                             "--embed-base URL, the address of the output folder there)\n",
                     publish::EmbedPageFileName);
}

// Conversions cannot be stopped; a stop during them removes the working
// folder and ends the run at once, as nothing of the output has changed.
void abandonOnStop(cli::StopSignals& signals, const publish::TemporarySettingsFolder& settings,
                   const cli::PublishArguments& arguments) {
    signals.setAbandon([&settings, &arguments](int signal) {
        // The conversion goes on writing meanwhile: what it makes after one
        // sweep goes with the next.
        for (int sweep = 0; sweep < 50 && fs::exists(settings.path()); ++sweep) {
            std::error_code ignored;
            fs::remove_all(settings.path(), ignored);
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        sayCancelled(arguments);
        _exit(stoppedStatus(signal));
    });
}

// The exit status and closing lines for how the job ended.
int reportResult(const publish::PublishResult& result, const cli::PublishArguments& arguments, size_t requested,
                 int skippedEntries, const cli::ConsoleObserver& observer, int signal) {
    switch (result.outcome) {
    case publish::PublishOutcome::Cancelled: sayCancelled(arguments); return stoppedStatus(signal);
    case publish::PublishOutcome::NothingPublished: return NotAllPublished;
    case publish::PublishOutcome::AllPublished:
    case publish::PublishOutcome::SomeSkipped: break;
    }
    fs::path output = publish::outputFolderIn(fs::absolute(arguments.folder));
    std::fprintf(stderr, "Published %d of %zu tracks into %s", observer.publishedCount(), requested, output.c_str());
    if (observer.skippedCount() > 0)
        std::fprintf(stderr, " (%d skipped: see above)", observer.skippedCount());
    std::fprintf(stderr, "\n");
    if (arguments.html && !arguments.serve)
        std::fprintf(stderr, "To play it, upload %s to your web site, or run: tunemill-publish --serve --folder %s\n",
                     output.c_str(), arguments.folder.c_str());
    if (arguments.html)
        printEmbedSnippet(arguments, output);
    return observer.skippedCount() == 0 && skippedEntries == 0 ? AllPublished : NotAllPublished;
}

int publishTracks(cli::PublishArguments& arguments, const publish::TemporarySettingsFolder& settings,
                  cli::StopSignals& signals) {
    publish::PlayerMovie player = publish::playerMovieFor(arguments.skin, settings.playersFolder());
    if (player.problem) {
        say("the skin " + arguments.skin + " " + *player.problem);
        return BadArguments;
    }
    fs::path program = publish::programFolder();
    std::optional<fs::path> runtime;
    if (arguments.runtime) {
        runtime = publish::findRuntimeFolder(publish::runtimeFolders(program));
        if (!runtime) {
            say("the SWF runtime is not found (looked in " + joined(publish::runtimeFolders(program)) +
                "); without it the page needs a Flash plug-in: add --runtime 0 to publish so anyway");
            return NotAllPublished;
        }
    }
    publish::MusicLibraryAnalyser analyser(publish::analyserFolders(program));
    if (!analyser.available())
        say("the spectrum analyser libmusic.so is not found (looked in " + joined(publish::analyserFolders(program)) +
            " and the library path); the tracks get no spectrum bars");

    audio::TrackIntake intake(intakeSettings(arguments, settings.path()));
    int skippedEntries = 0;
    std::vector<audio::InputTrack> given = cli::expandGivenTracks(intake, arguments.tracks, skippedEntries);
    size_t requested = given.size();
    cli::ConsoleObserver observer(static_cast<int>(requested));
    abandonOnStop(signals, settings, arguments);
    PreparedLyrics lyrics;
    prepareTracks(arguments, intake, given, observer, lyrics, signals.token());
    signals.setAbandon(nullptr);
    if (signals.received() != 0) {
        sayCancelled(arguments);
        return stoppedStatus(signals.received());
    }
    if (arguments.tracks.empty()) {
        say("no track could be prepared");
        return NotAllPublished;
    }
    if (std::error_code error = publish::createFolders(arguments.folder)) {
        say("cannot prepare the folder " + arguments.folder + " (" + error.message() + ")");
        return NotAllPublished;
    }
    publish::PublishSettings publishing = publishSettings(arguments, player.movie);

    publish::PublishJobOptions options{arguments.jobs, std::nullopt, arguments.cacheLimit};
    if (arguments.cache)
        options.cacheFolder = publish::defaultCacheFolder();
    publish::PublishJob job(settings, analyser, observer, runtime.value_or(fs::path()), options);
    job.findLyricsWith([&lyrics](const std::string& soundFile) {
        auto found = lyrics.find(soundFile);
        return found != lyrics.end() ? found->second : std::string();
    });
    publish::PublishResult result = job.run(publishing, arguments.tracks, signals.token());
    return reportResult(result, arguments, requested, skippedEntries, observer, signals.received());
}

int serve(const cli::PublishArguments& arguments) {
    fs::path output = publish::outputFolderIn(arguments.folder);
    const char* page = publish::contract::PlayerPageFileName;
    if (!fs::is_regular_file(output / page))
        page = publish::contract::PlayerMovieFileName;
    if (!fs::is_regular_file(output / page)) {
        say("there is no published player in " + output.string() + " to serve");
        return NotAllPublished;
    }
    return cli::serveUntilStopped(output, page, arguments.port, arguments.open) ? AllPublished : NotAllPublished;
}

// Publishes the files given, or the demo, into DIR/output.
int publishGiven(cli::PublishArguments& arguments, cli::StopSignals& signals) {
    publish::TemporarySettingsFolder settings;
    if (!settings.valid()) {
        say("cannot create a working folder");
        return NotAllPublished;
    }
    if (arguments.demo)
        arguments.tracks = cli::makeDemoTunes(settings.path());
    if (arguments.tracks.empty()) {
        say("cannot encode the demo tunes");
        return NotAllPublished;
    }
    return publishTracks(arguments, settings, signals);
}

} // namespace

int main(int argc, char** argv) {
    auto parsed = cli::parsePublishArguments(std::vector<std::string>(argv + 1, argv + argc));
    if (auto* reply = std::get_if<cli::CommandLineReply>(&parsed)) {
        std::fputs(reply->text.c_str(), reply->toStandardOutput ? stdout : stderr);
        return reply->status;
    }
    auto arguments = &std::get<cli::PublishArguments>(parsed);
    int status = AllPublished;
    bool publishing = arguments->demo || !arguments->tracks.empty();
    if (publishing || !arguments->upload.empty()) {
        cli::StopSignals signals;
        if (publishing) {
            status = publishGiven(*arguments, signals);
            if (status == BadArguments || signals.received() != 0)
                return status;
        }
        if (!arguments->upload.empty()) {
            // Skipped tracks still leave a player worth uploading; the
            // status stays the publish's unless the upload fails.
            int uploaded = cli::uploadOutput(*arguments, signals);
            return uploaded != AllPublished ? uploaded : status;
        }
    }
    if (!arguments->serve)
        return status;
    // A partly published folder is still worth a look; the status tells.
    int served = serve(*arguments);
    return served != AllPublished ? served : status;
}
