#ifndef UPLOAD_UPLOADRUN_H
#define UPLOAD_UPLOADRUN_H

#include "upload/LocalFolder.h"
#include "upload/RemoteSite.h"
#include "upload/UploadFailure.h"
#include "upload/UploadPlan.h"

#include <cstddef>
#include <cstdint>

namespace upload {

// What visitors of the remote folder get after an upload stopped or failed.
enum class SiteState {
    Untouched,      // the player as it was: nothing was renamed yet
    PartlySwitched, // some files are new, some old; the next upload finishes the switch
    Switched,       // the new player, complete
};

// Told how the upload goes, on the thread that runs it (sending: on the
// sending thread).
class UploadObserver {
public:
    virtual ~UploadObserver() = default;
    virtual void planned(const UploadPlan& plan) = 0;
    virtual void sending(std::uint64_t bytesSent, std::size_t filesSent) = 0;
    virtual void switching() = 0;
};

struct UploadOutcome {
    UploadFailure failure;
    SiteState state = SiteState::Untouched;
    UploadPlan plan;
};

// Brings the remote folder to what `local` lists: removes an earlier
// upload's leftovers, sends what changed under temporary names, renames
// them over their final names in switch-over order (moving the old file
// aside where the protocol cannot replace in one step), deletes what the
// player no longer has, and writes the manifest last. With `dryRun`, only
// plans.
UploadOutcome uploadFolder(RemoteSite& site, const std::filesystem::path& folder, const LocalFolder& local,
                           UploadObserver& observer, bool dryRun);

} // namespace upload

#endif
