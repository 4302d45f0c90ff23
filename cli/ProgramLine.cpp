#include "cli/ProgramLine.h"

#include <cstdio>

namespace cli {

void say(const std::string& line) { std::fprintf(stderr, "tunemill-publish: %s\n", line.c_str()); }

} // namespace cli
