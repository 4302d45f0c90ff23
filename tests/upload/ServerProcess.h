#ifndef TESTS_UPLOAD_SERVERPROCESS_H
#define TESTS_UPLOAD_SERVERPROCESS_H

#include <functional>
#include <string>
#include <sys/types.h>
#include <vector>

// What the tests' servers on loopback share: a free port, a server started
// in a process group of its own with its output in a log, a wait until it
// answers, and a kill of it and everything it started.
namespace server_process {

int freePort();
// `count` different free ports, all bound at once while they are found;
// empty when there are not so many.
std::vector<int> freePorts(int count);

// The program with its arguments, output appended to `log`; -1 when it
// cannot be started.
pid_t start(const std::vector<std::string>& command, const std::string& log);

// Waits up to 20 s for `answers`; false, with `why` naming the reason and
// the log's contents, when the server ended or never answered.
bool waitUntil(pid_t process, const std::function<bool()>& answers, const std::string& log, std::string& why);

// True once something on the loopback port sends `greeting` first.
bool greets(int port, const std::string& greeting);
// True once something accepts connections on the loopback port.
bool accepts(int port);

// Kills the process, its group and every process below it (servers'
// connection processes may leave the group), and reaps it.
void killTree(pid_t& process);

// The throwaway account the servers log in with a password; made when
// missing, its password set each time. False when useradd or chpasswd
// fail.
inline constexpr const char* Account = "tunemill-upload";
inline constexpr const char* AccountPassword = "tunemill-upload-throwaway";
bool ensureAccount();
// Writes a netrc at `path` that holds the account's password for loopback.
void writeAccountNetrc(const std::string& path);

} // namespace server_process

#endif
