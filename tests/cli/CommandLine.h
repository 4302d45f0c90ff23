#ifndef TESTS_CLI_COMMANDLINE_H
#define TESTS_CLI_COMMANDLINE_H

#include <chrono>
#include <string>
#include <sys/types.h>
#include <vector>

// What the command-line publisher did: its exit status and what it said on
// standard error.
struct CommandResult {
    int status = -1;
    std::string said;
};

// Runs `program` (the publisher of this build by default) with `arguments`,
// given as shell words.
CommandResult runPublisher(const std::string& arguments, const std::string& program = PUBLISHER);

// A child process running the publisher of this build with `arguments`
// and `environment` added to its own; the child's `stream` (standard output
// or standard error) goes into the pipe whose reading end is `readEnd`.
// The child's id, or -1 when no pipe could be made.
pid_t startPublisher(const std::vector<std::string>& arguments, const std::vector<std::string>& environment,
                     int stream, int& readEnd);

// The publisher running in the background with `environment` added to
// its own, what it says on standard error read as it comes.
class RunningPublisher {
public:
    RunningPublisher(const std::vector<std::string>& arguments, const std::vector<std::string>& environment);
    ~RunningPublisher();
    // Waits (up to a minute) until it has said `text`; false if it ended first.
    bool waitFor(const std::string& text);
    void signal(int signal);
    // Waits for it to end: its exit status, or 128 + the signal that ended it.
    int wait();
    // How a run ended: by itself before the watchdog or not, with its status
    // (as wait gives it) and its peak resident memory.
    struct Ending {
        bool inTime = false;
        int status = -1;
        long peakKilobytes = 0;
    };
    // Waits up to `watchdog` for it to end, and kills it then.
    Ending waitWithin(std::chrono::seconds watchdog);
    const std::string& said() const { return heard; }

private:
    bool readSome();

    pid_t child = -1;
    int errors = -1;
    std::string heard;
};

#endif
