#ifndef PUBLISH_FILESYSTEMBOUNDARY_H
#define PUBLISH_FILESYSTEMBOUNDARY_H

#include "system_calls/FileDescriptor.h"

#include <filesystem>
#include <system_error>

namespace publish {

// Where one file system ends and another begins inside a folder. A bind
// mount of a folder on the same disk keeps its device number, so mounts are
// told apart by their mount IDs; the device number tells the rest (a
// file system the kernel gives no mount ID, a subvolume).

// The reason given for another file system met inside a folder; it compares
// equal to std::errc::cross_device_link.
std::error_code otherFileSystem();

// Opens `name`, an entry of `folder`, with `flags`, never following a link
// and never crossing into another file system mounted there: such an entry
// is refused with otherFileSystem(), and nothing in it is touched.
[[nodiscard]] std::error_code openWithin(int folder, const char* name, int flags, FileDescriptor& opened);

// The first file or folder under `folder` (the folder itself left out) that
// lies on a file system other than the folder's own; an empty path when
// there is none.
std::filesystem::path firstOtherFileSystemIn(const std::filesystem::path& folder);

} // namespace publish

#endif
