#include "HttpRequests.h"
#include "preview/FolderServer.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <ifaddrs.h>
#include <netinet/in.h>
#include <arpa/inet.h>
#include <chrono>
#include <poll.h>
#include <set>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

using namespace testing_support;
namespace fs = std::filesystem;

namespace {

class FolderServerTest : public ::testing::Test {
protected:
    void SetUp() override {
        fs::create_directories(folder.path("site/ruffle"));
        put("site/Player.htm", "<html></html>");
        put("site/music_list.xml", "<data/>");
        put("site/Player.swf", "CWS");
        put("site/ruffle/ruffle.js", "var x;");
        put("site/ruffle/core.wasm", std::string("\0asm", 4));
        put("site/a b.swf", "spaced");
        put("secret.txt", "outside");
        ASSERT_TRUE(server.start());
    }

    void put(const std::string& name, const std::string& text) { std::ofstream(folder.path(name)) << text; }

    TemporaryFolder folder;
    preview::FolderServer server{folder.path("site")};
};

// The machine's own IPv4 addresses other than loopback.
std::vector<std::string> otherAddresses() {
    std::vector<std::string> addresses;
    ifaddrs* list = nullptr;
    if (getifaddrs(&list) != 0)
        return addresses;
    for (ifaddrs* entry = list; entry; entry = entry->ifa_next) {
        if (!entry->ifa_addr || entry->ifa_addr->sa_family != AF_INET)
            continue;
        char text[INET_ADDRSTRLEN];
        inet_ntop(AF_INET, &reinterpret_cast<sockaddr_in*>(entry->ifa_addr)->sin_addr, text, sizeof text);
        if (std::string(text).rfind("127.", 0) != 0)
            addresses.push_back(text);
    }
    freeifaddrs(list);
    return addresses;
}

} // namespace

TEST_F(FolderServerTest, EachFileComesWithTheTypeABrowserNeeds) {
    const std::pair<const char*, const char*> expected[] = {
        {"/Player.htm", "text/html"},
        {"/music_list.xml", "text/xml"},
        {"/Player.swf", "application/x-shockwave-flash"},
        {"/ruffle/ruffle.js", "text/javascript"},
        {"/ruffle/core.wasm", "application/wasm"},
    };
    for (const auto& [target, type] : expected) {
        HttpResponse response = httpGet(server.port(), target);
        EXPECT_EQ(response.status, 200) << target;
        EXPECT_EQ(response.header("Content-Type"), type) << target;
    }
    EXPECT_EQ(httpGet(server.port(), "/ruffle/core.wasm").body, std::string("\0asm", 4));
    EXPECT_EQ(httpGet(server.port(), "/a%20b.swf").body, "spaced");
    EXPECT_EQ(server.address("Player.htm"), "http://127.0.0.1:" + std::to_string(server.port()) + "/Player.htm");
}

TEST_F(FolderServerTest, NothingOutsideTheFolderAndNoListings) {
    for (const char* target : {"/../secret.txt", "/ruffle/../../secret.txt", "/%2e%2e/secret.txt",
                               "/%2E%2E%2Fsecret.txt", "/ruffle/%2e%2e/%2e%2e/secret.txt", "/..%5csecret.txt",
                               "/Player.htm%00.txt", "/", "/ruffle", "/ruffle/", "/missing.swf"}) {
        HttpResponse response = httpGet(server.port(), target);
        EXPECT_EQ(response.status, 404) << target;
        EXPECT_EQ(response.body.find("outside"), std::string::npos) << target;
        EXPECT_EQ(response.body.find("ruffle.js"), std::string::npos) << target;
    }
    fs::create_symlink(folder.path("secret.txt"), folder.path("site/link.txt"));
    EXPECT_EQ(httpGet(server.port(), "/link.txt").status, 404) << "a link must not lead out either";
}

TEST_F(FolderServerTest, ListensOnLoopbackOnly) {
    EXPECT_TRUE(accepts("127.0.0.1", server.port()));
    for (const std::string& address : otherAddresses())
        EXPECT_FALSE(accepts(address, server.port())) << address;
}

TEST_F(FolderServerTest, AnswersManyRequestsAtOnce) {
    std::string big(4 << 20, 'x');
    for (size_t i = 0; i < big.size(); i += 4096)
        big[i] = static_cast<char>('a' + i / 4096 % 26);
    put("site/big.swf", big);
    std::vector<std::thread> clients;
    std::vector<HttpResponse> responses(12);
    for (size_t i = 0; i < responses.size(); ++i)
        clients.emplace_back([&, i] { responses[i] = httpGet(server.port(), i % 2 ? "/big.swf" : "/Player.htm"); });
    for (std::thread& client : clients)
        client.join();
    for (size_t i = 0; i < responses.size(); ++i) {
        EXPECT_EQ(responses[i].status, 200);
        EXPECT_EQ(responses[i].body.size(), i % 2 ? big.size() : 13u);
    }
    EXPECT_EQ(responses[1].body, big);
}

TEST_F(FolderServerTest, StopsCleanlyAndRefusesAfterwards) {
    int port = server.port();
    server.stop();
    EXPECT_FALSE(accepts("127.0.0.1", port));
    server.stop();

    preview::FolderServer quick(folder.path("site"));
    ASSERT_TRUE(quick.start());
    quick.stop(); // at once, before it may have begun to listen
    preview::FolderServer taken(folder.path("site"));
    preview::FolderServer second(folder.path("site"));
    ASSERT_TRUE(taken.start());
    EXPECT_FALSE(second.start(taken.port())) << "a port in use is refused";
}

TEST_F(FolderServerTest, AMountedFolderIsServedUnderItsName) {
    fs::create_directories(folder.path("runtime"));
    put("runtime/ruffle.js", "mounted");
    preview::FolderServer mounted(folder.path("site"));
    mounted.mount("ruffle", folder.path("runtime"));
    ASSERT_TRUE(mounted.start());
    EXPECT_EQ(httpGet(mounted.port(), "/ruffle/ruffle.js").body, "mounted");
    EXPECT_EQ(httpGet(mounted.port(), "/Player.htm").status, 200);
    EXPECT_EQ(httpGet(mounted.port(), "/ruffle/../secret.txt").status, 404);
    EXPECT_EQ(httpGet(mounted.port(), "/ruffle/core.wasm").status, 404) << "the mount hides the main folder's";
}

TEST_F(FolderServerTest, AServedTextIsAnsweredAheadOfTheFolderAndWritesNothing) {
    preview::FolderServer withText(folder.path("site"));
    withText.serveText("preview.htm", "<p>made in memory</p>", "text/html");
    withText.serveText("Player.htm", "shadowed", "text/html");
    ASSERT_TRUE(withText.start());
    HttpResponse page = httpGet(withText.port(), "/preview.htm");
    EXPECT_EQ(page.status, 200);
    EXPECT_EQ(page.body, "<p>made in memory</p>");
    EXPECT_EQ(httpGet(withText.port(), "/Player.htm").body, "shadowed");
    EXPECT_EQ(httpGet(withText.port(), "/preview.htm/x").status, 404);
    EXPECT_FALSE(fs::exists(folder.path("site/preview.htm")));
    EXPECT_EQ(httpGet(withText.port(), "/preview%2Ehtm").body, "<p>made in memory</p>");
}

TEST_F(FolderServerTest, OnlyRequestsForThisServerByNameAreAnswered) {
    std::string port = std::to_string(server.port());
    auto withHost = [&](const std::string& host) {
        return httpExchange(server.port(), "GET /music_list.xml HTTP/1.1\r\n" + host + "Connection: close\r\n\r\n");
    };
    for (const std::string& host : std::vector<std::string>{"Host: 127.0.0.1:" + port + "\r\n", "Host: localhost:" + port + "\r\n",
                                     "Host: LocalHost:" + port + "\r\n"})
        EXPECT_EQ(withHost(host).body, "<data/>") << host;
    for (const std::string& host : std::vector<std::string>{"Host: attacker.example\r\n", "Host: attacker.example:" + port + "\r\n", "Host: 127.0.0.1\r\n",
          "Host: 127.0.0.1:1" + port + "\r\n", "Host: localhost.attacker.example:" + port + "\r\n",
          "Host: 127.0.0.2:" + port + "\r\n", std::string()}) {
        HttpResponse response = withHost(host);
        EXPECT_EQ(response.status, 403) << host;
        EXPECT_EQ(response.body.find("<data/>"), std::string::npos) << host;
    }
    HttpResponse old = httpExchange(server.port(), "GET /music_list.xml HTTP/1.0\r\n\r\n");
    EXPECT_EQ(old.status, 403) << "without a Host the request names no server";
}

TEST_F(FolderServerTest, RangesAndHeadAsHttpSaysWithoutReadingTheFileWhole) {
    std::string bytes;
    for (int i = 0; i < 1000; ++i)
        bytes += static_cast<char>(i * 7);
    put("site/tune.mp3", bytes);
    auto ranged = [&](const std::string& range, const std::string& method = "GET") {
        return httpExchange(server.port(), method + " /tune.mp3 HTTP/1.1\r\nHost: 127.0.0.1:" +
                                               std::to_string(server.port()) + "\r\n" + range +
                                               "Connection: close\r\n\r\n");
    };
    HttpResponse first = ranged("Range: bytes=0-99\r\n");
    EXPECT_EQ(first.status, 206);
    EXPECT_EQ(first.body, bytes.substr(0, 100));
    EXPECT_EQ(first.header("Content-Range"), "bytes 0-99/1000");
    EXPECT_EQ(ranged("Range: bytes=990-\r\n").body, bytes.substr(990));
    EXPECT_EQ(ranged("Range: bytes=-10\r\n").body, bytes.substr(990));
    EXPECT_EQ(ranged("Range: bytes=995-5000\r\n").body, bytes.substr(995));
    HttpResponse beyond = ranged("Range: bytes=1000-\r\n");
    EXPECT_EQ(beyond.status, 416);
    EXPECT_EQ(beyond.header("Content-Range"), "bytes */1000");
    EXPECT_EQ(ranged("Range: bytes=-0\r\n").status, 416);
    for (const char* ignored : {"Range: bytes=0-1,5-6\r\n", "Range: items=0-1\r\n", "Range: bytes=9-2\r\n",
                                "Range: bytes=x-\r\n", "Range: bytes=0-1\r\nIf-Range: \"x\"\r\n"}) {
        HttpResponse whole = ranged(ignored);
        EXPECT_EQ(whole.status, 200) << ignored;
        EXPECT_EQ(whole.body, bytes) << ignored;
    }
    HttpResponse head = ranged("", "HEAD");
    EXPECT_EQ(head.status, 200);
    EXPECT_EQ(head.header("Content-Length"), "1000");
    EXPECT_EQ(head.header("Accept-Ranges"), "bytes");
    EXPECT_TRUE(head.body.empty());
    EXPECT_EQ(ranged("", "POST").status, 405);
}

// Idle connections and clients that send a byte now and then must hold no
// one up, nor the stop. The bounds are loose: they catch a server that
// waits for such clients, not a slow machine.
TEST_F(FolderServerTest, IdleAndSlowClientsDelayNeitherAnswersNorTheStop) {
    std::vector<int> idle;
    for (int i = 0; i < 300; ++i)
        idle.push_back(openConnection(server.port()));
    std::vector<int> slow;
    for (int i = 0; i < 5; ++i) {
        slow.push_back(openConnection(server.port()));
        ::send(slow.back(), "G", 1, MSG_NOSIGNAL);
    }
    auto started = std::chrono::steady_clock::now();
    EXPECT_EQ(httpGet(server.port(), "/music_list.xml").body, "<data/>");
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(10));
    for (int socket : slow)
        ::send(socket, "E", 1, MSG_NOSIGNAL);
    started = std::chrono::steady_clock::now();
    server.stop();
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(10));
    for (int socket : idle)
        ::close(socket);
    for (int socket : slow)
        ::close(socket);
}

// A client slow to send its request head holds a place only so long, and
// the oldest of many such give way to a request that comes whole. Every
// client shares the loopback address, so only the heads' age tells them
// apart.
TEST_F(FolderServerTest, SlowRequestHeadsGiveWayAndAreClosedAtTheirDeadlines) {
    auto startsRequest = [](int port) {
        int socket = openConnection(port);
        ::send(socket, "GET /music_list.xml HTTP/1.1\r\n", 30, MSG_NOSIGNAL);
        return socket;
    };
    auto closedByServer = [](int socket) {
        char byte;
        return ::recv(socket, &byte, 1, 0) == 0;
    };
    {
        // Limits far beyond the test: only giving way lets the request in.
        preview::FolderServer patient(folder.path("site"));
        patient.limitHeads({60, 60});
        ASSERT_TRUE(patient.start());
        std::vector<int> heads;
        for (int i = 0; i < 600; ++i) {
            heads.push_back(startsRequest(patient.port()));
            ASSERT_GE(heads.back(), 0);
        }
        EXPECT_EQ(httpGet(patient.port(), "/music_list.xml").body, "<data/>");
        EXPECT_TRUE(closedByServer(heads.front())) << "the oldest head gives way";
        for (int socket : heads)
            ::close(socket);
    }
    put("site/big.mp3", std::string(16 << 20, 'b'));
    preview::FolderServer strict(folder.path("site"));
    strict.limitHeads({1, 2});
    ASSERT_TRUE(strict.start());
    // A whole request is answered at the reader's pace, however slow.
    int reader = openConnection(strict.port());
    std::string request = "GET /big.mp3 HTTP/1.1\r\nHost: 127.0.0.1:" + std::to_string(strict.port()) + "\r\n\r\n";
    ::send(reader, request.data(), request.size(), MSG_NOSIGNAL);
    int silent = startsRequest(strict.port());
    // Never idle for the idle limit, so only the whole head's limit ends it.
    int dribbler = startsRequest(strict.port());
    bool dribblerClosed = false;
    for (int sent = 0; !dribblerClosed && sent < 60; ++sent) {
        ::send(dribbler, "X", 1, MSG_NOSIGNAL);
        pollfd answer{dribbler, POLLIN, 0};
        if (::poll(&answer, 1, 300) > 0)
            dribblerClosed = closedByServer(dribbler);
    }
    EXPECT_TRUE(dribblerClosed) << "a head sent a byte at a time is closed after its time in all";
    EXPECT_TRUE(closedByServer(silent)) << "a head that stops coming is closed";
    HttpResponse slowRead = receiveResponse(reader);
    EXPECT_EQ(slowRead.status, 200);
    EXPECT_EQ(slowRead.body.size(), 16u << 20);
    ::close(silent);
    ::close(dribbler);
}

TEST_F(FolderServerTest, ManyClientsOfABigFileEachGetItAll) {
    std::string big(8 << 20, '\0');
    for (size_t i = 0; i < big.size(); ++i)
        big[i] = static_cast<char>(i * 2654435761u >> 24);
    put("site/big.mp3", big);
    std::vector<std::thread> clients;
    std::vector<HttpResponse> responses(40);
    for (size_t i = 0; i < responses.size(); ++i)
        clients.emplace_back([&, i] { responses[i] = httpGet(server.port(), "/big.mp3"); });
    for (std::thread& client : clients)
        client.join();
    for (const HttpResponse& response : responses) {
        EXPECT_EQ(response.status, 200);
        ASSERT_EQ(response.body.size(), big.size());
        EXPECT_TRUE(response.body == big);
    }
    // Clients that leave part way cost the server nothing but their socket.
    for (int i = 0; i < 20; ++i) {
        int socket = openConnection(server.port());
        std::string request = "GET /big.mp3 HTTP/1.1\r\nHost: 127.0.0.1:" + std::to_string(server.port()) + "\r\n\r\n";
        ::send(socket, request.data(), request.size(), MSG_NOSIGNAL);
        char some[1000];
        ::recv(socket, some, sizeof some, 0);
        ::close(socket);
    }
    EXPECT_EQ(httpGet(server.port(), "/music_list.xml").body, "<data/>");
}

namespace {

HttpResponse getWith(int port, const std::string& target, const std::string& headers) {
    return httpExchange(port, "GET " + target + " HTTP/1.1\r\nHost: 127.0.0.1:" + std::to_string(port) + "\r\n" +
                                  headers + "Connection: close\r\n\r\n");
}

std::string decoded(const std::string& command, const std::string& bytes, const TemporaryFolder& folder) {
    std::ofstream(folder.path("coded"), std::ios::binary) << bytes;
    return outputOf(command + " < " + folder.path("coded"));
}

} // namespace

TEST_F(FolderServerTest, EachBrowserGetsTheCodingItTakesWithItsOwnTag) {
    std::string script;
    for (int i = 0; i < 2000; ++i)
        script += "var line" + std::to_string(i) + " = " + std::to_string(i * 31) + ";\n";
    put("site/ruffle/ruffle.js", script);
    // Beside it its copies, made by the programs the build makes them with.
    ASSERT_TRUE(run("brotli -q 11 -k -f " + folder.path("site/ruffle/ruffle.js")));
    ASSERT_TRUE(run("gzip -9 -n -k -f " + folder.path("site/ruffle/ruffle.js")));
    auto get = [&](const std::string& headers) { return getWith(server.port(), "/ruffle/ruffle.js", headers); };

    HttpResponse brotli = get("Accept-Encoding: gzip, deflate, br\r\n");
    EXPECT_EQ(brotli.header("Content-Encoding"), "br");
    EXPECT_EQ(decoded("brotli -d -c", brotli.body, folder), script);
    HttpResponse gzip = get("Accept-Encoding: gzip, br;q=0\r\n");
    EXPECT_EQ(gzip.header("Content-Encoding"), "gzip");
    EXPECT_EQ(decoded("gzip -d -c", gzip.body, folder), script);
    EXPECT_EQ(get("Accept-Encoding: br;q=0.5, gzip;q=0.8\r\n").header("Content-Encoding"), "gzip");
    HttpResponse plain = get("Accept-Encoding: *;q=0, identity\r\n");
    EXPECT_EQ(plain.header("Content-Encoding"), "");
    EXPECT_EQ(plain.body, script);
    EXPECT_EQ(get("").body, script);
    std::set<std::string> tags;
    for (const HttpResponse* response : {&brotli, &gzip, &plain}) {
        EXPECT_EQ(response->status, 200);
        EXPECT_EQ(response->header("Content-Type"), "text/javascript");
        EXPECT_EQ(response->header("Vary"), "Accept-Encoding");
        EXPECT_EQ(response->header("Cache-Control"), "no-cache");
        tags.insert(response->header("ETag"));
    }
    EXPECT_EQ(tags.size(), 3u);

    // Each coding's tag is current for that coding only; a date is current
    // from the file's modification on.
    EXPECT_EQ(get("Accept-Encoding: br\r\nIf-None-Match: \"x\", " + brotli.header("ETag") + "\r\n").status, 304);
    HttpResponse stale = get("Accept-Encoding: gzip\r\nIf-None-Match: " + brotli.header("ETag") + "\r\n");
    EXPECT_EQ(stale.status, 200);
    EXPECT_EQ(stale.header("Content-Encoding"), "gzip");
    HttpResponse unchanged = get("If-Modified-Since: " + plain.header("Last-Modified") + "\r\n");
    EXPECT_EQ(unchanged.status, 304);
    EXPECT_TRUE(unchanged.body.empty());
    EXPECT_EQ(unchanged.header("ETag"), plain.header("ETag"));
    EXPECT_EQ(get("If-Modified-Since: Sat, 01 Jan 2000 00:00:00 GMT\r\n").status, 200);
    EXPECT_EQ(get("If-Modified-Since: yesterday\r\n").status, 200);

    // A range names the file's own bytes: never a compressed copy's.
    HttpResponse part = get("Accept-Encoding: br, gzip\r\nRange: bytes=10-29\r\n");
    EXPECT_EQ(part.status, 206);
    EXPECT_EQ(part.header("Content-Encoding"), "");
    EXPECT_EQ(part.body, script.substr(10, 20));
    EXPECT_EQ(part.header("Content-Range"), "bytes 10-29/" + std::to_string(script.size()));
}

TEST_F(FolderServerTest, HashedNamesAreKeptAYearAndConnectionsStayOpen) {
    put("site/ruffle/core.ruffle.c80159b526e567babaf5.js", "var core;");
    put("site/ruffle/826bb0938097485a2c9d.wasm", std::string("\0asm", 4));
    for (const char* target : {"/ruffle/core.ruffle.c80159b526e567babaf5.js", "/ruffle/826bb0938097485a2c9d.wasm"})
        EXPECT_EQ(httpGet(server.port(), target).header("Cache-Control"), "public, max-age=31536000, immutable")
            << target;
    for (const char* target : {"/ruffle/ruffle.js", "/Player.swf", "/music_list.xml", "/ruffle/core.wasm"})
        EXPECT_EQ(httpGet(server.port(), target).header("Cache-Control"), "no-cache") << target;

    // Two requests on one connection, both answered.
    std::string host = "Host: 127.0.0.1:" + std::to_string(server.port()) + "\r\n";
    HttpResponse both = httpExchange(server.port(), "GET /Player.swf HTTP/1.1\r\n" + host + "\r\nGET /music_list.xml HTTP/1.1\r\n" +
                                                        host + "Connection: close\r\n\r\n");
    EXPECT_EQ(both.status, 200);
    EXPECT_NE(both.body.find("HTTP/1.1 200"), std::string::npos);
    EXPECT_TRUE(both.body.ends_with("<data/>"));
}
