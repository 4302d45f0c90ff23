#ifndef TESTS_UPLOAD_APACHEDAVSERVER_H
#define TESTS_UPLOAD_APACHEDAVSERVER_H

#include "tests/support/TestSupport.h"

#include <string>
#include <sys/types.h>

// Apache httpd with mod_dav on https://127.0.0.1 and a free port: a
// certificate from a throwaway authority, basic authentication for one
// throwaway user (the servers' shared account name and password), and a WebDAV root of its own in a temporary folder.
class ApacheDavServer {
public:
    ApacheDavServer() = default;
    ~ApacheDavServer();
    ApacheDavServer(const ApacheDavServer&) = delete;
    ApacheDavServer& operator=(const ApacheDavServer&) = delete;

    // Makes the certificates, the password file and the configuration,
    // starts Apache and waits until it answers. False, with `problem()`
    // saying why, when it cannot.
    [[nodiscard]] bool start();
    // Also serves `folder` to anyone at /web/, with its .htaccess files
    // read as `allowOverride` says ("None", "All", "AuthConfig"...), as a
    // host serves the folder a user uploads to.
    [[nodiscard]] bool startServing(const std::string& folder, const std::string& allowOverride);
    // Kills it and everything it started, as a crash would.
    void kill();
    // Starts it again as it was, on the same ports, after a kill.
    [[nodiscard]] bool restart() { return launch(); }

    int port() const { return listening; }
    const std::string& problem() const { return failure; }
    // "https://tunemill-upload@127.0.0.1:PORT/" followed by `folder`.
    std::string address(const std::string& folder) const;
    // "https://127.0.0.1:PORT/web/" followed by `path`.
    std::string webAddress(const std::string& path) const;
    // The same over plain HTTP on a port of its own, for a client that
    // trusts only the system's certificates.
    std::string plainWebAddress(const std::string& path) const;
    // The folder Apache serves, as its files lie on the disk.
    std::string davRoot() const { return scratch.path("dav"); }
    // The authority that signed the server's certificate.
    std::string authorityFile() const { return scratch.path("ca.crt"); }

private:
    bool fail(const std::string& why);
    bool prepare();
    bool makeCertificates();
    bool writeConfiguration(const std::string& webFolder, const std::string& allowOverride);
    bool launch();

    testing_support::TemporaryFolder scratch;
    std::string failure;
    pid_t process = -1;
    int listening = 0;
    int plainListening = 0;
};

#endif
