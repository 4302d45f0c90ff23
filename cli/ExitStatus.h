#ifndef CLI_EXITSTATUS_H
#define CLI_EXITSTATUS_H

namespace cli {

// tunemill-publish's exit statuses, as its manual page lists them.
enum ExitStatus { AllPublished = 0, NotAllPublished = 1, BadArguments = 2 };

} // namespace cli

#endif
