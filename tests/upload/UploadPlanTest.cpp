#include "upload/UploadPlan.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <set>

namespace fs = std::filesystem;

using upload::Manifest;
using upload::ManifestEntry;
using upload::planUpload;
using upload::RemoteEntry;
using upload::SwitchGroup;
using upload::UploadPlan;

namespace {

using Paths = std::vector<std::string>;

ManifestEntry file(const std::string& path, const std::string& bytes) {
    return {path, bytes.size(), publish::hashBytes(bytes)};
}

// A published player with the runtime and a file of the user's, sorted.
const Manifest Player{file(".htaccess", "AddType application/wasm .wasm"),
                      file("1.swf", "first track"),
                      file("2.swf", "second track"),
                      file("3.swf", "third track"),
                      file("Player.htm", "<html>"),
                      file("Player.swf", "player movie"),
                      file("cover.jpg", "the user's picture"),
                      file("embed.html", "<iframe>"),
                      file("music_list.xml", "<data>1 2 3</data>"),
                      file("ruffle/core.wasm", std::string(5000, 'w')),
                      file("ruffle/ruffle.js", "js")};

// The remote folder after an upload of `manifest` that completed.
std::vector<RemoteEntry> remoteHolding(const Manifest& manifest) {
    std::vector<RemoteEntry> remote{{upload::ManifestFileName, upload::manifestText(manifest).size(), false}};
    std::set<std::string> folders;
    for (const ManifestEntry& entry : manifest) {
        remote.push_back({entry.path, entry.size, false});
        if (std::size_t slash = entry.path.rfind('/'); slash != std::string::npos)
            folders.insert(entry.path.substr(0, slash));
    }
    for (const std::string& folder : folders)
        remote.push_back({folder, 0, true});
    return remote;
}

Manifest replaced(Manifest manifest, const ManifestEntry& changed) {
    for (ManifestEntry& entry : manifest)
        if (entry.path == changed.path)
            entry = changed;
    return manifest;
}

Manifest without(Manifest manifest, const std::string& path) {
    std::erase_if(manifest, [&path](const ManifestEntry& entry) { return entry.path == path; });
    return manifest;
}

Paths sentPaths(const UploadPlan& plan) {
    Paths paths;
    for (const upload::PlannedSend& send : plan.sends)
        paths.push_back(send.path);
    return paths;
}

Paths renamedPaths(const UploadPlan& plan, SwitchGroup group) {
    Paths paths;
    for (const upload::PlannedRename& rename : plan.renames)
        if (rename.group == group)
            paths.push_back(rename.path);
    return paths;
}

TEST(UploadPlan, FirstUploadSendsEverythingAndSwitchesMoviesBeforeThePlaylist) {
    // An empty folder, and one filled by hand with the same files but
    // .htaccess, which would be the user's.
    std::vector<RemoteEntry> byHand = remoteHolding(Player);
    std::erase_if(byHand, [](const RemoteEntry& entry) {
        return entry.path == upload::ManifestFileName || entry.path == ".htaccess";
    });
    for (const std::vector<RemoteEntry>& remote : {std::vector<RemoteEntry>{}, byHand}) {
        UploadPlan plan = planUpload(Player, remote, std::nullopt);
        EXPECT_EQ(plan.sends.size(), Player.size());
        EXPECT_EQ(plan.manifest, Player);
        EXPECT_EQ(plan.bytesToSend, 5128u);
        EXPECT_EQ(plan.sends.at(9).incoming,
                  "ruffle/.tunemill-incoming-" + publish::hashBytes(std::string(5000, 'w')).hex().substr(0, 16) +
                      "-core.wasm");
        EXPECT_EQ(renamedPaths(plan, SwitchGroup::MoviesAndRuntime),
                  (Paths{"1.swf", "2.swf", "3.swf", "cover.jpg", "ruffle/core.wasm", "ruffle/ruffle.js"}));
        EXPECT_EQ(renamedPaths(plan, SwitchGroup::PlayerMovie), Paths{"Player.swf"});
        EXPECT_EQ(renamedPaths(plan, SwitchGroup::PlaylistAndPages),
                  (Paths{".htaccess", "Player.htm", "embed.html", "music_list.xml"}));
        EXPECT_TRUE(std::is_sorted(plan.renames.begin(), plan.renames.end(),
                                   [](const auto& a, const auto& b) { return a.group < b.group; }));
        for (const upload::PlannedRename& rename : plan.renames)
            EXPECT_TRUE(upload::isTemporaryPath(rename.incoming) && rename.incoming.ends_with("-" + fs::path(rename.path).filename().string()))
                << rename.incoming;
        EXPECT_TRUE(plan.deletions.empty());
        EXPECT_FALSE(plan.changesNothing());
    }
    EXPECT_EQ(planUpload(Player, {}, std::nullopt).folders, Paths{"ruffle"});
}

TEST(UploadPlan, UnchangedRepublishChangesNothing) {
    UploadPlan plan = planUpload(Player, remoteHolding(Player), Player);
    EXPECT_TRUE(plan.sends.empty());
    EXPECT_TRUE(plan.renames.empty());
    EXPECT_TRUE(plan.folders.empty());
    EXPECT_EQ(plan.bytesToSend, 0u);
    EXPECT_EQ(plan.manifest, Player);
    EXPECT_TRUE(plan.changesNothing());
}

TEST(UploadPlan, ChangedTrackSendsOnlyItsMovie) {
    // The same length, other bytes: only the hash tells.
    Manifest changed = replaced(Player, file("2.swf", "SECOND track"));
    UploadPlan plan = planUpload(changed, remoteHolding(Player), Player);
    EXPECT_EQ(sentPaths(plan), Paths{"2.swf"});
    EXPECT_EQ(plan.bytesToSend, 12u);
    EXPECT_TRUE(plan.deletions.empty());
    EXPECT_EQ(plan.manifest, changed);
    EXPECT_TRUE(plan.manifestChanges);
    EXPECT_FALSE(plan.changesNothing());
}

TEST(UploadPlan, DeletesOnlyWhatThePreviousUploadPutThere) {
    Manifest shorter = replaced(without(Player, "3.swf"), file("music_list.xml", "<data>1 2</data>"));
    std::vector<RemoteEntry> remote = remoteHolding(Player);
    remote.push_back({"notes.txt", 12, false});
    remote.push_back({"old/page.html", 40, false});
    // Listed by the manifest, already gone from the server.
    Manifest previous = Player;
    previous.insert(previous.begin() + 4, file("4.swf", "removed by hand"));
    UploadPlan plan = planUpload(shorter, remote, previous);
    EXPECT_EQ(plan.deletions, Paths{"3.swf"});
    EXPECT_EQ(sentPaths(plan), Paths{"music_list.xml"});
    EXPECT_EQ(plan.manifest, shorter);
}

TEST(UploadPlan, KeepsTheUsersOwnHtaccess) {
    std::vector<RemoteEntry> remote{{".htaccess", 90, false}, {"index.html", 10, false}};
    UploadPlan first = planUpload(Player, remote, std::nullopt);
    EXPECT_TRUE(first.keepsForeignHtaccess);
    EXPECT_EQ(first.manifest, without(Player, ".htaccess"));
    EXPECT_EQ(renamedPaths(first, SwitchGroup::PlaylistAndPages),
              (Paths{"Player.htm", "embed.html", "music_list.xml"}));

    std::vector<RemoteEntry> after = remoteHolding(first.manifest);
    after.push_back(remote[0]);
    UploadPlan next = planUpload(Player, after, first.manifest);
    EXPECT_TRUE(next.keepsForeignHtaccess);
    EXPECT_TRUE(next.changesNothing());

    // Tunemill's own, listed by the manifest, is replaced as any other file.
    UploadPlan own = planUpload(replaced(Player, file(".htaccess", "new lines")), remoteHolding(Player), Player);
    EXPECT_FALSE(own.keepsForeignHtaccess);
    EXPECT_EQ(sentPaths(own), Paths{".htaccess"});
}

TEST(UploadPlan, ResendsWhatTheServerLacksOrHoldsCutOff) {
    std::vector<RemoteEntry> remote = remoteHolding(Player);
    std::erase_if(remote, [](const RemoteEntry& entry) { return entry.path == "ruffle/core.wasm"; });
    for (RemoteEntry& entry : remote)
        if (entry.path == "1.swf")
            entry.size = 4;
    UploadPlan plan = planUpload(Player, remote, Player);
    EXPECT_EQ(sentPaths(plan), (Paths{"1.swf", "ruffle/core.wasm"}));
    EXPECT_TRUE(plan.folders.empty());
    EXPECT_FALSE(plan.manifestChanges);
    EXPECT_FALSE(plan.changesNothing());
}

TEST(UploadPlan, RemovesLeftoversOfAStoppedUploadFirst) {
    std::vector<RemoteEntry> remote = remoteHolding(Player);
    remote.push_back({"ruffle/.tunemill-outgoing-core.wasm", 5000, false});
    remote.push_back({".tunemill-incoming-2.swf", 3, false});
    remote.push_back({".tunemill-incoming-folder", 0, true}); // not ours: the upload makes no such folders
    UploadPlan plan = planUpload(Player, remote, Player);
    EXPECT_EQ(plan.leftovers, (Paths{".tunemill-incoming-2.swf", "ruffle/.tunemill-outgoing-core.wasm"}));
    EXPECT_TRUE(plan.sends.empty());
    EXPECT_FALSE(plan.changesNothing());

    EXPECT_EQ(upload::temporaryPath("2.swf", upload::OutgoingPrefix), ".tunemill-outgoing-2.swf");
    EXPECT_FALSE(upload::isTemporaryPath(".tunemill-incoming-folder/2.swf"));
    EXPECT_FALSE(upload::isTemporaryPath("x.tunemill-incoming-2.swf"));
}

// A stop after some files went up whole: those are renamed in, not sent
// again; a cut-off one is removed and sent again.
TEST(UploadPlan, AFileSentWholeBeforeAStopIsNotSentAgain) {
    ManifestEntry newMovie = file("2.swf", "second track, new"), newList = file("music_list.xml", "<data>2</data>");
    Manifest next = replaced(replaced(Player, newMovie), newList);
    std::vector<RemoteEntry> remote = remoteHolding(Player);
    remote.push_back({upload::incomingPath(newMovie), newMovie.size, false});
    remote.push_back({upload::incomingPath(newList), newList.size - 1, false});
    UploadPlan plan = planUpload(next, remote, Player);
    EXPECT_EQ(sentPaths(plan), Paths{"music_list.xml"});
    EXPECT_EQ(plan.leftovers, Paths{upload::incomingPath(newList)});
    EXPECT_EQ(plan.bytesToSend, newList.size);
    EXPECT_EQ(renamedPaths(plan, SwitchGroup::MoviesAndRuntime), Paths{"2.swf"});
    EXPECT_EQ(renamedPaths(plan, SwitchGroup::PlaylistAndPages), Paths{"music_list.xml"});
}

} // namespace
