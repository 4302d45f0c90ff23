#ifndef CLI_PROGRAMLINE_H
#define CLI_PROGRAMLINE_H

#include <string>

namespace cli {

// One line on standard error that starts with the program's name, as
// every complaint and notice of tunemill-publish does.
void say(const std::string& line);

} // namespace cli

#endif
