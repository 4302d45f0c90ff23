#ifndef UI_PAGES_RECORDINGTEXT_H
#define UI_PAGES_RECORDINGTEXT_H

#include "audio/Recorder.h"

#include <QString>

namespace ui {

// "%02d:%02d.%d - Recording..." for the time since recording began, in the
// user's language.
QString recordingTimeText(uint32_t elapsedMilliseconds);
// Why a recording failed, in the user's language: what failed, and where,
// as "File: Page1Mp3 ,Line Number:N" for the failing call.
QString recordingErrorText(const audio::RecordingError& error);

} // namespace ui

#endif
