#include "PrivateKeyring.h"

#include "tests/support/TestSupport.h"
#include "tests/upload/ServerProcess.h"

#include <cstdlib>
#include <filesystem>

namespace fs = std::filesystem;

PrivateKeyring::~PrivateKeyring() {
    server_process::killTree(keyring);
    server_process::killTree(bus);
}

bool PrivateKeyring::start() {
    std::error_code error;
    fs::create_directories(folder + "/run", error);
    fs::create_directories(folder + "/data", error);
    fs::permissions(folder + "/run", fs::perms::owner_all, error);
    // The daemon keeps its keyring files and its control socket here, and
    // the wizard's keychain library would keep a plain-file fallback in the
    // configuration folder, where the test looks for it.
    setenv("XDG_RUNTIME_DIR", (folder + "/run").c_str(), 1);
    setenv("XDG_DATA_HOME", (folder + "/data").c_str(), 1);
    setenv("XDG_CONFIG_HOME", (folder + "/config").c_str(), 1);
    return startBus() && startKeyring();
}

bool PrivateKeyring::startBus() {
    std::string socket = folder + "/bus";
    bus = server_process::start({"/usr/bin/dbus-daemon", "--session", "--nofork", "--nosyslog",
                                 "--address=unix:path=" + socket},
                                folder + "/dbus.log");
    setenv("DBUS_SESSION_BUS_ADDRESS", ("unix:path=" + socket).c_str(), 1);
    std::string why;
    auto answers = [] {
        return testing_support::run("dbus-send --session --print-reply --dest=org.freedesktop.DBus / "
                                    "org.freedesktop.DBus.GetId >/dev/null 2>&1");
    };
    if (bus > 0 && server_process::waitUntil(bus, answers, folder + "/dbus.log", why))
        return true;
    failure = "the D-Bus session bus did not start: " + why;
    return false;
}

bool PrivateKeyring::startKeyring() {
    keyring = server_process::start(
        {"/bin/sh", "-c", "printf %s throwaway | exec gnome-keyring-daemon --foreground --unlock --components=secrets"},
        folder + "/keyring.log");
    std::string why;
    auto answers = [] {
        return testing_support::run("dbus-send --session --print-reply --dest=org.freedesktop.DBus / "
                                    "org.freedesktop.DBus.NameHasOwner string:org.freedesktop.secrets 2>/dev/null "
                                    "| grep -q true");
    };
    if (keyring > 0 && server_process::waitUntil(keyring, answers, folder + "/keyring.log", why))
        return true;
    failure = "the keyring daemon did not start: " + why;
    return false;
}
