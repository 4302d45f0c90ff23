// tunemill-publish --upload, run as users run it, against real servers on
// loopback: what reaches the server, what it counts as received, and what a
// visitor would load at each moment a failure can leave behind.

#include "tests/cli/CommandLine.h"
#include "tests/support/FolderSnapshot.h"
#include "tests/support/TestSupport.h"
#include "tests/upload/ApacheDavServer.h"
#include "tests/upload/ServerProcess.h"
#include "tests/upload/SlowRelay.h"
#include "tests/upload/SshServer.h"
#include "tests/upload/VsftpdServer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <map>
#include <regex>
#include <set>

using namespace testing_support;
namespace fs = std::filesystem;

namespace {

using Tree = std::map<std::string, std::string>;

const char* const Manifest = ".tunemill-manifest";
const std::chrono::seconds Watchdog(120);

// The remote folder without the manifest, which the output lacks.
Tree withoutManifest(Tree tree) {
    tree.erase(Manifest);
    return tree;
}

bool holdsTemporaryFiles(const Tree& tree) {
    for (const auto& [name, bytes] : tree)
        if (fs::path(name).filename().string().starts_with(".tunemill-incoming-") ||
            fs::path(name).filename().string().starts_with(".tunemill-outgoing-"))
            return true;
    return false;
}

// Before the switch begins, every file a visitor could load is as it was.
void expectUnchanged(const Tree& live, const Tree& now) {
    for (const auto& [name, bytes] : live)
        EXPECT_EQ(now.at(name), bytes) << name << " changed although the switch never began";
}

// Ctrl+C while files go up: the command ends within a second, with 130,
// saying the site is unchanged.
void expectAStopMidSendEndsPromptly(const std::vector<std::string>& arguments,
                                    const std::vector<std::string>& environment) {
    RunningPublisher stopped(arguments, environment);
    ASSERT_TRUE(stopped.waitFor("Sending ")) << stopped.said();
    stopped.signal(SIGINT);
    RunningPublisher::Ending ending = stopped.waitWithin(std::chrono::seconds(10));
    EXPECT_TRUE(ending.inTime) << "a stop takes effect within a second";
    EXPECT_EQ(ending.status, 130) << stopped.said();
    EXPECT_NE(stopped.said().find("unchanged"), std::string::npos) << stopped.said();
}

// A live player is whole when every movie its playlist names is there.
void expectWholePlayer(const Tree& tree) {
    ASSERT_TRUE(tree.contains("music_list.xml"));
    ASSERT_TRUE(tree.contains("Player.swf"));
    std::regex movie("[0-9]+\\.swf");
    const std::string& playlist = tree.at("music_list.xml");
    for (std::sregex_iterator found(playlist.begin(), playlist.end(), movie), end; found != end; ++found)
        EXPECT_TRUE(tree.contains(found->str())) << found->str() << " is named by the live playlist but missing";
}

class UploadCommandTest : public ::testing::Test {
protected:
    void SetUp() override {
        fs::create_directories(home() + "/.ssh");
        for (int i = 1; i <= 3; ++i)
            makeTrack("track" + std::to_string(i) + ".mp3", 300 + 100 * i);
    }

    std::string home() const { return folder.path("home"); }
    std::string site() const { return folder.path("site"); }
    std::string output() const { return site() + "/output"; }

    void makeTrack(const std::string& name, int frequency, double seconds = 2.0) {
        writeToneWav(folder.path("tone.wav"), 22050, 1, seconds, frequency);
        ASSERT_TRUE(run("lame --quiet -b 64 '" + folder.path("tone.wav") + "' '" + folder.path(name) + "'"));
    }

    std::vector<std::string> tracks(int count) const {
        std::vector<std::string> files;
        for (int i = 1; i <= count; ++i)
            files.push_back(folder.path("track" + std::to_string(i) + ".mp3"));
        return files;
    }

    // Publishes (unless `files` is empty) and uploads; the status and what
    // it said.
    CommandResult upload(const std::string& url, std::vector<std::string> options, const std::vector<std::string>& files,
                         std::vector<std::string> environment = {}) {
        std::vector<std::string> arguments{"--folder", site(), "--runtime", "0", "--upload", url};
        arguments.insert(arguments.end(), options.begin(), options.end());
        arguments.insert(arguments.end(), files.begin(), files.end());
        environment.push_back("HOME=" + home());
        environment.push_back("SSH_AUTH_SOCK=");
        RunningPublisher publisher(arguments, environment);
        RunningPublisher::Ending ending = publisher.waitWithin(Watchdog);
        EXPECT_TRUE(ending.inTime) << publisher.said();
        return {ending.status, publisher.said()};
    }

    TemporaryFolder folder;
};

class SftpUploadTest : public UploadCommandTest {
protected:
    void SetUp() override {
        UploadCommandTest::SetUp();
        ASSERT_TRUE(server.start()) << server.problem();
        ASSERT_TRUE(run("cp '" + server.clientKey() + "' '" + home() + "/.ssh/id_ed25519' && chmod 600 '" + home() +
                        "/.ssh/id_ed25519'"));
        fingerprint = outputOf("ssh-keygen -lf '" + server.hostPublicKey() + "' | cut -d' ' -f2");
        fingerprint.erase(fingerprint.find_last_not_of('\n') + 1);
    }

    std::string url() const {
        return "sftp://root@127.0.0.1:" + std::to_string(server.port()) + remote();
    }
    std::string remote() const { return server.remoteRoot() + "/music"; }
    // Files the server wrote content into since it started.
    int filesWritten() const {
        return std::stoi(outputOf("grep -c 'written [1-9]' '" + server.sftpLog() + "' || true"));
    }
    std::set<std::string> namesWritten() const {
        std::set<std::string> names;
        std::string log = outputOf("grep 'written [1-9]' '" + server.sftpLog() + "' || true");
        std::regex written("close \"([^\"]+)\" bytes read [0-9]+ written [1-9]");
        for (std::sregex_iterator found(log.begin(), log.end(), written), end; found != end; ++found)
            names.insert(fs::path((*found)[1].str()).filename().string());
        return names;
    }
    CommandResult firstUpload() { return upload(url(), {"--accept-host-key", fingerprint}, tracks(3)); }

    SshServer server;
    std::string fingerprint;
};

TEST_F(SftpUploadTest, AnUnknownHostIsRefusedWithItsFingerprintUntilTheUserAcceptsIt) {
    CommandResult refused = upload(url(), {}, tracks(3));
    EXPECT_EQ(refused.status, 1) << refused.said;
    EXPECT_NE(refused.said.find("--accept-host-key " + fingerprint), std::string::npos) << refused.said;
    EXPECT_FALSE(fs::exists(remote()));

    CommandResult dryRun = upload(url(), {"--accept-host-key", fingerprint, "--dry-run"}, {});
    ASSERT_EQ(dryRun.status, 0) << dryRun.said;
    EXPECT_NE(dryRun.said.find("send music_list.xml"), std::string::npos) << dryRun.said;
    EXPECT_FALSE(fs::exists(remote())) << "a dry run sends nothing";

    CommandResult accepted = upload(url(), {}, {});
    ASSERT_EQ(accepted.status, 0) << accepted.said;
    EXPECT_EQ(withoutManifest(snapshot(remote())), snapshot(output()));
    std::string known = home() + "/.ssh/known_hosts";
    EXPECT_TRUE(run("ssh-keygen -F '[127.0.0.1]:" + std::to_string(server.port()) + "' -f '" + known + "' >/dev/null"));

    ASSERT_TRUE(server.restartWithNewHostKey()) << server.problem();
    Tree before = snapshot(remote());
    CommandResult changed = upload(url(), {}, {});
    EXPECT_EQ(changed.status, 1) << changed.said;
    EXPECT_NE(changed.said.find("Host key verification failed"), std::string::npos) << changed.said;
    EXPECT_NE(changed.said.find(fingerprint), std::string::npos) << "the known key's fingerprint: " << changed.said;
    EXPECT_EQ(snapshot(remote()), before);
}

TEST_F(SftpUploadTest, ARepublishSendsOnlyTheBytesThatChangedAndDeletesOnlyWhatTheLastUploadPutThere) {
    ASSERT_EQ(firstUpload().status, 0);
    EXPECT_EQ(withoutManifest(snapshot(remote())), snapshot(output()));

    int written = filesWritten();
    CommandResult unchanged = upload(url(), {}, tracks(3));
    ASSERT_EQ(unchanged.status, 0) << unchanged.said;
    EXPECT_EQ(filesWritten(), written) << "an unchanged republish sends no file content:\n" << unchanged.said;

    makeTrack("track2.mp3", 1234);
    written = filesWritten();
    CommandResult oneChanged = upload(url(), {}, tracks(3));
    ASSERT_EQ(oneChanged.status, 0) << oneChanged.said;
    std::set<std::string> sent = namesWritten();
    EXPECT_TRUE(std::any_of(sent.begin(), sent.end(),
                            [](const std::string& name) {
                                return name.starts_with(".tunemill-incoming-") && name.ends_with("-2.swf");
                            }))
        << outputOf("grep written '" + server.sftpLog() + "'");
    EXPECT_LE(filesWritten() - written, 3) << "the movie, the manifest and at most the playlist";
    EXPECT_EQ(withoutManifest(snapshot(remote())), snapshot(output()));

    writeFile(remote() + "/guestbook.txt", {'h', 'i'});
    CommandResult shorter = upload(url(), {}, tracks(2));
    ASSERT_EQ(shorter.status, 0) << shorter.said;
    EXPECT_FALSE(fs::exists(remote() + "/3.swf")) << "the removed track's movie is deleted";
    EXPECT_EQ(readFile(remote() + "/guestbook.txt"), (Bytes{'h', 'i'})) << "a file no manifest lists is untouched";
    Tree expected = snapshot(output());
    expected["guestbook.txt"] = "hi";
    EXPECT_EQ(withoutManifest(snapshot(remote())), expected);
}

TEST_F(SftpUploadTest, AWrongPasswordIsRefusedWithNothingChanged) {
    fs::remove(home() + "/.ssh/id_ed25519");
    std::string asAccount =
        "sftp://" + std::string(server_process::Account) + "@127.0.0.1:" + std::to_string(server.port()) + remote();
    CommandResult refused =
        upload(asAccount, {"--accept-host-key", fingerprint}, tracks(1), {"TUNEMILL_UPLOAD_PASSWORD=wrong"});
    EXPECT_EQ(refused.status, 1) << refused.said;
    EXPECT_NE(refused.said.find("login was refused"), std::string::npos) << refused.said;
    EXPECT_FALSE(fs::exists(remote()));

    CommandResult right = upload(asAccount, {}, {}, {"TUNEMILL_UPLOAD_PASSWORD=" + std::string(server_process::AccountPassword)});
    EXPECT_EQ(right.status, 0) << right.said;
}

// The runtime's 30 MB through a relay at 4 MB/s: time enough to break the
// upload while it surely is still sending.
TEST_F(SftpUploadTest, AStopOrAKilledServerMidUploadLeavesTheLivePlayerWholeAndTheNextUploadCompletes) {
    ASSERT_EQ(firstUpload().status, 0);
    Tree live = snapshot(remote());
    makeTrack("track1.mp3", 777, 20.0);
    SlowRelay relay(server.port(), 4'000'000);
    ASSERT_NE(relay.port(), 0);
    std::vector<std::string> arguments{"--folder", site(), "--upload",
                                       "sftp://root@127.0.0.1:" + std::to_string(relay.port()) + remote(),
                                       "--accept-host-key", fingerprint};
    for (const std::string& file : tracks(3))
        arguments.push_back(file);
    std::vector<std::string> environment{"HOME=" + home(), "SSH_AUTH_SOCK="};
    expectAStopMidSendEndsPromptly(arguments, environment);
    Tree afterStop = snapshot(remote());
    expectUnchanged(live, afterStop);
    {
        RunningPublisher cut(arguments, environment);
        ASSERT_TRUE(cut.waitFor("Sending ")) << cut.said();
        server.kill();
        RunningPublisher::Ending ending = cut.waitWithin(Watchdog);
        EXPECT_EQ(ending.status, 1) << cut.said();
    }
    Tree afterKill = snapshot(remote());
    expectWholePlayer(afterKill);
    expectUnchanged(live, afterKill);

    ASSERT_TRUE(server.restart()) << server.problem();
    CommandResult resumed = upload(url(), {}, {});
    ASSERT_EQ(resumed.status, 0) << resumed.said;
    Tree done = snapshot(remote());
    EXPECT_FALSE(holdsTemporaryFiles(done));
    EXPECT_EQ(withoutManifest(done), snapshot(output()));
}

// The remote folder on a tmpfs too small for the runtime: the upload fails
// before its switch, and once there is room the next one completes.
TEST_F(SftpUploadTest, AFullRemoteDiskLeavesTheLivePlayerAsItWasAndTheNextUploadCompletes) {
    fs::create_directories(remote());
    ASSERT_TRUE(run("mount -t tmpfs -o size=4m tmpfs '" + remote() + "' && chmod 0777 '" + remote() + "'"));
    struct Unmount {
        std::string point;
        ~Unmount() { run("umount -l '" + point + "'"); }
    } unmount{remote()};
    ASSERT_EQ(firstUpload().status, 0);
    Tree live = snapshot(remote());

    std::vector<std::string> withRuntime{"--folder", site(), "--upload", url()};
    for (const std::string& file : tracks(3))
        withRuntime.push_back(file);
    RunningPublisher full(withRuntime, {"HOME=" + home(), "SSH_AUTH_SOCK="});
    RunningPublisher::Ending ending = full.waitWithin(Watchdog);
    EXPECT_EQ(ending.status, 1) << full.said();
    EXPECT_NE(full.said().find("full"), std::string::npos) << full.said();
    EXPECT_NE(full.said().find("unchanged"), std::string::npos) << full.said();
    Tree afterFull = snapshot(remote());
    expectUnchanged(live, afterFull);

    ASSERT_TRUE(run("mount -o remount,size=96m '" + remote() + "'"));
    CommandResult roomy = upload(url(), {}, {});
    ASSERT_EQ(roomy.status, 0) << roomy.said;
    EXPECT_EQ(withoutManifest(snapshot(remote())), snapshot(output()));
}

// The site checked as a visitor loads it, from an Apache host serving the
// remote folder that reads .htaccess files fully, not at all, or without
// FileInfo, where Tunemill's gives every request a 500.
TEST_F(SftpUploadTest, TheLiveCheckFindsWhatWentUpAndTakesAwayAnHtaccessTheHostRefuses) {
    ASSERT_TRUE(run("chmod 0755 '" + fs::path(server.remoteRoot()).parent_path().string() + "'"));
    std::vector<std::string> files = tracks(3);
    for (const std::string allowOverride : {"None", "All", "AuthConfig"}) {
        ApacheDavServer host;
        ASSERT_TRUE(host.startServing(server.remoteRoot(), allowOverride)) << host.problem();
        std::string folder = "live-" + allowOverride;
        std::vector<std::string> arguments{
            "--folder", site(), "--upload",
            "sftp://root@127.0.0.1:" + std::to_string(server.port()) + server.remoteRoot() + "/" + folder,
            "--accept-host-key", fingerprint, "--site-url", host.webAddress(folder), "--ca-file", host.authorityFile()};
        arguments.insert(arguments.end(), files.begin(), files.end());
        files.clear();
        RunningPublisher checked(arguments, {"HOME=" + home(), "SSH_AUTH_SOCK="});
        RunningPublisher::Ending ending = checked.waitWithin(Watchdog);
        EXPECT_EQ(ending.status, 0) << allowOverride << ": " << checked.said();
        bool refused = allowOverride == "AuthConfig";
        EXPECT_EQ(checked.said().find("removed") != std::string::npos, refused) << checked.said();
        EXPECT_EQ(fs::exists(server.remoteRoot() + "/" + folder + "/.htaccess"), !refused) << allowOverride;
        if (allowOverride == "None") {
            std::vector<std::string> elsewhere = arguments;
            elsewhere[std::find(elsewhere.begin(), elsewhere.end(), "--site-url") - elsewhere.begin() + 1] =
                host.webAddress("nowhere");
            RunningPublisher wrong(elsewhere, {"HOME=" + home(), "SSH_AUTH_SOCK="});
            EXPECT_EQ(wrong.waitWithin(Watchdog).status, 1) << wrong.said();
            EXPECT_NE(wrong.said().find("404"), std::string::npos) << wrong.said();
        }
    }
}

class FtpUploadTest : public UploadCommandTest {
protected:
    void SetUp() override {
        UploadCommandTest::SetUp();
        ASSERT_TRUE(server.start()) << server.problem();
    }
    std::string url() const {
        return "ftp://" + std::string(server_process::Account) + "@127.0.0.1:" + std::to_string(server.port()) +
               "/music";
    }
    std::string remote() const { return server.remoteRoot() + "/music"; }
    std::vector<std::string> password() const {
        return {"TUNEMILL_UPLOAD_PASSWORD=" + std::string(server_process::AccountPassword)};
    }

    VsftpdServer server;
};

TEST_F(FtpUploadTest, AnUntrustedCertificateOrAWrongPasswordIsRefusedAndATrustedUploadSendsOnlyWhatChanged) {
    CommandResult untrusted = upload(url(), {}, tracks(3), password());
    EXPECT_EQ(untrusted.status, 1) << untrusted.said;
    EXPECT_NE(untrusted.said.find("certificate is not trusted"), std::string::npos) << untrusted.said;
    CommandResult wrong = upload(url(), {"--ca-file", server.certificate()}, {}, {"TUNEMILL_UPLOAD_PASSWORD=wrong"});
    EXPECT_EQ(wrong.status, 1) << wrong.said;
    EXPECT_FALSE(fs::exists(remote()));
    EXPECT_EQ(server.filesReceived(), 0);

    CommandResult first = upload(url(), {"--ca-file", server.certificate()}, {}, password());
    ASSERT_EQ(first.status, 0) << first.said;
    EXPECT_EQ(withoutManifest(snapshot(remote())), snapshot(output()));

    int received = server.filesReceived();
    makeTrack("track3.mp3", 999);
    // The server requires TLS for the login, so a plain fallback would fail.
    CommandResult changed = upload(url(), {"--ca-file", server.certificate(), "--plain-ftp"}, tracks(2), password());
    ASSERT_EQ(changed.status, 0) << changed.said;
    EXPECT_NE(changed.said.find("tunemill-publish: --plain-ftp: if the server offers no TLS, the password and the "
                                "files go in the clear\n"),
              std::string::npos)
        << changed.said;
    EXPECT_LE(server.filesReceived() - received, 2) << "at most the playlist and the manifest";
    EXPECT_FALSE(fs::exists(remote() + "/3.swf"));
    EXPECT_EQ(withoutManifest(snapshot(remote())), snapshot(output()));

    writeFile(remote() + "/guestbook.txt", {'h', 'i'});
    received = server.filesReceived();
    CommandResult unchanged = upload(url(), {"--ca-file", server.certificate()}, tracks(2), password());
    ASSERT_EQ(unchanged.status, 0) << unchanged.said;
    EXPECT_EQ(server.filesReceived(), received) << "an unchanged republish sends no file content";
    EXPECT_EQ(readFile(remote() + "/guestbook.txt"), (Bytes{'h', 'i'})) << "a file no manifest lists is untouched";

    Tree before = snapshot(output());
    received = server.filesReceived();
    makeTrack("track2.mp3", 888);
    CommandResult retuned = upload(url(), {"--ca-file", server.certificate()}, tracks(2), password());
    ASSERT_EQ(retuned.status, 0) << retuned.said;
    Tree after = snapshot(output());
    long differing = std::count_if(after.begin(), after.end(), [&](const auto& file) {
        return !before.contains(file.first) || before.at(file.first) != file.second;
    });
    EXPECT_TRUE(before.at("2.swf") != after.at("2.swf"));
    EXPECT_EQ(server.filesReceived() - received, differing + 1) << "the files whose bytes changed, and the manifest";
    Tree site = withoutManifest(snapshot(remote()));
    site.erase("guestbook.txt");
    EXPECT_EQ(site, after);
}

// The remote folder on a tmpfs too small for the runtime: the live player
// stays as it was, and once there is room the next upload completes.
TEST_F(FtpUploadTest, AFullRemoteDiskLeavesTheLivePlayerAsItWasAndTheNextUploadCompletes) {
    fs::create_directories(remote());
    ASSERT_TRUE(run("mount -t tmpfs -o size=4m tmpfs '" + remote() + "' && chown " +
                    std::string(server_process::Account) + " '" + remote() + "'"));
    struct Unmount {
        std::string point;
        ~Unmount() { run("umount -l '" + point + "'"); }
    } unmount{remote()};
    ASSERT_EQ(upload(url(), {"--ca-file", server.certificate()}, tracks(3), password()).status, 0);
    Tree live = snapshot(remote());

    std::vector<std::string> withRuntime{"--folder", site(), "--upload", url(), "--ca-file", server.certificate()};
    for (const std::string& file : tracks(3))
        withRuntime.push_back(file);
    std::vector<std::string> environment = password();
    environment.push_back("HOME=" + home());
    RunningPublisher full(withRuntime, environment);
    RunningPublisher::Ending ending = full.waitWithin(Watchdog);
    EXPECT_EQ(ending.status, 1) << full.said();
    // vsftpd answers a full disk with 451, or now and then by dropping the
    // data connection, which the upload can only call lost.
    EXPECT_TRUE(full.said().find("full") != std::string::npos ||
                full.said().find("connection was lost") != std::string::npos)
        << full.said();
    EXPECT_NE(full.said().find("unchanged"), std::string::npos) << full.said();
    Tree afterFull = snapshot(remote());
    expectUnchanged(live, afterFull);

    ASSERT_TRUE(run("mount -o remount,size=96m '" + remote() + "'"));
    CommandResult roomy = upload(url(), {"--ca-file", server.certificate()}, {}, password());
    ASSERT_EQ(roomy.status, 0) << roomy.said;
    Tree done = snapshot(remote());
    EXPECT_FALSE(holdsTemporaryFiles(done));
    EXPECT_EQ(withoutManifest(done), snapshot(output()));
}

// WebDAV through a relay at 4 MB/s, so that Ctrl+C, or the server's end,
// surely comes while the runtime is still going up.
TEST_F(UploadCommandTest, AStopOrAKilledServerMidWebDavUploadLeavesTheLivePlayerWholeAndTheNextUploadCompletes) {
    ApacheDavServer dav;
    ASSERT_TRUE(dav.start()) << dav.problem();
    SlowRelay relay(dav.port(), 4'000'000);
    ASSERT_NE(relay.port(), 0);
    std::string direct = dav.address("music"), slow = "https://" + std::string(server_process::Account) +
                                                         "@127.0.0.1:" + std::to_string(relay.port()) + "/music";
    std::vector<std::string> environment{"TUNEMILL_UPLOAD_PASSWORD=" + std::string(server_process::AccountPassword)};
    std::vector<std::string> trust{"--ca-file", dav.authorityFile()};
    ASSERT_EQ(upload(direct, trust, tracks(3), environment).status, 0);
    std::string remote = dav.davRoot() + "/music";
    Tree live = snapshot(remote);
    EXPECT_EQ(withoutManifest(live), snapshot(output()));

    std::vector<std::string> arguments{"--folder", site(), "--upload", slow, "--ca-file", dav.authorityFile()};
    for (const std::string& file : tracks(3))
        arguments.push_back(file);
    environment.push_back("HOME=" + home());
    expectAStopMidSendEndsPromptly(arguments, environment);
    Tree afterStop = snapshot(remote);
    expectUnchanged(live, afterStop);
    {
        RunningPublisher cut(arguments, environment);
        ASSERT_TRUE(cut.waitFor("Sending ")) << cut.said();
        dav.kill();
        EXPECT_EQ(cut.waitWithin(Watchdog).status, 1) << cut.said();
        EXPECT_NE(cut.said().find("unchanged"), std::string::npos) << cut.said();
    }
    Tree afterKill = snapshot(remote);
    expectWholePlayer(afterKill);
    expectUnchanged(live, afterKill);

    ASSERT_TRUE(dav.restart()) << dav.problem();
    CommandResult resumed = upload(direct, trust, {}, {environment.front()});
    ASSERT_EQ(resumed.status, 0) << resumed.said;
    Tree done = snapshot(remote);
    EXPECT_FALSE(holdsTemporaryFiles(done));
    EXPECT_EQ(withoutManifest(done), snapshot(output()));
}

} // namespace
