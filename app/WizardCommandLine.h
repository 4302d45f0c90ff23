#ifndef APP_WIZARDCOMMANDLINE_H
#define APP_WIZARDCOMMANDLINE_H

#include <QStringList>

#include <optional>

namespace app {

// The files `tunemill FILE...` starts with, as absolute paths; or, after
// printing the help, the version or a mistake, the status to exit with.
// Needs no display: it runs before the application's window system.
struct StartRequest {
    QStringList files;
    std::optional<int> exitStatus;
};

StartRequest parseWizardCommandLine(int argc, char** argv);

} // namespace app

#endif
