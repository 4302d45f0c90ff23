#include "CommandLine.h"

#include "tests/support/TestSupport.h"

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <poll.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

CommandResult runPublisher(const std::string& arguments, const std::string& program) {
    testing_support::TemporaryFolder scratch;
    std::string log = scratch.path("said");
    int status = std::system((program + " " + arguments + " >/dev/null 2>'" + log + "'").c_str());
    testing_support::Bytes said = testing_support::readFile(log);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, std::string(said.begin(), said.end())};
}

pid_t startPublisher(const std::vector<std::string>& arguments, const std::vector<std::string>& environment,
                     int stream, int& readEnd) {
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0)
        return -1;
    pid_t child = fork();
    if (child == 0) {
        dup2(pipeEnds[1], stream);
        close(pipeEnds[0]);
        for (const std::string& variable : environment)
            putenv(const_cast<char*>(variable.c_str()));
        std::vector<char*> argv{const_cast<char*>(PUBLISHER)};
        for (const std::string& argument : arguments)
            argv.push_back(const_cast<char*>(argument.c_str()));
        argv.push_back(nullptr);
        execv(PUBLISHER, argv.data());
        _exit(127);
    }
    close(pipeEnds[1]);
    readEnd = pipeEnds[0];
    return child;
}

RunningPublisher::RunningPublisher(const std::vector<std::string>& arguments,
                                   const std::vector<std::string>& environment) {
    child = startPublisher(arguments, environment, STDERR_FILENO, errors);
}

RunningPublisher::~RunningPublisher() {
    if (child > 0) {
        kill(child, SIGKILL);
        waitpid(child, nullptr, 0);
    }
    if (errors >= 0)
        close(errors);
}

bool RunningPublisher::readSome() {
    pollfd ready{errors, POLLIN, 0};
    if (poll(&ready, 1, 100) <= 0)
        return true;
    char buffer[4096];
    ssize_t got = read(errors, buffer, sizeof buffer);
    if (got <= 0)
        return false;
    heard.append(buffer, static_cast<size_t>(got));
    return true;
}

bool RunningPublisher::waitFor(const std::string& text) {
    auto end = std::chrono::steady_clock::now() + std::chrono::minutes(1);
    while (heard.find(text) == std::string::npos) {
        if (std::chrono::steady_clock::now() > end || !readSome())
            return false;
    }
    return true;
}

void RunningPublisher::signal(int signal) { kill(child, signal); }

int RunningPublisher::wait() { return waitWithin(std::chrono::minutes(10)).status; }

RunningPublisher::Ending RunningPublisher::waitWithin(std::chrono::seconds watchdog) {
    Ending ending;
    auto end = std::chrono::steady_clock::now() + watchdog;
    while ((ending.inTime = std::chrono::steady_clock::now() < end) && readSome() && errors >= 0) {
    }
    if (!ending.inTime)
        kill(child, SIGKILL);
    int raw = 0;
    rusage usage{};
    wait4(child, &raw, 0, &usage);
    child = -1;
    ending.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : 128 + WTERMSIG(raw);
    ending.peakKilobytes = usage.ru_maxrss;
    return ending;
}
