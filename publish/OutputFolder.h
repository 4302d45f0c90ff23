#ifndef PUBLISH_OUTPUTFOLDER_H
#define PUBLISH_OUTPUTFOLDER_H

#include <filesystem>
#include <system_error>

namespace publish {

// Where a publish goes: the output folder, or the folder its symbolic link
// points to, so that the link itself stays as the user made it.
struct OutputFolder {
    std::filesystem::path path;  // the real folder
    bool exists = false;
};

// std::errc::not_a_directory when `output` is there but is no folder (or a
// link to none); the publish must then change nothing.
[[nodiscard]] std::error_code locateOutputFolder(const std::filesystem::path& output, OutputFolder& located);

} // namespace publish

#endif
