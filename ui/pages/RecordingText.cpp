#include "ui/pages/RecordingText.h"

#include "ui/translations/SystemReason.h"

#include <QCoreApplication>

namespace ui {

namespace {

// The name the recorder's error texts give as their source, as users have
// always seen it.
const char* const ErrorSourceName = "Page1Mp3";

QString translated(const char* text) { return QCoreApplication::translate("ui::RecordingText", text); }

QString callSiteText(int line) {
    return translated(QT_TRANSLATE_NOOP("ui::RecordingText", "File: %1 ,Line Number:%2"))
        .arg(ErrorSourceName)
        .arg(line);
}

QString deviceText(const audio::RecordingError& error) {
    if (error.queryResult != 0)
        return translated(QT_TRANSLATE_NOOP("ui::RecordingText",
                                            "Error %1 in querying the error string for error code %2"))
            .arg(error.queryResult)
            .arg(error.deviceCode);
    return QString::fromStdString(error.deviceText);
}

} // namespace

QString recordingTimeText(uint32_t elapsed) {
    uint32_t seconds = elapsed / 1000;
    return translated(QT_TRANSLATE_NOOP("ui::RecordingText", "%1:%2.%3 - Recording..."))
        .arg(seconds / 60, 2, 10, QChar('0'))
        .arg(seconds % 60, 2, 10, QChar('0'))
        .arg((elapsed / 100) % 10);
}

QString recordingErrorText(const audio::RecordingError& error) {
    using audio::RecordingProblem;
    switch (error.problem) {
    case RecordingProblem::Unnamed: return {};
    case RecordingProblem::NoQuality:
        return translated(
            QT_TRANSLATE_NOOP("ui::RecordingText", "No recording quality is selected: no input device offers one."));
    case RecordingProblem::FileNotOpened:
        return translated(QT_TRANSLATE_NOOP("ui::RecordingText", "Can not open file..."));
    case RecordingProblem::HeaderNotWritten:
        return translated(QT_TRANSLATE_NOOP("ui::RecordingText", "Can not write Wave Header..%1"))
            .arg(callSiteText(error.line));
    case RecordingProblem::DeviceCall: return callSiteText(error.line) + ": " + deviceText(error);
    case RecordingProblem::FileCall: return callSiteText(error.line) + ": " + systemReason(error.error);
    case RecordingProblem::SamplesNotWritten:
        return translated(QT_TRANSLATE_NOOP("ui::RecordingText", "Can not write sample data..%1: %2"))
            .arg(callSiteText(error.line), systemReason(error.error));
    }
    return {};
}

} // namespace ui
