#ifndef CLI_UPLOADFAILURETEXT_H
#define CLI_UPLOADFAILURETEXT_H

#include "upload/UploadFailure.h"
#include "upload/UploadRun.h"

#include <string>

namespace cli {

// Why the upload failed, in the command line's English: the reason, the
// file, and the server's own words when it gave any.
std::string describeUploadFailure(const upload::UploadFailure& failure);

// What visitors of the site get now, after a failed or stopped upload.
std::string describeSiteState(upload::SiteState state, const std::string& site);

} // namespace cli

#endif
