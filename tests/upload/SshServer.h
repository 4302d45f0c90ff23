#ifndef TESTS_UPLOAD_SSHSERVER_H
#define TESTS_UPLOAD_SSHSERVER_H

#include "tests/support/TestSupport.h"

#include <string>
#include <sys/types.h>

// OpenSSH's sshd on 127.0.0.1 and a free port, with throwaway host keys,
// a client key that logs root in, and the throwaway account logging in by
// password. Everything lives in a temporary folder of its own. Every file
// the SFTP server closes is a line of sftpLog() ("close ... written N"), so
// tests count on the server side what was sent.
class SshServer {
public:
    SshServer() = default;
    ~SshServer();
    SshServer(const SshServer&) = delete;
    SshServer& operator=(const SshServer&) = delete;

    // Makes the keys, the account and the configuration, starts sshd and
    // waits until it answers. False, with `problem()` saying why, when it
    // cannot.
    [[nodiscard]] bool start();
    // Starts it again as it was, on the same port, after a kill.
    [[nodiscard]] bool restart();
    // Starts it again on the same port with a host key it never had.
    [[nodiscard]] bool restartWithNewHostKey();
    // Kills sshd and every connection it serves at once, as a crash would.
    void kill();

    int port() const { return listening; }
    const std::string& problem() const { return failure; }
    // The folder on the server that both logins may write, empty at first.
    std::string remoteRoot() const { return scratch.path("remote"); }
    std::string hostPublicKey() const { return scratch.path("host_key.pub"); }
    std::string clientKey() const { return scratch.path("client_key"); }
    std::string path(const std::string& name) const { return scratch.path(name); }
    std::string sftpLog() const { return scratch.path("sftp-server.log"); }

private:
    bool fail(const std::string& why);
    bool prepare();
    bool makeHostKey();
    bool launch();

    testing_support::TemporaryFolder scratch;
    std::string failure;
    pid_t process = -1;
    int listening = 0;
};

#endif
