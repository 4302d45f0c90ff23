#ifndef UI_PAGES_STEPFAILURETEXT_H
#define UI_PAGES_STEPFAILURETEXT_H

#include "publish/PublishReports.h"

#include <QString>

namespace ui {

// The step that ended a publish, in the user's language: what could not be
// done, and the system's reason in brackets.
QString stepFailureText(const publish::StepFailure& failure);

} // namespace ui

#endif
