#ifndef CLI_UPLOADCOMMAND_H
#define CLI_UPLOADCOMMAND_H

#include "cli/PublishArguments.h"
#include "cli/StopSignals.h"

namespace cli {

// Uploads what DIR/output holds to the address --upload gives, and says
// how it went; the exit status: 0 uploaded, 1 failed with the site as the
// last line says, 128 + the signal when stopped.
int uploadOutput(const PublishArguments& arguments, const StopSignals& signals);

} // namespace cli

#endif
