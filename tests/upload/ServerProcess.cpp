#include "tests/upload/ServerProcess.h"

#include "tests/support/TestSupport.h"

#include <arpa/inet.h>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <netinet/in.h>
#include <set>
#include <sys/socket.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace server_process {

namespace {

sockaddr_in loopback(int port) {
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<std::uint16_t>(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    return address;
}

std::set<pid_t> descendants(pid_t root) {
    std::set<pid_t> found{root};
    bool grew = true;
    while (grew) {
        grew = false;
        std::error_code error;
        for (const auto& entry : std::filesystem::directory_iterator("/proc", error)) {
            std::ifstream stat(entry.path() / "stat");
            std::string pid, name, state;
            pid_t parent = 0;
            if (!(stat >> pid >> name >> state >> parent) || !found.contains(parent))
                continue;
            grew |= found.insert(static_cast<pid_t>(std::stol(pid))).second;
        }
    }
    return found;
}

} // namespace

int freePort() {
    std::vector<int> ports = freePorts(1);
    return ports.empty() ? 0 : ports.front();
}

std::vector<int> freePorts(int count) {
    std::vector<int> probes, ports;
    for (int i = 0; i < count; ++i) {
        int probe = socket(AF_INET, SOCK_STREAM, 0);
        probes.push_back(probe);
        sockaddr_in address = loopback(0);
        socklen_t length = sizeof address;
        if (bind(probe, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
            getsockname(probe, reinterpret_cast<sockaddr*>(&address), &length) == 0)
            ports.push_back(ntohs(address.sin_port));
    }
    for (int probe : probes)
        close(probe);
    return static_cast<int>(ports.size()) == count ? ports : std::vector<int>();
}

pid_t start(const std::vector<std::string>& command, const std::string& log) {
    pid_t process = fork();
    if (process == 0) {
        setpgid(0, 0);
        int output = open(log.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0644);
        dup2(output, STDERR_FILENO);
        dup2(output, STDOUT_FILENO);
        std::vector<char*> arguments;
        for (const std::string& argument : command)
            arguments.push_back(const_cast<char*>(argument.c_str()));
        arguments.push_back(nullptr);
        execv(arguments[0], arguments.data());
        _exit(127);
    }
    if (process > 0)
        setpgid(process, process);
    return process;
}

bool waitUntil(pid_t process, const std::function<bool()>& answers, const std::string& log, std::string& why) {
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (std::chrono::steady_clock::now() < deadline) {
        if (answers())
            return true;
        if (waitpid(process, nullptr, WNOHANG) == process) {
            why = "it ended at once: " + testing_support::outputOf("cat '" + log + "'");
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    why = "it does not answer: " + testing_support::outputOf("cat '" + log + "'");
    return false;
}

bool greets(int port, const std::string& greeting) {
    int connection = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address = loopback(port);
    std::string received(greeting.size(), '\0');
    bool answered = connect(connection, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
                    recv(connection, received.data(), received.size(), MSG_WAITALL) ==
                        static_cast<ssize_t>(received.size()) &&
                    received == greeting;
    close(connection);
    return answered;
}

bool accepts(int port) {
    int connection = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address = loopback(port);
    bool accepted = connect(connection, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    close(connection);
    return accepted;
}

void killTree(pid_t& process) {
    if (process <= 0)
        return;
    for (pid_t member : descendants(process))
        ::kill(member, SIGKILL);
    ::kill(-process, SIGKILL);
    waitpid(process, nullptr, 0);
    process = -1;
}

bool ensureAccount() {
    std::string account = Account;
    if (!testing_support::run("id -u " + account + " >/dev/null 2>&1"))
        testing_support::run("useradd -M -d / -s /bin/sh " + account + " >/dev/null 2>&1");
    return testing_support::run("echo '" + account + ":" + AccountPassword + "' | chpasswd");
}

void writeAccountNetrc(const std::string& path) {
    std::ofstream(path) << "machine 127.0.0.1 login " << Account << " password " << AccountPassword << "\n";
}

} // namespace server_process
