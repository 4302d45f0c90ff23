#ifndef PUBLISH_STAGINGFOLDER_H
#define PUBLISH_STAGINGFOLDER_H

#include "system_calls/FileDescriptor.h"
#include "publish/OutputFolder.h"
#include "publish/TreeRemoval.h"

#include <filesystem>
#include <system_error>
#include <vector>

namespace publish {

// The new player is built in a folder of its own beside the output folder
// (the same file system, a hidden name that cannot be a user's) and put in
// place whole when it is complete: until then the output folder is not
// touched, so at every moment it is wholly the old player or wholly the
// new one. The staging folder goes with the object: unfinished work after
// a failure or a stop, the old player after the swap.
//
// The caller holds the lock on the folder that holds the output folder, so
// that no other publish works beside it at the same time.
class StagingFolder {
public:
    StagingFolder() = default;
    ~StagingFolder();
    StagingFolder(const StagingFolder&) = delete;
    StagingFolder& operator=(const StagingFolder&) = delete;

    // Makes the staging folder, open to its owner only until the swap gives
    // it the output folder's permissions.
    [[nodiscard]] std::error_code create(const OutputFolder& output);

    const std::filesystem::path& path() const { return folder; }

    // Puts everything staged on disk, then exchanges the staging folder with
    // the output folder in one step where the system can (elsewhere: the old
    // aside, the new in, the old gone): a power cut never leaves a new
    // player with files the disk has not got.
    [[nodiscard]] std::error_code swapIn();

    // Puts the swap itself on disk; the new player is in place either way.
    [[nodiscard]] std::error_code flushSwap();

    // Removes the staging folder now (after the swap, the old player); what
    // it had to leave.
    [[nodiscard]] Unremoved remove();

private:
    OutputFolder output;
    std::filesystem::path folder;
    // Opened as the folder is made, so that its flush reports every write
    // that failed since.
    FileDescriptor staged;
    FileDescriptor beside;
};

// Whether `name`, beside the output folder named `outputName`, is one of
// its staging folders.
bool isStagingFolderName(const std::string& name, const std::string& outputName);

// Removes what killed runs left beside the output folder (no run works
// there while the caller holds the lock); what each leftover had to leave.
std::vector<Unremoved> removeStagingLeftovers(const OutputFolder& output);

} // namespace publish

#endif
