#ifndef UI_PAGES_NOTHINGPUBLISHEDTEXT_H
#define UI_PAGES_NOTHINGPUBLISHEDTEXT_H

#include "publish/PublishReports.h"

#include <QString>

namespace ui {

// Why nothing was published when no step failed, in the user's language,
// in one sentence.
QString nothingPublishedText(const publish::PublishResult& result);

} // namespace ui

#endif
