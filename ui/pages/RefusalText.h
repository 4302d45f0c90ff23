#ifndef UI_PAGES_REFUSALTEXT_H
#define UI_PAGES_REFUSALTEXT_H

#include "audio/IntakeRefusal.h"
#include "publish/PublishReports.h"

#include <QString>

namespace ui {

// Why a file was not added or not published, in the user's language, as
// said after the file's name.
QString refusalText(const audio::Refusal& refusal);
QString trackOutcomeText(const publish::TrackReport& report);
// Why a file the user named cannot be opened: its kind, or the system's reason.
QString fileOpeningText(std::error_code error);

} // namespace ui

#endif
