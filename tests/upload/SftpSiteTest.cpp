#include "tests/upload/SshServer.h"
#include "tests/upload/ServerProcess.h"

#include "upload/RemoteSite.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <future>

using namespace upload;
using testing_support::Bytes;
using testing_support::outputOf;
using testing_support::readFile;
using testing_support::run;

namespace {

class SftpSiteTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(server.start()) << server.problem(); }

    RemoteAddress address(const std::string& user, const std::string& folder) const {
        RemoteAddress parsed;
        EXPECT_EQ(parseRemoteAddress("sftp://" + user + "@127.0.0.1:" + std::to_string(server.port()) +
                                         server.remoteRoot() + "/" + folder,
                                     parsed),
                  AddressProblem::None);
        return parsed;
    }
    // The root's key login, trusting the server's key.
    std::unique_ptr<RemoteSite> rootSite(const std::string& folder) {
        SiteCredentials credentials;
        credentials.keyFiles = {server.path("no_such_key"), server.clientKey()};
        return openRemoteSite(address("root", folder), credentials, trusted(), stop);
    }
    SiteTrust trusted() {
        SiteTrust trust;
        trust.knownHosts = server.path("known_hosts");
        if (!std::filesystem::exists(trust.knownHosts))
            trust.acceptHostKey = fingerprintOf(server.hostPublicKey());
        return trust;
    }
    // What `ssh-keygen -l` says of the key: its second word.
    static std::string fingerprintOf(const std::string& publicKey) {
        std::string said = outputOf("ssh-keygen -lf '" + publicKey + "'");
        std::size_t start = said.find(' ') + 1;
        return said.substr(start, said.find(' ', start) - start);
    }
    std::string remote(const std::string& path) const { return server.remoteRoot() + "/" + path; }

    SshServer server;
    std::atomic<bool> stop = false;
    testing_support::TemporaryFolder local;
};

Bytes someBytes(std::size_t size, unsigned seed) {
    Bytes bytes(size);
    for (std::size_t i = 0; i < size; ++i)
        bytes[i] = static_cast<unsigned char>((i * 131 + seed * 7 + i / 251) & 0xff);
    return bytes;
}

TEST_F(SftpSiteTest, FilesGoUpAndComeBackAsTheyWere) {
    std::unique_ptr<RemoteSite> site = rootSite("site");
    ASSERT_TRUE(site);
    std::vector<RemoteEntry> entries;
    ASSERT_FALSE(site->list(entries)) << "a folder that does not exist yet lists as empty";
    EXPECT_TRUE(entries.empty());
    ASSERT_FALSE(site->makeFolder("tracks/old"));
    ASSERT_FALSE(site->makeFolder("tracks")) << "an existing folder is fine";

    std::vector<Transfer> transfers;
    for (unsigned i = 0; i < 7; ++i) {
        std::string name = i < 5 ? "tracks/track " + std::to_string(i) + ".swf" : "new/deep/file" + std::to_string(i);
        Bytes bytes = someBytes(i == 0 ? 0 : 300000 * i + i, i);
        testing_support::writeFile(local.path("f" + std::to_string(i)), bytes);
        transfers.push_back({local.path("f" + std::to_string(i)), name, bytes.size()});
    }
    std::size_t lastDone = 0;
    ASSERT_FALSE(site->send(transfers, [&](std::uint64_t, std::size_t done) { lastDone = done; }));
    EXPECT_EQ(lastDone, transfers.size());
    for (const Transfer& sent : transfers)
        EXPECT_EQ(readFile(remote("site/" + sent.remote)), readFile(sent.local)) << sent.remote;

    ASSERT_FALSE(site->write("music_list.xml", "<songs/>\n"));
    std::string bytes;
    ASSERT_FALSE(site->read("music_list.xml", bytes));
    EXPECT_EQ(bytes, "<songs/>\n");
    EXPECT_FALSE(site->renameReplaces());
    EXPECT_EQ(site->rename("music_list.xml", "tracks/track 1.swf").problem, UploadProblem::RemoteRefused);
    ASSERT_FALSE(site->rename("music_list.xml", "tracks/list \"quoted\".xml"));
    ASSERT_FALSE(site->remove("tracks/track 2.swf"));
    EXPECT_EQ(site->remove("tracks/track 2.swf").problem, UploadProblem::NotFound);

    ASSERT_FALSE(site->list(entries));
    std::sort(entries.begin(), entries.end(), [](const auto& a, const auto& b) { return a.path < b.path; });
    std::vector<RemoteEntry> expected{{"new", 4096, true},
                                      {"new/deep", 4096, true},
                                      {"new/deep/file5", 1500005, false},
                                      {"new/deep/file6", 1800006, false},
                                      {"tracks", 4096, true},
                                      {"tracks/list \"quoted\".xml", 9, false},
                                      {"tracks/old", 4096, true},
                                      {"tracks/track 0.swf", 0, false},
                                      {"tracks/track 1.swf", 300001, false},
                                      {"tracks/track 3.swf", 900003, false},
                                      {"tracks/track 4.swf", 1200004, false}};
    for (RemoteEntry& entry : entries)
        if (entry.folder)
            entry.size = 4096;
    EXPECT_EQ(entries, expected);
}

TEST_F(SftpSiteTest, AnUnknownHostKeyIsRefusedUntilAcceptedAndThenWrittenForSsh) {
    SiteCredentials credentials;
    credentials.keyFiles = {server.clientKey()};
    SiteTrust trust;
    trust.knownHosts = server.path("ssh/known_hosts");
    std::string fingerprint = fingerprintOf(server.hostPublicKey());
    ASSERT_TRUE(fingerprint.starts_with("SHA256:"));

    UploadFailure refused = openRemoteSite(address("root", "site"), credentials, trust, stop)->makeFolder("");
    EXPECT_EQ(refused.problem, UploadProblem::HostKeyUnknown);
    EXPECT_EQ(refused.fingerprint, fingerprint);
    EXPECT_FALSE(std::filesystem::exists(remote("site")));

    trust.acceptHostKey = fingerprint;
    EXPECT_FALSE(openRemoteSite(address("root", "site"), credentials, trust, stop)->makeFolder(""));
    EXPECT_TRUE(std::filesystem::is_directory(remote("site")));
    std::string host = "'[127.0.0.1]:" + std::to_string(server.port()) + "'";
    EXPECT_NE(outputOf("ssh-keygen -F " + host + " -f '" + trust.knownHosts.string() + "'"), "");
    EXPECT_TRUE(run("sftp -b /dev/null -o BatchMode=yes -o StrictHostKeyChecking=yes -o UserKnownHostsFile='" +
                    trust.knownHosts.string() + "' -i '" + server.clientKey() + "' -P " +
                    std::to_string(server.port()) + " root@127.0.0.1"));

    trust.acceptHostKey.clear();
    EXPECT_FALSE(openRemoteSite(address("root", "site"), credentials, trust, stop)->makeFolder("again"));
}

TEST_F(SftpSiteTest, AChangedHostKeyIsAlwaysRefusedWithBothFingerprints) {
    ASSERT_FALSE(rootSite("site")->makeFolder(""));
    std::string old = fingerprintOf(server.hostPublicKey());
    ASSERT_TRUE(server.restartWithNewHostKey()) << server.problem();
    std::string changed = fingerprintOf(server.hostPublicKey());
    ASSERT_NE(old, changed);

    SiteCredentials credentials;
    credentials.keyFiles = {server.clientKey()};
    SiteTrust trust = trusted();
    trust.acceptHostKey = changed;
    UploadFailure refused = openRemoteSite(address("root", "site"), credentials, trust, stop)->makeFolder("new");
    EXPECT_EQ(refused.problem, UploadProblem::HostKeyChanged);
    EXPECT_EQ(refused.fingerprint, changed);
    EXPECT_EQ(refused.knownFingerprint, old);
    EXPECT_FALSE(std::filesystem::exists(remote("site/new")));
}

TEST_F(SftpSiteTest, AWrongPasswordIsRefusedAndCreatesNothing) {
    SiteCredentials credentials;
    credentials.password = "not the password";
    UploadFailure refused =
        openRemoteSite(address(server_process::Account, "site"), credentials, trusted(), stop)->makeFolder("");
    EXPECT_EQ(refused.problem, UploadProblem::LoginRefused);
    EXPECT_FALSE(std::filesystem::exists(remote("site")));

    credentials.password = server_process::AccountPassword;
    std::unique_ptr<RemoteSite> site = openRemoteSite(address(server_process::Account, "site"), credentials, trusted(), stop);
    ASSERT_FALSE(site->write("index.htm", "hello"));
    EXPECT_EQ(readFile(remote("site/index.htm")), Bytes({'h', 'e', 'l', 'l', 'o'}));
}

TEST_F(SftpSiteTest, TakesThePasswordFromTheNetrcBeforeTheOneGiven) {
    server_process::writeAccountNetrc(local.path("netrc"));
    SiteCredentials credentials;
    credentials.password = "not the password";
    credentials.netrc = local.path("netrc");
    EXPECT_FALSE(openRemoteSite(address(server_process::Account, "site"), credentials, trusted(), stop)->makeFolder(""));
    EXPECT_TRUE(std::filesystem::is_directory(remote("site")));
}

TEST_F(SftpSiteTest, AStopMidSendEndsItAndALostServerIsALostConnection) {
    std::filesystem::resize_file((std::ofstream(local.path("big")), local.path("big")), 4ull << 30);
    std::vector<Transfer> transfers{{local.path("big"), "big.swf", 4ull << 30}};
    std::unique_ptr<RemoteSite> site = rootSite("site");
    ASSERT_FALSE(site->makeFolder(""));

    auto stopped = std::async(std::launch::async, [&] {
        return site->send(transfers, [&](std::uint64_t bytes, std::size_t) { stop = stop || bytes > 0; });
    });
    ASSERT_EQ(stopped.wait_for(std::chrono::seconds(20)), std::future_status::ready) << "the stop went unheard";
    EXPECT_EQ(stopped.get().problem, UploadProblem::Stopped);

    stop = false;
    site = rootSite("site");
    auto lost = std::async(std::launch::async, [&] {
        return site->send(transfers, [&](std::uint64_t bytes, std::size_t) {
            if (bytes > 0)
                server.kill();
        });
    });
    ASSERT_EQ(lost.wait_for(std::chrono::seconds(60)), std::future_status::ready) << "the lost server went unnoticed";
    UploadFailure failure = lost.get();
    EXPECT_EQ(failure.problem, UploadProblem::ConnectionLost) << failure.remoteText;
}

TEST_F(SftpSiteTest, AFullRemoteDiskIsSaidToBeFull) {
    std::string full = remote("full");
    ASSERT_TRUE(run("mkdir '" + full + "' && mount -t tmpfs -o size=1m,mode=0777 tmpfs '" + full + "'"));
    std::filesystem::resize_file((std::ofstream(local.path("big")), local.path("big")), 3 << 20);
    UploadFailure failure = rootSite("full")->send({{local.path("big"), "big.swf", 3 << 20}}, {});
    EXPECT_TRUE(run("umount '" + full + "'"));
    EXPECT_EQ(failure.problem, UploadProblem::RemoteFull) << failure.remoteText;
    EXPECT_EQ(failure.path, "big.swf");
}

TEST_F(SftpSiteTest, TheAgentThenEachKeyThenThePasswordAreTried) {
    std::string agent = outputOf("ssh-agent -s -a '" + local.path("agent") + "'");
    std::size_t pid = agent.find("SSH_AGENT_PID=");
    ASSERT_NE(pid, std::string::npos) << agent;
    pid_t agentProcess = std::stoi(agent.substr(pid + 14));
    setenv("SSH_AUTH_SOCK", local.path("agent").c_str(), 1);

    SiteCredentials credentials;
    credentials.keyFiles = {server.path("host_key")};
    credentials.password = server_process::AccountPassword;
    EXPECT_FALSE(openRemoteSite(address(server_process::Account, "site"), credentials, trusted(), stop)->makeFolder(""))
        << "an agent without keys and a key the server does not know leave the password";
    EXPECT_TRUE(run("SSH_AUTH_SOCK='" + local.path("agent") + "' ssh-add -q '" + server.clientKey() + "'"));
    EXPECT_FALSE(openRemoteSite(address("root", "site"), {}, trusted(), stop)->makeFolder("by agent"));
    EXPECT_TRUE(std::filesystem::is_directory(remote("site/by agent")));

    unsetenv("SSH_AUTH_SOCK");
    kill(agentProcess, SIGTERM);
}

} // namespace
