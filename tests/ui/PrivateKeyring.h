#ifndef TESTS_UI_PRIVATEKEYRING_H
#define TESTS_UI_PRIVATEKEYRING_H

#include <string>
#include <sys/types.h>

// A Secret Service of the test's own: a D-Bus session bus and GNOME's
// keyring daemon on it, unlocked with a throwaway password, both keeping
// their files in `folder`. Starting points this process's session bus at
// it; the daemons' process groups are killed when it goes.
class PrivateKeyring {
public:
    explicit PrivateKeyring(std::string folder) : folder(std::move(folder)) {}
    ~PrivateKeyring();
    PrivateKeyring(const PrivateKeyring&) = delete;
    PrivateKeyring& operator=(const PrivateKeyring&) = delete;

    // False, with `problem()` saying why, when either daemon does not answer.
    [[nodiscard]] bool start();
    const std::string& problem() const { return failure; }

private:
    bool startBus();
    bool startKeyring();

    std::string folder;
    std::string failure;
    pid_t bus = -1;
    pid_t keyring = -1;
};

#endif
