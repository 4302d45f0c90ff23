#include "tests/upload/VsftpdServer.h"

#include "tests/upload/ServerProcess.h"

#include <filesystem>
#include <fstream>
#include <vector>
#include <sys/stat.h>

using testing_support::run;

VsftpdServer::~VsftpdServer() { kill(); }

bool VsftpdServer::fail(const std::string& why) {
    failure = "vsftpd: " + why;
    return false;
}

bool VsftpdServer::prepare(bool implicitTls) {
    std::string remote = remoteRoot(), empty = scratch.path("empty");
    // The account's logins must reach the remote folder inside; vsftpd
    // leaves a login that cannot in "/" without a word.
    std::string root = std::filesystem::path(scratch.path("")).parent_path().string();
    if (chmod(root.c_str(), 0755) != 0)
        return fail("cannot open " + root + " to the account");
    if (!server_process::ensureAccount())
        return fail("cannot make the account");
    if (!run("mkdir -m 0755 '" + remote + "' '" + empty + "' && chown " + server_process::Account + " '" + remote + "'"))
        return fail("cannot make " + remote);
    if (!run("openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj /CN=127.0.0.1 -addext subjectAltName=IP:127.0.0.1 "
             "-keyout '" + scratch.path("server.key") + "' -out '" + certificate() + "' >/dev/null 2>&1"))
        return fail("openssl cannot make a certificate");
    // The passive ports from a free one upwards, kept clear of the
    // control port.
    std::vector<int> ports = server_process::freePorts(2);
    if (ports.empty())
        return fail("no free ports on 127.0.0.1");
    listening = ports[0];
    int passive = ports[1] > 65000 || (listening >= ports[1] && listening <= ports[1] + 40) ? 40000 : ports[1];
    std::ofstream config(scratch.path("vsftpd.conf"), std::ios::trunc);
    config << "listen=YES\nlisten_ipv6=NO\nlisten_address=127.0.0.1\nlisten_port=" << listening
           << "\nbackground=NO\nanonymous_enable=NO\nlocal_enable=YES\nwrite_enable=YES\nlocal_umask=022\n"
           << "local_root=" << remote << "\npam_service_name=vsftpd\nseccomp_sandbox=NO\n"
           << "secure_chroot_dir=" << empty << "\nforce_dot_files=YES\n"
           << "ssl_enable=YES\nrsa_cert_file=" << certificate() << "\nrsa_private_key_file=" << scratch.path("server.key")
           << "\nforce_local_logins_ssl=YES\nforce_local_data_ssl=YES\nrequire_ssl_reuse=NO\n"
           << "implicit_ssl=" << (implicitTls ? "YES" : "NO") << "\n"
           << "pasv_enable=YES\npasv_address=127.0.0.1\npasv_min_port=" << passive << "\npasv_max_port=" << passive + 40
           << "\nxferlog_enable=YES\nxferlog_std_format=NO\nvsftpd_log_file=" << scratch.path("transfers.log") << "\n";
    return config.good() || fail("cannot write the configuration");
}

bool VsftpdServer::start(bool implicitTls) {
    if (!prepare(implicitTls))
        return false;
    std::string log = scratch.path("vsftpd.out");
    process = server_process::start({"/usr/sbin/vsftpd", scratch.path("vsftpd.conf")}, log);
    if (process < 0)
        return fail("cannot fork");
    int port = listening;
    std::string why;
    // With implicit TLS the server waits for the client's hello instead.
    auto answers = implicitTls ? std::function<bool()>([port] { return server_process::accepts(port); })
                               : std::function<bool()>([port] { return server_process::greets(port, "220"); });
    return server_process::waitUntil(process, answers, log, why) || fail(why);
}

void VsftpdServer::kill() { server_process::killTree(process); }

int VsftpdServer::filesReceived() const {
    return std::stoi(testing_support::outputOf("grep -c 'OK UPLOAD' '" + scratch.path("transfers.log") + "' || true"));
}
