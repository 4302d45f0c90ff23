#include "tests/upload/SshServer.h"

#include "tests/upload/ServerProcess.h"

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <sys/stat.h>

using testing_support::run;

SshServer::~SshServer() { kill(); }

bool SshServer::fail(const std::string& why) {
    failure = why;
    return false;
}

bool SshServer::start() {
    listening = server_process::freePort();
    if (listening == 0)
        return fail("no free port on 127.0.0.1");
    return prepare() && makeHostKey() && launch();
}

bool SshServer::prepare() {
    // The account's logins must reach the remote folder inside.
    std::string root = std::filesystem::path(scratch.path("")).parent_path().string();
    std::string remote = remoteRoot(), account = server_process::Account;
    if (chmod(root.c_str(), 0755) != 0 || (mkdir("/run/sshd", 0755) != 0 && errno != EEXIST))
        return fail("cannot prepare " + root + " and /run/sshd");
    if (!server_process::ensureAccount())
        return fail("cannot make the account " + account);
    if (!run("mkdir -m 0777 '" + remote + "' && chown " + account + " '" + remote + "'"))
        return fail("cannot make " + remote);
    if (!run("ssh-keygen -q -t ed25519 -N '' -f '" + clientKey() + "' && cp '" + clientKey() + ".pub' '" +
             scratch.path("authorized_keys") + "'"))
        return fail("ssh-keygen cannot make a client key");
    return true;
}

bool SshServer::makeHostKey() {
    if (!run("touch '" + sftpLog() + "' && chmod 0666 '" + sftpLog() + "'"))
        return fail("cannot make the SFTP server's log");
    std::string key = scratch.path("host_key");
    std::filesystem::remove(key);
    std::filesystem::remove(key + ".pub");
    if (!run("ssh-keygen -q -t ed25519 -N '' -C '' -f '" + key + "' && chmod 0600 '" + key + "'"))
        return fail("ssh-keygen cannot make a host key");
    std::ofstream config(scratch.path("sshd_config"), std::ios::trunc);
    config << "ListenAddress 127.0.0.1:" << listening << "\nHostKey " << key << "\nPidFile none\n"
           << "AuthorizedKeysFile " << scratch.path("authorized_keys") << "\nStrictModes no\n"
           << "PermitRootLogin yes\nPasswordAuthentication yes\nKbdInteractiveAuthentication no\nUsePAM no\n"
           // sshd runs a subsystem through the shell, which keeps the SFTP
           // server's log: internal-sftp's would go to a syslog there is none of.
           << "Subsystem sftp /usr/lib/openssh/sftp-server -e -l INFO 2>>" << sftpLog() << "\nLogLevel INFO\n";
    return config.good() || fail("cannot write the sshd configuration");
}

bool SshServer::launch() {
    std::string log = scratch.path("sshd.log");
    process = server_process::start({"/usr/sbin/sshd", "-D", "-e", "-f", scratch.path("sshd_config")}, log);
    if (process < 0)
        return fail("cannot start sshd");
    std::string why;
    int port = listening;
    if (!server_process::waitUntil(process, [port] { return server_process::greets(port, "SSH-"); }, log, why))
        return fail("sshd: " + why);
    return true;
}

bool SshServer::restart() {
    kill();
    return launch();
}

bool SshServer::restartWithNewHostKey() {
    kill();
    return makeHostKey() && launch();
}

void SshServer::kill() { server_process::killTree(process); }
