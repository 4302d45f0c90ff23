#include "tests/upload/ServerProcess.h"
#include "tests/upload/VsftpdServer.h"

#include "upload/RemoteSite.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

using namespace upload;
using testing_support::Bytes;
using testing_support::readFile;

namespace {

class FtpSiteTest : public testing::Test {
protected:
    RemoteAddress address(const std::string& scheme, const std::string& folder) const {
        RemoteAddress parsed;
        EXPECT_EQ(parseRemoteAddress(scheme + "://" + std::string(server_process::Account) +
                                         "@127.0.0.1:" + std::to_string(server.port()) + "/" + folder,
                                     parsed),
                  AddressProblem::None);
        return parsed;
    }
    std::unique_ptr<RemoteSite> site(const std::string& scheme, const std::string& folder, bool trustServer = true,
                                     const std::string& password = server_process::AccountPassword) {
        SiteCredentials credentials;
        credentials.password = password;
        SiteTrust trust;
        if (trustServer)
            trust.caFile = server.certificate();
        return openRemoteSite(address(scheme, folder), credentials, trust, stop);
    }
    std::string remote(const std::string& path) const { return server.remoteRoot() + "/" + path; }
    void sendOne(RemoteSite& site, const std::string& name, std::size_t size) {
        testing_support::writeFile(local.path("one"), Bytes(size, 'x'));
        EXPECT_FALSE(site.send({{local.path("one"), name, size}}, {}));
    }

    VsftpdServer server;
    std::atomic<bool> stop = false;
    UploadFailure failure;
    testing_support::TemporaryFolder local;
};

// What a failure says, for a test's message.
std::string described(const UploadFailure& failure) {
    return std::to_string(static_cast<int>(failure.problem)) + " " + failure.path + ": " + failure.remoteText;
}

TEST_F(FtpSiteTest, FilesGoUpOverExplicitTlsAndComeBackAsTheyWere) {
    ASSERT_TRUE(server.start()) << server.problem();
    std::unique_ptr<RemoteSite> site = this->site("ftp", "music/site");
    ASSERT_TRUE(site);
    std::vector<RemoteEntry> entries;
    ASSERT_FALSE(failure = site->list(entries))
        << described(failure) << ": a folder that does not exist yet lists as empty";
    EXPECT_TRUE(entries.empty());
    ASSERT_FALSE(failure = site->makeFolder(""))
        << described(failure) << ": the folder and its parent, below the login folder";
    ASSERT_FALSE(failure = site->makeFolder("tracks/old")) << described(failure);
    ASSERT_FALSE(failure = site->makeFolder("tracks")) << described(failure) << ": an existing folder is fine";
    ASSERT_FALSE(failure = site->makeFolder("new/deep")) << described(failure);

    std::vector<Transfer> transfers;
    for (unsigned i = 0; i < 6; ++i) {
        std::string name = i < 4 ? "tracks/track " + std::to_string(i) + ".swf" : "new/deep/.file" + std::to_string(i);
        std::size_t size = i == 0 ? 0 : 300000 * i + i;
        std::string file = local.path("f" + std::to_string(i));
        ASSERT_TRUE(testing_support::run("head -c " + std::to_string(size) + " /dev/urandom > '" + file + "'"));
        transfers.push_back({file, name, size});
    }
    std::size_t lastDone = 0;
    ASSERT_FALSE(failure = site->send(transfers, [&](std::uint64_t, std::size_t done) { lastDone = done; }))
        << described(failure);
    EXPECT_EQ(lastDone, transfers.size());
    EXPECT_EQ(server.filesReceived(), 6);
    for (const Transfer& sent : transfers)
        EXPECT_EQ(readFile(remote("music/site/" + sent.remote)), readFile(sent.local)) << sent.remote;

    ASSERT_FALSE(failure = site->write("music_list.xml", "<songs/>\n")) << described(failure);
    std::string bytes;
    ASSERT_FALSE(failure = site->read("music_list.xml", bytes)) << described(failure);
    EXPECT_EQ(bytes, "<songs/>\n");
    EXPECT_EQ(site->read("missing.xml", bytes).problem, UploadProblem::NotFound);
    EXPECT_TRUE(site->renameReplaces());
    ASSERT_FALSE(failure = site->rename("music_list.xml", "tracks/track 1.swf")) << described(failure);
    std::string playlist = "<songs/>\n";
    EXPECT_EQ(readFile(remote("music/site/tracks/track 1.swf")), Bytes(playlist.begin(), playlist.end()))
        << "a rename onto an existing file replaces it";
    ASSERT_FALSE(failure = site->remove("tracks/track 2.swf")) << described(failure);
    EXPECT_NE(site->remove("tracks/track 2.swf").problem, UploadProblem::None);

    ASSERT_FALSE(failure = site->list(entries)) << described(failure);
    std::sort(entries.begin(), entries.end(), [](const auto& a, const auto& b) { return a.path < b.path; });
    std::vector<RemoteEntry> expected{{"new", 4096, true},
                                      {"new/deep", 4096, true},
                                      {"new/deep/.file4", 1200004, false},
                                      {"new/deep/.file5", 1500005, false},
                                      {"tracks", 4096, true},
                                      {"tracks/old", 4096, true},
                                      {"tracks/track 0.swf", 0, false},
                                      {"tracks/track 1.swf", 9, false},
                                      {"tracks/track 3.swf", 900003, false}};
    for (RemoteEntry& entry : entries)
        if (entry.folder)
            entry.size = 4096;
    EXPECT_EQ(entries, expected);
}

TEST_F(FtpSiteTest, AnUntrustedCertificateOrAWrongPasswordIsRefusedAndCreatesNothing) {
    ASSERT_TRUE(server.start()) << server.problem();
    std::unique_ptr<RemoteSite> untrusted = site("ftp", "music", false);
    ASSERT_TRUE(untrusted);
    EXPECT_EQ(untrusted->makeFolder("").problem, UploadProblem::CertificateUntrusted);
    std::unique_ptr<RemoteSite> wrong = site("ftp", "music", true, "wrong");
    UploadFailure refused = wrong->makeFolder("");
    EXPECT_EQ(refused.problem, UploadProblem::LoginRefused);
    EXPECT_NE(refused.remoteText.find("530"), std::string::npos) << refused.remoteText;
    EXPECT_FALSE(std::filesystem::exists(remote("music")));

    // Without a password given, the netrc's for this host and user.
    std::ofstream(local.path("netrc")) << "machine 127.0.0.1 login " << server_process::Account << " password "
                                       << server_process::AccountPassword << "\n";
    SiteCredentials fromNetrc;
    fromNetrc.netrc = local.path("netrc");
    SiteTrust trust;
    trust.caFile = server.certificate();
    std::unique_ptr<RemoteSite> trusted = openRemoteSite(address("ftp", "music"), fromNetrc, trust, stop);
    ASSERT_FALSE(failure = trusted->makeFolder("")) << described(failure);
    EXPECT_TRUE(std::filesystem::is_directory(remote("music")));
}

TEST_F(FtpSiteTest, ImplicitTlsServesFtpsAddresses) {
    ASSERT_TRUE(server.start(true)) << server.problem();
    std::unique_ptr<RemoteSite> site = this->site("ftps", "music");
    ASSERT_TRUE(site);
    ASSERT_FALSE(failure = site->makeFolder("")) << described(failure);
    sendOne(*site, "Player.swf", 70000);
    std::vector<RemoteEntry> entries;
    ASSERT_FALSE(failure = site->list(entries)) << described(failure);
    EXPECT_EQ(entries, (std::vector<RemoteEntry>{{"Player.swf", 70000, false}}));
    EXPECT_EQ(readFile(remote("music/Player.swf")), Bytes(70000, 'x'));
}

TEST_F(FtpSiteTest, AFullRemoteDiskIsSaidToBeFullInTheServersWords) {
    ASSERT_TRUE(server.start()) << server.problem();
    std::string full = remote("full");
    ASSERT_TRUE(
        testing_support::run("mkdir '" + full + "' && mount -t tmpfs -o size=1m,mode=0777 tmpfs '" + full + "'"));
    std::filesystem::resize_file((std::ofstream(local.path("big")), local.path("big")), 3 << 20);
    failure = site("ftp", "full")->send({{local.path("big"), "big.swf", 3 << 20}}, {});
    EXPECT_TRUE(testing_support::run("umount '" + full + "'"));
    // vsftpd says 451, or now and then drops the data connection instead,
    // which is all a client can then tell.
    if (failure.problem == UploadProblem::RemoteFull)
        EXPECT_TRUE(failure.remoteText.starts_with("451 ")) << "vsftpd's own reply: " << failure.remoteText;
    else
        EXPECT_EQ(failure.problem, UploadProblem::ConnectionLost) << described(failure);
    EXPECT_EQ(failure.path, "big.swf");
}

} // namespace
