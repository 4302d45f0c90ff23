#include "tests/upload/ApacheDavServer.h"
#include "tests/upload/ServerProcess.h"
#include "upload/WebDavSite.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <future>
#include <random>

using namespace upload;
using testing_support::Bytes;
using testing_support::readFile;
using testing_support::TemporaryFolder;
using testing_support::writeFile;

namespace {

Bytes randomBytes(std::size_t size, unsigned seed) {
    std::mt19937 generator(seed);
    Bytes bytes(size);
    for (unsigned char& byte : bytes)
        byte = static_cast<unsigned char>(generator());
    return bytes;
}

std::string text(const Bytes& bytes) { return std::string(bytes.begin(), bytes.end()); }

class WebDavSiteTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(server.start()) << server.problem(); }

    RemoteAddress addressOf(const std::string& folder) {
        RemoteAddress address;
        EXPECT_EQ(parseRemoteAddress(server.address(folder), address), AddressProblem::None);
        return address;
    }
    WebDavSite site(const std::string& folder, const std::string& password, bool trustAuthority = true) {
        SiteCredentials credentials;
        credentials.password = password;
        SiteTrust trust;
        if (trustAuthority)
            trust.caFile = server.authorityFile();
        return WebDavSite(addressOf(folder), credentials, trust, stop);
    }
    std::string onServer(const std::string& path) { return server.davRoot() + "/" + path; }

    ApacheDavServer server;
    TemporaryFolder local;
    std::atomic<bool> stop{false};
};

TEST_F(WebDavSiteTest, MakesSendsListsReadsRenamesAndRemoves) {
    WebDavSite dav = site("site/deep", server_process::AccountPassword);
    std::vector<RemoteEntry> entries{{"stale", 1, false}};
    ASSERT_FALSE(dav.list(entries));
    EXPECT_TRUE(entries.empty()) << "a folder that does not exist yet lists empty";

    ASSERT_FALSE(dav.makeFolder(""));
    ASSERT_FALSE(dav.makeFolder("sub"));
    ASSERT_FALSE(dav.makeFolder("sub")) << "an existing folder is fine";
    std::vector<std::pair<std::string, Bytes>> files{{"movie.swf", randomBytes(300000, 1)},
                                                     {"sub/b.xml", randomBytes(5000, 2)},
                                                     {"name with space & ü.txt", randomBytes(10, 3)},
                                                     {".incoming-x", randomBytes(70000, 4)},
                                                     {"empty", {}}};
    std::vector<Transfer> transfers;
    for (std::size_t i = 0; i < files.size(); ++i) {
        writeFile(local.path(std::to_string(i)), files[i].second);
        transfers.push_back({local.path(std::to_string(i)), files[i].first, files[i].second.size()});
    }
    std::uint64_t lastBytes = 0;
    std::size_t lastFiles = 0;
    ASSERT_FALSE(dav.send(transfers, [&](std::uint64_t bytes, std::size_t done) {
        lastBytes = bytes;
        lastFiles = done;
    }));
    EXPECT_EQ(lastFiles, files.size());
    EXPECT_EQ(lastBytes, 375010u);
    for (const auto& [path, bytes] : files)
        EXPECT_EQ(readFile(onServer("site/deep/" + path)), bytes) << path;

    ASSERT_FALSE(dav.list(entries));
    std::sort(entries.begin(), entries.end(), [](const auto& a, const auto& b) { return a.path < b.path; });
    std::vector<RemoteEntry> expected{{".incoming-x", 70000, false}, {"empty", 0, false},
                                      {"movie.swf", 300000, false},  {"name with space & ü.txt", 10, false},
                                      {"sub", 0, true},              {"sub/b.xml", 5000, false}};
    EXPECT_EQ(entries, expected);

    std::string read;
    ASSERT_FALSE(dav.read("sub/b.xml", read));
    EXPECT_EQ(read, text(files[1].second));

    ASSERT_FALSE(dav.rename(".incoming-x", "movie-2.swf"));
    EXPECT_FALSE(std::filesystem::exists(onServer("site/deep/.incoming-x")));
    EXPECT_EQ(readFile(onServer("site/deep/movie-2.swf")), files[3].second);
    EXPECT_FALSE(dav.renameReplaces());
    UploadFailure onto = dav.rename("sub/b.xml", "movie.swf");
    EXPECT_EQ(onto.problem, UploadProblem::RemoteRefused);
    EXPECT_NE(onto.remoteText.find("412"), std::string::npos) << onto.remoteText;
    EXPECT_EQ(readFile(onServer("site/deep/movie.swf")), files[0].second) << "the target is left whole";
    EXPECT_EQ(readFile(onServer("site/deep/sub/b.xml")), files[1].second);

    ASSERT_FALSE(dav.write(".tunemill-manifest", "manifest\n"));
    EXPECT_EQ(text(readFile(onServer("site/deep/.tunemill-manifest"))), "manifest\n");
    ASSERT_FALSE(dav.remove("movie.swf"));
    EXPECT_FALSE(std::filesystem::exists(onServer("site/deep/movie.swf")));
    EXPECT_EQ(dav.remove("movie.swf").problem, UploadProblem::NotFound);
    EXPECT_EQ(dav.read("movie.swf", read).problem, UploadProblem::NotFound);
}

TEST_F(WebDavSiteTest, RefusesAWrongPasswordAndAnUntrustedCertificate) {
    WebDavSite wrong = site("site", "not the password");
    std::vector<RemoteEntry> entries;
    EXPECT_EQ(wrong.list(entries).problem, UploadProblem::LoginRefused);
    UploadFailure refused = wrong.makeFolder("");
    EXPECT_EQ(refused.problem, UploadProblem::LoginRefused);
    EXPECT_NE(refused.remoteText.find("401"), std::string::npos) << refused.remoteText;
    EXPECT_EQ(wrong.write("file", "bytes").problem, UploadProblem::LoginRefused);
    writeFile(local.path("file"), randomBytes(1000, 5));
    UploadFailure sent = wrong.send({{local.path("file"), "file", 1000}}, {});
    EXPECT_EQ(sent.problem, UploadProblem::LoginRefused) << "a refused PUT is no file sent";
    EXPECT_NE(sent.remoteText.find("401"), std::string::npos) << sent.remoteText;

    WebDavSite untrusting = site("site", server_process::AccountPassword, false);
    EXPECT_EQ(untrusting.makeFolder("").problem, UploadProblem::CertificateUntrusted);
    EXPECT_EQ(untrusting.list(entries).problem, UploadProblem::CertificateUntrusted);
    EXPECT_TRUE(std::filesystem::is_empty(server.davRoot())) << "nothing was created";
}

TEST_F(WebDavSiteTest, TakesThePasswordFromTheNetrcBeforeTheOneGiven) {
    server_process::writeAccountNetrc(local.path("netrc"));
    SiteCredentials credentials;
    credentials.password = "not the password";
    credentials.netrc = local.path("netrc");
    SiteTrust trust;
    trust.caFile = server.authorityFile();
    WebDavSite dav(addressOf("from-netrc"), credentials, trust, stop);
    ASSERT_FALSE(dav.makeFolder(""));
    EXPECT_TRUE(std::filesystem::is_directory(onServer("from-netrc")));

    std::ofstream(local.path("netrc")) << "machine elsewhere login someone password other\n";
    credentials.password = server_process::AccountPassword;
    WebDavSite fallingBack(addressOf("given"), credentials, trust, stop);
    ASSERT_FALSE(fallingBack.makeFolder("")) << "a netrc without the host leaves the password given";
}

TEST_F(WebDavSiteTest, StopsASendPromptly) {
    WebDavSite dav = site("", server_process::AccountPassword);
    std::filesystem::resize_file((writeFile(local.path("big"), {}), local.path("big")), 1u << 30);
    std::vector<Transfer> transfers{{local.path("big"), "big", 1u << 30}};
    auto sending = std::async(std::launch::async, [&] {
        return dav.send(transfers, [this](std::uint64_t bytes, std::size_t) {
            if (bytes > 0)
                stop = true;
        });
    });
    ASSERT_EQ(sending.wait_for(std::chrono::seconds(20)), std::future_status::ready) << "the send does not stop";
    EXPECT_EQ(sending.get().problem, UploadProblem::Stopped);
}

} // namespace
