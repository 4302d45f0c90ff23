// tunemill-publish --upload against OpenSSH's own client on the same
// loopback sshd, in one run: the first upload of a six-track album with its
// runtime against an `sftp -b` batch `put -r` of the same folder (goal: at
// most 1.2 times), and the upload after an unchanged republish, which must
// send no file content, against one `sftp -b` session that only lists the
// folder (goal: at most 2 times). Each figure is the median of three runs.

#include "bench/Median.h"
#include "tests/support/TestSupport.h"
#include "tests/upload/SshServer.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

using testing_support::outputOf;
using testing_support::run;
using testing_support::TemporaryFolder;

namespace {

const int Tracks = 6;
const int Runs = 3;

double secondsOf(const std::function<bool()>& work, bool& ok) {
    auto start = std::chrono::steady_clock::now();
    ok = work() && ok;
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

std::vector<std::string> makeAlbum(const TemporaryFolder& folder) {
    std::vector<std::string> album;
    for (int i = 1; i <= Tracks; ++i) {
        std::string mp3 = folder.path("track" + std::to_string(i) + ".mp3");
        if (!run("sox -n -r 44100 -c 2 -b 16 -t wav - synth 120 sine " + std::to_string(200 + 50 * i) +
                 " vol 0.5 | lame --quiet -b 128 - '" + mp3 + "'"))
            return {};
        album.push_back(mp3);
    }
    return album;
}

class Bench {
public:
    bool prepare() {
        if (!server.start()) {
            std::fprintf(stderr, "%s\n", server.problem().c_str());
            return false;
        }
        std::string ssh = folder.path("home/.ssh");
        std::string hostKey = outputOf("cat '" + server.hostPublicKey() + "'");
        std::ofstream(folder.path("known_hosts")) << "[127.0.0.1]:" << server.port() << " " << hostKey;
        album = makeAlbum(folder);
        return !album.empty() && run("mkdir -p '" + ssh + "' && cp '" + server.clientKey() + "' '" + ssh +
                                     "/id_ed25519' && cp '" + folder.path("known_hosts") + "' '" + ssh + "/known_hosts'") &&
               publish();
    }

    bool publish() {
        std::string files;
        for (const std::string& track : album)
            files += " '" + track + "'";
        return run(std::string(PUBLISHER) + " --folder '" + folder.path("site") + "'" + files + " >/dev/null 2>&1");
    }

    bool upload(const std::string& remote) {
        return run("HOME='" + folder.path("home") + "' SSH_AUTH_SOCK= " + PUBLISHER + " --folder '" +
                   folder.path("site") + "' --upload 'sftp://root@127.0.0.1:" + std::to_string(server.port()) + remote +
                   "' 2>/dev/null");
    }

    bool sftpBatch(const std::string& commands) {
        std::ofstream(folder.path("batch")) << commands;
        return run("sftp -q -b '" + folder.path("batch") + "' -P " + std::to_string(server.port()) + " -i '" +
                   server.clientKey() + "' -o UserKnownHostsFile='" + folder.path("known_hosts") +
                   "' -o StrictHostKeyChecking=yes -o IdentitiesOnly=yes root@127.0.0.1 >/dev/null");
    }

    std::string remote(const std::string& name) const { return server.remoteRoot() + "/" + name; }
    std::string output() const { return folder.path("site/output"); }
    int filesWritten() const {
        return std::stoi(outputOf("grep -c 'written [1-9]' '" + server.sftpLog() + "' || true"));
    }

private:
    TemporaryFolder folder;
    SshServer server;
    std::vector<std::string> album;
};

} // namespace

int main() {
    Bench bench;
    if (!bench.prepare()) {
        std::fprintf(stderr, "cannot start the server or publish the album\n");
        return 1;
    }
    bool ok = true;
    std::vector<double> ours, peer, oursAgain, peerList;
    for (int i = 0; i < Runs; ++i) {
        std::string mine = bench.remote("ours" + std::to_string(i)), theirs = bench.remote("peer" + std::to_string(i));
        ours.push_back(secondsOf([&] { return bench.upload(mine); }, ok));
        peer.push_back(secondsOf([&] { return bench.sftpBatch("put -r '" + bench.output() + "' '" + theirs + "'\n"); }, ok));
    }
    ok = bench.publish() && ok;
    int writtenBefore = bench.filesWritten();
    for (int i = 0; i < Runs; ++i) {
        oursAgain.push_back(secondsOf([&] { return bench.upload(bench.remote("ours0")); }, ok));
        peerList.push_back(secondsOf([&] { return bench.sftpBatch("ls -l '" + bench.remote("peer0") + "'\n"); }, ok));
    }
    int writtenAgain = bench.filesWritten() - writtenBefore;
    std::string folderSize = outputOf("du -sm '" + bench.output() + "' | cut -f1");
    folderSize.erase(folderSize.find_last_not_of('\n') + 1);
    double first = median(ours) / median(peer), again = median(oursAgain) / median(peerList);
    std::printf("output folder: %s MB, %d tracks with the runtime\n", folderSize.c_str(), Tracks);
    std::printf("first upload:   tunemill %.2f s, sftp -b put -r %.2f s, ratio %.2f (goal <= 1.2)\n", median(ours),
                median(peer), first);
    std::printf("after unchanged republish: tunemill %.2f s, sftp -b ls %.2f s, ratio %.2f (goal <= 2.0), files written %d "
                "(goal 0)\n",
                median(oursAgain), median(peerList), again, writtenAgain);
    bool met = ok && first <= 1.2 && again <= 2.0 && writtenAgain == 0;
    std::printf("%s\n", met ? "goals met" : ok ? "goals NOT met" : "a run failed");
    return met ? 0 : 1;
}
