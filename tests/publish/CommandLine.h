#ifndef TESTS_PUBLISH_COMMANDLINE_H
#define TESTS_PUBLISH_COMMANDLINE_H

#include <string>

// What the command-line publisher did: its exit status and what it said on
// standard error.
struct CommandResult {
    int status = -1;
    std::string said;
};

// Runs `program` (the publisher of this build by default) with `arguments`,
// given as shell words.
CommandResult runPublisher(const std::string& arguments, const std::string& program = PUBLISHER);

#endif
