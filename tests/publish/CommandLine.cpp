#include "CommandLine.h"

#include "tests/support/TestSupport.h"

#include <cstdlib>
#include <sys/wait.h>

CommandResult runPublisher(const std::string& arguments, const std::string& program) {
    testing_support::TemporaryFolder scratch;
    std::string log = scratch.path("said");
    int status = std::system((program + " " + arguments + " >/dev/null 2>'" + log + "'").c_str());
    testing_support::Bytes said = testing_support::readFile(log);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, std::string(said.begin(), said.end())};
}
