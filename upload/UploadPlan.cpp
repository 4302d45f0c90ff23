#include "upload/UploadPlan.h"

#include "output_names/OutputFileNames.h"
#include "player_contract/PlayerContract.h"

#include <algorithm>
#include <map>
#include <set>

namespace upload {

namespace {

// What the listing of the remote folder found, by path.
struct RemoteListing {
    std::map<std::string, std::uint64_t> fileSizes;
    std::set<std::string> folders;

    explicit RemoteListing(const std::vector<RemoteEntry>& entries) {
        for (const RemoteEntry& entry : entries) {
            if (entry.folder)
                folders.insert(entry.path);
            else
                fileSizes[entry.path] = entry.size;
        }
    }
    bool hasFile(const std::string& path) const { return fileSizes.contains(path); }
};

const ManifestEntry* entryFor(const Manifest& manifest, const std::string& path) {
    auto found = std::lower_bound(manifest.begin(), manifest.end(), path,
                                  [](const ManifestEntry& entry, const std::string& key) { return entry.path < key; });
    return found != manifest.end() && found->path == path ? &*found : nullptr;
}

bool needsSending(const ManifestEntry& file, const RemoteListing& listing, const std::optional<Manifest>& previous) {
    auto remote = listing.fileSizes.find(file.path);
    if (remote == listing.fileSizes.end() || remote->second != file.size || !previous)
        return true;
    const ManifestEntry* sent = entryFor(*previous, file.path);
    return !sent || sent->hash != file.hash;
}

// A remote .htaccess that the previous upload did not put there is the
// user's own; the local one then stays behind.
bool keepsForeignHtaccess(const Manifest& local, const RemoteListing& listing,
                          const std::optional<Manifest>& previous) {
    const std::string name = publish::HtaccessFileName;
    return entryFor(local, name) && listing.hasFile(name) && !(previous && entryFor(*previous, name));
}

// Temporary files of a stopped upload, except those that already hold a
// file this upload sends whole: its name carries its hash, so the size
// tells a complete one.
std::vector<std::string> leftoversIn(const std::vector<RemoteEntry>& remote, const std::vector<PlannedSend>& sends) {
    std::map<std::string, std::uint64_t> wanted;
    for (const PlannedSend& send : sends)
        wanted[send.incoming] = send.size;
    std::vector<std::string> leftovers;
    for (const RemoteEntry& entry : remote) {
        auto sending = wanted.find(entry.path);
        if (!entry.folder && isTemporaryPath(entry.path) && (sending == wanted.end() || sending->second != entry.size))
            leftovers.push_back(entry.path);
    }
    std::sort(leftovers.begin(), leftovers.end());
    return leftovers;
}

// Sorted, a folder comes before the folders inside it.
std::vector<std::string> foldersFor(const std::vector<PlannedSend>& sends, const RemoteListing& listing) {
    std::set<std::string> missing;
    for (const PlannedSend& send : sends)
        for (std::size_t slash = send.path.find('/'); slash != std::string::npos;
             slash = send.path.find('/', slash + 1))
            if (std::string folder = send.path.substr(0, slash); !listing.folders.contains(folder))
                missing.insert(folder);
    return {missing.begin(), missing.end()};
}

// Sent whole by an upload that stopped before its switch.
bool alreadySent(const PlannedSend& send, const RemoteListing& listing) {
    auto found = listing.fileSizes.find(send.incoming);
    return found != listing.fileSizes.end() && found->second == send.size;
}

SwitchGroup groupOf(const std::string& path) {
    if (path == publish::contract::PlayerMovieFileName)
        return SwitchGroup::PlayerMovie;
    if (path == publish::contract::MusicListFileName || path == publish::contract::PlayerPageFileName ||
        path == publish::EmbedPageFileName || path == publish::HtaccessFileName)
        return SwitchGroup::PlaylistAndPages;
    return SwitchGroup::MoviesAndRuntime;
}

// `sends` is sorted by path, and stays so within each group.
std::vector<PlannedRename> renamesFor(const std::vector<PlannedSend>& sends) {
    std::vector<PlannedRename> renames;
    for (const PlannedSend& send : sends)
        renames.push_back({send.incoming, send.path, groupOf(send.path)});
    std::stable_sort(renames.begin(), renames.end(),
                     [](const PlannedRename& a, const PlannedRename& b) { return a.group < b.group; });
    return renames;
}

// Only what the previous upload put there: a file no manifest lists is
// the user's.
std::vector<std::string> deletionsFor(const Manifest& local, const RemoteListing& listing,
                                      const std::optional<Manifest>& previous) {
    std::vector<std::string> deletions;
    if (!previous)
        return deletions;
    for (const ManifestEntry& sent : *previous)
        if (!entryFor(local, sent.path) && listing.hasFile(sent.path) && sent.path != ManifestFileName &&
            !isTemporaryPath(sent.path))
            deletions.push_back(sent.path);
    return deletions;
}

} // namespace

std::string temporaryPath(const std::string& path, const char* prefix) {
    std::size_t nameStart = path.rfind('/') + 1; // 0 without a folder
    return path.substr(0, nameStart) + prefix + path.substr(nameStart);
}

std::string incomingPath(const ManifestEntry& file) {
    std::string prefix = IncomingPrefix + file.hash.hex().substr(0, 16) + "-";
    return temporaryPath(file.path, prefix.c_str());
}

bool isTemporaryPath(const std::string& path) {
    std::string name = path.substr(path.rfind('/') + 1);
    return name.starts_with(IncomingPrefix) || name.starts_with(OutgoingPrefix);
}

bool UploadPlan::changesNothing() const {
    return leftovers.empty() && sends.empty() && deletions.empty() && !manifestChanges;
}

UploadPlan planUpload(const Manifest& local, const std::vector<RemoteEntry>& remote,
                      const std::optional<Manifest>& previous) {
    RemoteListing listing(remote);
    UploadPlan plan;
    plan.keepsForeignHtaccess = keepsForeignHtaccess(local, listing, previous);
    std::vector<PlannedSend> sends;
    for (const ManifestEntry& file : local) {
        if (plan.keepsForeignHtaccess && file.path == publish::HtaccessFileName)
            continue;
        plan.manifest.push_back(file);
        if (needsSending(file, listing, previous))
            sends.push_back({file.path, incomingPath(file), file.size});
    }
    plan.leftovers = leftoversIn(remote, sends);
    plan.renames = renamesFor(sends);
    for (PlannedSend& send : sends)
        if (!alreadySent(send, listing)) {
            plan.bytesToSend += send.size;
            plan.sends.push_back(std::move(send));
        }
    plan.folders = foldersFor(plan.sends, listing);
    plan.deletions = deletionsFor(local, listing, previous);
    plan.manifestChanges = !previous || plan.manifest != *previous;
    return plan;
}

} // namespace upload
