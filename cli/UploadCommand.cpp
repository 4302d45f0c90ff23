#include "cli/UploadCommand.h"

#include "cli/ConsoleUploadProgress.h"
#include "cli/ExitStatus.h"
#include "cli/ProgramLine.h"
#include "cli/UploadCredentials.h"
#include "cli/UploadFailureText.h"
#include "output_names/OutputFileNames.h"
#include "player_contract/PlayerContract.h"
#include "upload/LiveCheck.h"
#include "upload/LocalFolder.h"
#include "upload/RemoteAddress.h"
#include "upload/UploadRun.h"

#include <atomic>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <stop_token>

namespace fs = std::filesystem;

namespace cli {

namespace {

bool describeOutput(const fs::path& output, upload::LocalFolder& local) {
    if (!fs::is_regular_file(output / publish::contract::PlayerMovieFileName)) {
        say("there is no published player in " + output.string() + " to upload");
        return false;
    }
    fs::path failed;
    if (std::error_code error = upload::describeLocalFolder(output, local, failed)) {
        say("cannot read " + failed.string() + " (" + error.message() + ")");
        return false;
    }
    for (const std::string& path : local.notSent)
        say(path + " is not uploaded: it is not a plain file, or its name is one the upload keeps for itself");
    return true;
}

upload::SiteTrust trustFrom(const PublishArguments& arguments) {
    upload::SiteTrust trust;
    trust.knownHosts = knownHostsFile();
    trust.acceptHostKey = arguments.acceptHostKey;
    if (!arguments.caFile.empty())
        trust.caFile = arguments.caFile;
    trust.plainFtp = arguments.plainFtp;
    return trust;
}

// One run of the upload; a refused login without a password asks for one
// on the terminal, once.
struct UploadRun {
    upload::UploadOutcome outcome;
    std::optional<upload::LiveCheck> live;
};

// One run of the upload, and the live check after it when the site's
// address is known; a refused login without a password asks for one on
// the terminal, once.
UploadRun runUpload(const PublishArguments& arguments, const upload::RemoteAddress& address, const fs::path& output,
                    const upload::LocalFolder& local, const std::atomic<bool>& stop) {
    upload::SiteCredentials credentials = credentialsFromUser();
    upload::SiteTrust trust = trustFrom(arguments);
    ConsoleUploadProgress progress(arguments.dryRun);
    for (;;) {
        std::unique_ptr<upload::RemoteSite> site = upload::openRemoteSite(address, credentials, trust, stop);
        UploadRun run{upload::uploadFolder(*site, output, local, progress, arguments.dryRun), std::nullopt};
        if (!run.outcome.failure && !arguments.dryRun && !arguments.siteUrl.empty())
            run.live = upload::checkLiveSite(arguments.siteUrl, run.outcome.plan, *site, trust, stop);
        if (run.outcome.failure.problem != upload::UploadProblem::LoginRefused || credentials.password)
            return run;
        credentials.password = askPassword(address.shown());
        if (!credentials.password)
            return run;
    }
}

// What the site serves, as a visitor's browser gets it.
int reportLiveCheck(const upload::LiveCheck& live, const std::string& siteUrl) {
    if (live.failure) {
        say("cannot check " + siteUrl + ": " + describeUploadFailure(live.failure));
        return NotAllPublished;
    }
    if (live.htaccessRemoved)
        say(siteUrl + " answered 500 with Tunemill's .htaccess (the host's AllowOverride lacks FileInfo): it was "
                      "removed from the site; publish with --htaccess 0 to leave it out");
    for (const upload::LiveMismatch& mismatch : live.mismatches)
        say(siteUrl + ": " + mismatch.path + " is answered with " + std::to_string(mismatch.status) +
            (mismatch.length >= 0 ? " and " + std::to_string(mismatch.length) + " bytes" : "") + ", not 200 and " +
            std::to_string(mismatch.expected) + " bytes as uploaded");
    if (!live.mismatches.empty())
        return NotAllPublished;
    std::fprintf(stderr, "%s serves the player as uploaded\n", siteUrl.c_str());
    return AllPublished;
}

int report(const upload::UploadOutcome& outcome, const PublishArguments& arguments, const std::string& site,
           int signal) {
    if (outcome.failure) {
        say("the upload to " + site + " failed: " + describeUploadFailure(outcome.failure));
        std::fprintf(stderr, "%s\n", describeSiteState(outcome.state, site).c_str());
        return signal != 0 ? 128 + signal : NotAllPublished;
    }
    const upload::UploadPlan& plan = outcome.plan;
    if (arguments.dryRun)
        std::fprintf(stderr, "Dry run: nothing was sent, renamed or deleted on %s\n", site.c_str());
    else if (plan.changesNothing())
        std::fprintf(stderr, "The player on %s is up to date: nothing to send\n", site.c_str());
    else
        std::fprintf(stderr, "Uploaded %zu files (%s) to %s, deleted %zu\n", plan.sends.size(),
                     megabytes(plan.bytesToSend).c_str(), site.c_str(), plan.deletions.size());
    return AllPublished;
}

} // namespace

int uploadOutput(const PublishArguments& arguments, const StopSignals& signals) {
    upload::RemoteAddress address;
    if (upload::parseRemoteAddress(arguments.upload, address) != upload::AddressProblem::None)
        return BadArguments;
    if (arguments.plainFtp && address.protocol == upload::Protocol::Ftp)
        say("--plain-ftp: if the server offers no TLS, the password and the files go in the clear");
    fs::path output = publish::outputFolderIn(arguments.folder);
    upload::LocalFolder local;
    if (!describeOutput(output, local))
        return NotAllPublished;
    std::atomic<bool> stop{false};
    std::stop_callback onStop(signals.token(), [&stop] { stop = true; });
    UploadRun run = runUpload(arguments, address, output, local, stop);
    int status = report(run.outcome, arguments, address.shown(), signals.received());
    if (status != AllPublished || !run.live)
        return status;
    return reportLiveCheck(*run.live, arguments.siteUrl);
}

} // namespace cli
