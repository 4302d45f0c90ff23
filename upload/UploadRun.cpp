#include "upload/UploadRun.h"

#include <set>

namespace upload {

namespace {

using RemotePaths = std::set<std::string>;

RemotePaths filesIn(const std::vector<RemoteEntry>& entries) {
    RemotePaths files;
    for (const RemoteEntry& entry : entries)
        if (!entry.folder)
            files.insert(entry.path);
    return files;
}

// The manifest of the last complete upload; nothing when there is none or
// the file is not one, and the folder is then treated as filled by hand.
UploadFailure readPreviousManifest(RemoteSite& site, const RemotePaths& remote, std::optional<Manifest>& previous) {
    if (!remote.contains(ManifestFileName))
        return {};
    std::string text;
    if (UploadFailure failure = site.read(ManifestFileName, text))
        return failure;
    previous = parseManifest(text);
    return {};
}

UploadFailure removeAll(RemoteSite& site, const std::vector<std::string>& paths) {
    for (const std::string& path : paths)
        if (UploadFailure failure = site.remove(path))
            return failure;
    return {};
}

UploadFailure makeFolders(RemoteSite& site, const UploadPlan& plan) {
    if (UploadFailure failure = site.makeFolder(""))
        return failure;
    for (const std::string& folder : plan.folders)
        if (UploadFailure failure = site.makeFolder(folder))
            return failure;
    return {};
}

UploadFailure sendFiles(RemoteSite& site, const std::filesystem::path& folder, const UploadPlan& plan,
                        UploadObserver& observer) {
    std::vector<Transfer> transfers;
    for (const PlannedSend& send : plan.sends)
        transfers.push_back({folder / send.path, send.incoming, send.size});
    return site.send(transfers, [&observer](std::uint64_t bytes, std::size_t files) { observer.sending(bytes, files); });
}

// Puts `incoming` in the place of `path`. Where the protocol cannot replace
// in one step the old file goes aside first and is listed in `outgoing`,
// to be deleted once the switch is complete; a failed second step brings
// it back.
UploadFailure replace(RemoteSite& site, const std::string& incoming, const std::string& path, const RemotePaths& remote,
                      std::vector<std::string>& outgoing) {
    if (site.renameReplaces() || !remote.contains(path))
        return site.rename(incoming, path);
    std::string aside = temporaryPath(path, OutgoingPrefix);
    if (UploadFailure failure = site.rename(path, aside))
        return failure;
    if (UploadFailure failure = site.rename(incoming, path)) {
        (void)site.rename(aside, path);
        return failure;
    }
    outgoing.push_back(aside);
    return {};
}

UploadFailure writeManifest(RemoteSite& site, const UploadPlan& plan, const RemotePaths& remote,
                            std::vector<std::string>& outgoing) {
    std::string incoming = temporaryPath(ManifestFileName, IncomingPrefix);
    if (UploadFailure failure = site.write(incoming, manifestText(plan.manifest)))
        return failure;
    return replace(site, incoming, ManifestFileName, remote, outgoing);
}

// From the first rename on, the remote folder is no longer the old player.
UploadFailure switchOver(RemoteSite& site, const UploadPlan& plan, const RemotePaths& remote, SiteState& state) {
    std::vector<std::string> outgoing;
    for (const PlannedRename& rename : plan.renames) {
        if (UploadFailure failure = replace(site, rename.incoming, rename.path, remote, outgoing))
            return failure;
        state = SiteState::PartlySwitched;
    }
    if (UploadFailure failure = removeAll(site, outgoing))
        return failure;
    outgoing.clear();
    if (UploadFailure failure = removeAll(site, plan.deletions))
        return failure;
    state = SiteState::PartlySwitched;
    if (UploadFailure failure = writeManifest(site, plan, remote, outgoing))
        return failure;
    state = SiteState::Switched;
    return removeAll(site, outgoing);
}

UploadFailure prepareAndSend(RemoteSite& site, const std::filesystem::path& folder, const UploadPlan& plan,
                             UploadObserver& observer) {
    if (UploadFailure failure = removeAll(site, plan.leftovers))
        return failure;
    if (UploadFailure failure = makeFolders(site, plan))
        return failure;
    return sendFiles(site, folder, plan, observer);
}

} // namespace

UploadOutcome uploadFolder(RemoteSite& site, const std::filesystem::path& folder, const LocalFolder& local,
                           UploadObserver& observer, bool dryRun) {
    UploadOutcome outcome;
    std::vector<RemoteEntry> entries;
    if ((outcome.failure = site.list(entries)))
        return outcome;
    RemotePaths remote = filesIn(entries);
    std::optional<Manifest> previous;
    if ((outcome.failure = readPreviousManifest(site, remote, previous)))
        return outcome;
    outcome.plan = planUpload(local.files, entries, previous);
    observer.planned(outcome.plan);
    if (dryRun || outcome.plan.changesNothing()) {
        outcome.state = dryRun ? SiteState::Untouched : SiteState::Switched;
        return outcome;
    }
    if ((outcome.failure = prepareAndSend(site, folder, outcome.plan, observer)))
        return outcome;
    observer.switching();
    outcome.failure = switchOver(site, outcome.plan, remote, outcome.state);
    return outcome;
}

} // namespace upload
