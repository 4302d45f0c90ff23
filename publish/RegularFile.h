#ifndef PUBLISH_REGULARFILE_H
#define PUBLISH_REGULARFILE_H

#include "publish/FileDescriptor.h"

#include <filesystem>
#include <system_error>

namespace publish {

// Opens an existing file for reading, but only a regular file: a FIFO would
// hold the open until some writer came and each read until it wrote, and a
// device or socket has no end. The open itself does not wait, and a file of
// another kind gives std::errc::operation_not_supported. The descriptor
// then reads as usual, waiting for the disk.
[[nodiscard]] std::error_code openRegularFile(const std::filesystem::path& path, FileDescriptor& file);

} // namespace publish

#endif
