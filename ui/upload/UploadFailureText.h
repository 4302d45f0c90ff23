#ifndef UI_UPLOAD_UPLOADFAILURETEXT_H
#define UI_UPLOAD_UPLOADFAILURETEXT_H

#include "upload/UploadFailure.h"
#include "upload/UploadRun.h"

#include <QString>

namespace ui {

// Why an upload to `site` failed, in the user's language, with the file
// concerned and the server's own words when there are any.
QString uploadFailureText(const upload::UploadFailure& failure, const QString& site);

// What visitors of `site` get after a failed or stopped upload.
QString siteStateText(upload::SiteState state, const QString& site);

} // namespace ui

#endif
