#include "publish/OutputFolder.h"

namespace fs = std::filesystem;

namespace publish {

std::error_code locateOutputFolder(const fs::path& output, OutputFolder& located) {
    std::error_code error;
    fs::file_status status = fs::symlink_status(output, error);
    if (status.type() == fs::file_type::not_found) {
        located = {fs::absolute(output), false};
        return {};
    }
    if (error)
        return error;
    fs::path real = fs::is_symlink(status) ? fs::canonical(output, error) : fs::absolute(output);
    if (error)
        return error;
    if (!fs::is_directory(real, error))
        return error ? error : std::make_error_code(std::errc::not_a_directory);
    located = {real, true};
    return {};
}

} // namespace publish
