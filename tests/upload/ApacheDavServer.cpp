#include "tests/upload/ApacheDavServer.h"

#include "tests/upload/ServerProcess.h"

#include <filesystem>
#include <fstream>
#include <vector>

using testing_support::run;

namespace {

const char* const Modules = "/usr/lib/apache2/modules";

std::string shellQuoted(const std::string& text) { return "'" + text + "'"; }

} // namespace

ApacheDavServer::~ApacheDavServer() { kill(); }

bool ApacheDavServer::fail(const std::string& why) {
    failure = why;
    return false;
}

bool ApacheDavServer::start() { return startServing("", ""); }

bool ApacheDavServer::startServing(const std::string& folder, const std::string& allowOverride) {
    std::vector<int> ports = server_process::freePorts(2);
    if (ports.empty())
        return fail("no two free ports on 127.0.0.1");
    listening = ports[0];
    plainListening = ports[1];
    return prepare() && makeCertificates() && writeConfiguration(folder, allowOverride) && launch();
}

// Apache's children run as www-data: they must reach the temporary folder
// and write below the WebDAV root and the lock database's folder.
bool ApacheDavServer::prepare() {
    std::string top = std::filesystem::path(scratch.path("")).parent_path().string();
    if (!run("chmod 0755 " + shellQuoted(top) + " && mkdir " + shellQuoted(davRoot()) + " " + shellQuoted(scratch.path("locks")) +
             " && chown www-data:www-data " + shellQuoted(davRoot()) + " " + shellQuoted(scratch.path("locks"))))
        return fail("cannot make the WebDAV root in " + top);
    if (!run(std::string("htpasswd -cbB ") + shellQuoted(scratch.path("htpasswd")) + " " + server_process::Account +
             " " + server_process::AccountPassword +
             " 2>/dev/null && chmod 0644 " + shellQuoted(scratch.path("htpasswd"))))
        return fail("htpasswd cannot write the password file");
    return true;
}

bool ApacheDavServer::makeCertificates() {
    std::string ca = scratch.path("ca"), server = scratch.path("server");
    std::ofstream(scratch.path("server.ext")) << "subjectAltName=IP:127.0.0.1\nbasicConstraints=CA:FALSE\n";
    std::string quiet = " >/dev/null 2>&1";
    bool made = run("openssl req -x509 -newkey ec -pkeyopt ec_paramgen_curve:prime256v1 -nodes -days 2 -subj "
                    "'/CN=Tunemill test authority' -keyout " +
                    shellQuoted(ca + ".key") + " -out " + shellQuoted(ca + ".crt") + quiet) &&
                run("openssl req -newkey ec -pkeyopt ec_paramgen_curve:prime256v1 -nodes -subj '/CN=127.0.0.1' -keyout " +
                    shellQuoted(server + ".key") + " -out " + shellQuoted(server + ".csr") + quiet) &&
                run("openssl x509 -req -days 2 -in " + shellQuoted(server + ".csr") + " -CA " + shellQuoted(ca + ".crt") +
                    " -CAkey " + shellQuoted(ca + ".key") + " -CAcreateserial -extfile " +
                    shellQuoted(scratch.path("server.ext")) + " -out " + shellQuoted(server + ".crt") + quiet);
    return made || fail("openssl cannot make the certificates");
}

bool ApacheDavServer::writeConfiguration(const std::string& webFolder, const std::string& allowOverride) {
    std::ofstream config(scratch.path("httpd.conf"), std::ios::trunc);
    for (const char* module : {"mpm_event", "authz_core", "authz_user", "authn_core", "authn_file", "auth_basic",
                               "dav", "dav_fs", "ssl", "socache_shmcb", "mime", "alias", "rewrite", "headers"})
        config << "LoadModule " << module << "_module " << Modules << "/mod_" << module << ".so\n";
    std::string work = scratch.path("");
    config << "ServerRoot " << work << "\nServerName 127.0.0.1\nListen 127.0.0.1:" << listening
           << "\nPidFile " << work << "httpd.pid\nDefaultRuntimeDir " << work << "\nMutex file:" << work
           << " default\nErrorLog " << work << "error.log\nUser www-data\nGroup www-data\n"
           << "TypesConfig /etc/mime.types\nDavLockDB " << scratch.path("locks/lock") << "\n"
           << "SSLEngine on\nSSLCertificateFile " << scratch.path("server.crt") << "\nSSLCertificateKeyFile "
           << scratch.path("server.key") << "\nDocumentRoot " << davRoot() << "\n<Directory " << davRoot()
           << ">\n  Dav On\n  AllowOverride None\n  AuthType Basic\n  AuthName Tunemill\n  AuthUserFile "
           << scratch.path("htpasswd") << "\n  Require valid-user\n</Directory>\n";
    if (!webFolder.empty())
        config << "Alias /web " << webFolder << "\n<Directory " << webFolder << ">\n  AllowOverride " << allowOverride
               << "\n  Require all granted\n</Directory>\nListen 127.0.0.1:" << plainListening
               << "\n<VirtualHost 127.0.0.1:" << plainListening << ">\n  SSLEngine off\n</VirtualHost>\n";
    return config.good() || fail("cannot write the Apache configuration");
}

bool ApacheDavServer::launch() {
    std::string log = scratch.path("apache.log");
    process = server_process::start({"/usr/sbin/apache2", "-f", scratch.path("httpd.conf"), "-DFOREGROUND"}, log);
    if (process < 0)
        return fail("cannot start Apache");
    std::string why;
    if (server_process::waitUntil(process, [this] { return server_process::accepts(listening); }, log, why))
        return true;
    return fail("Apache on port " + std::to_string(listening) + ": " + why +
                testing_support::outputOf("cat " + shellQuoted(scratch.path("error.log"))));
}

std::string ApacheDavServer::address(const std::string& folder) const {
    return std::string("https://") + server_process::Account + "@127.0.0.1:" + std::to_string(listening) + "/" + folder;
}

void ApacheDavServer::kill() { server_process::killTree(process); }

std::string ApacheDavServer::webAddress(const std::string& path) const {
    return "https://127.0.0.1:" + std::to_string(listening) + "/web/" + path;
}

std::string ApacheDavServer::plainWebAddress(const std::string& path) const {
    return "http://127.0.0.1:" + std::to_string(plainListening) + "/web/" + path;
}
