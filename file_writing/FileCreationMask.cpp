#include "file_writing/FileCreationMask.h"

#include <cstdlib>
#include <fstream>
#include <string>

namespace publish {

std::error_code readFileCreationMask(mode_t& mask) {
    std::ifstream status("/proc/self/status");
    if (!status)
        return std::make_error_code(std::errc::no_such_file_or_directory);
    const std::string label = "Umask:";
    for (std::string line; std::getline(status, line);) {
        if (!line.starts_with(label))
            continue;
        char* end = nullptr;
        unsigned long value = std::strtoul(line.c_str() + label.size(), &end, 8);
        if (end == line.c_str() + label.size())
            break;
        mask = static_cast<mode_t>(value & 0777);
        return {};
    }
    // Kernels before 4.7 do not show it.
    return std::make_error_code(std::errc::function_not_supported);
}

} // namespace publish
