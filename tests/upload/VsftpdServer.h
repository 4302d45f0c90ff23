#ifndef TESTS_UPLOAD_VSFTPDSERVER_H
#define TESTS_UPLOAD_VSFTPDSERVER_H

#include "tests/support/TestSupport.h"

#include <string>
#include <sys/types.h>

// vsftpd on 127.0.0.1 and a free port, requiring TLS (explicit, AUTH TLS)
// with a throwaway certificate, for the throwaway account, whose folder is
// remoteRoot(). Passive data ports are on loopback too. Every finished
// upload is one line of the transfer log, so tests count on the server
// side what was sent.
class VsftpdServer {
public:
    VsftpdServer() = default;
    ~VsftpdServer();
    VsftpdServer(const VsftpdServer&) = delete;
    VsftpdServer& operator=(const VsftpdServer&) = delete;

    // `implicitTls`: TLS from the first byte, as ftps:// expects.
    [[nodiscard]] bool start(bool implicitTls = false);
    void kill();

    int port() const { return listening; }
    const std::string& problem() const { return failure; }
    std::string remoteRoot() const { return scratch.path("remote"); }
    // The certificate, which is its own authority: for --ca-file.
    std::string certificate() const { return scratch.path("server.pem"); }
    // How many files the server has received so far.
    int filesReceived() const;

private:
    bool fail(const std::string& why);
    bool prepare(bool implicitTls);

    testing_support::TemporaryFolder scratch;
    std::string failure;
    pid_t process = -1;
    int listening = 0;
};

#endif
