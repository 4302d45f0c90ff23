#include "ui/pages/RefusalText.h"

#include "input_files/InputFile.h"
#include "player_contract/TrackLength.h"
#include "ui/pages/ConversionProblemText.h"
#include "ui/pages/ForeignFileText.h"
#include "ui/translations/SystemReason.h"

#include <QCoreApplication>

namespace ui {

namespace {

QString translated(const char* text) { return QCoreApplication::translate("ui::RefusalText", text); }

QString tooLong() {
    return translated(QT_TRANSLATE_NOOP("ui::RefusalText", "too long for a track movie (at most %1 min %2 s)"))
        .arg(publish::LongestTrackSeconds / 60)
        .arg(publish::LongestTrackSeconds % 60);
}

// The SWF library's own message is English; a failure that is no system
// call's says only that the movie could not be made.
QString movieFailureText(std::error_code error) {
    if (error)
        return systemReason(error);
    return translated(QT_TRANSLATE_NOOP("ui::RefusalText", "the movie cannot be encoded"));
}

} // namespace

QString fileOpeningText(std::error_code error) {
    if (error.category() != publish::inputFileCategory())
        return translated(QT_TRANSLATE_NOOP("ui::RefusalText", "cannot be opened: %1")).arg(systemReason(error));
    using publish::InputFileError;
    switch (static_cast<InputFileError>(error.value())) {
    case InputFileError::Folder: return translated(QT_TRANSLATE_NOOP("ui::RefusalText", "is a folder, not a regular file"));
    case InputFileError::Fifo:
        return translated(QT_TRANSLATE_NOOP("ui::RefusalText", "is a FIFO (named pipe), not a regular file"));
    case InputFileError::Socket: return translated(QT_TRANSLATE_NOOP("ui::RefusalText", "is a socket, not a regular file"));
    case InputFileError::Device: return translated(QT_TRANSLATE_NOOP("ui::RefusalText", "is a device, not a regular file"));
    case InputFileError::OtherKind: return translated(QT_TRANSLATE_NOOP("ui::RefusalText", "is not a regular file"));
    case InputFileError::TooLarge: return translated(QT_TRANSLATE_NOOP("ui::RefusalText", "is too large"));
    }
    return translated(QT_TRANSLATE_NOOP("ui::RefusalText", "cannot be read"));
}

QString refusalText(const audio::Refusal& refusal) {
    using audio::RefusalReason;
    QString file = QString::fromStdString(refusal.file);
    switch (refusal.reason) {
    case RefusalReason::Missing: return translated(QT_TRANSLATE_NOOP("ui::RefusalText", "is missing"));
    case RefusalReason::WebAddress:
        return translated(QT_TRANSLATE_NOOP("ui::RefusalText",
                                            "is a web address; only files on this computer can be published"));
    case RefusalReason::OtherComputer:
        return translated(QT_TRANSLATE_NOOP("ui::RefusalText", "is on another computer (%1)")).arg(file);
    case RefusalReason::PlaylistLoop:
        return translated(QT_TRANSLATE_NOOP("ui::RefusalText", "is a playlist already followed (the playlists loop)"));
    case RefusalReason::PlaylistTooLarge:
        return translated(QT_TRANSLATE_NOOP("ui::RefusalText", "is too large for a playlist"));
    case RefusalReason::PlaylistUnreadable: return fileOpeningText(refusal.error);
    case RefusalReason::NoSoundFiles: return translated(QT_TRANSLATE_NOOP("ui::RefusalText", "holds no sound files"));
    case RefusalReason::PathNotUtf8:
        return translated(QT_TRANSLATE_NOOP("ui::RefusalText", "its name is not valid UTF-8, which the playlist cannot store"));
    case RefusalReason::PathHasControls:
        return translated(
            QT_TRANSLATE_NOOP("ui::RefusalText", "its name holds control characters, which the playlist cannot store"));
    case RefusalReason::CannotOpen:
        return translated(QT_TRANSLATE_NOOP("ui::RefusalText", "the file %1")).arg(fileOpeningText(refusal.error));
    case RefusalReason::CannotRead: return translated(QT_TRANSLATE_NOOP("ui::RefusalText", "the file cannot be read"));
    case RefusalReason::NotSound: return foreignFileText(refusal.foreign);
    case RefusalReason::TooLong: return tooLong();
    case RefusalReason::NoWorkFolder:
        return translated(QT_TRANSLATE_NOOP("ui::RefusalText", "there is no work folder to convert it into"));
    case RefusalReason::ConversionFailed:
        return translated(QT_TRANSLATE_NOOP("ui::RefusalText", "cannot be converted to MP3: %1"))
            .arg(conversionProblemText(refusal.conversion));
    }
    return {};
}

QString trackOutcomeText(const publish::TrackReport& report) {
    using publish::TrackOutcome;
    switch (report.outcome) {
    case TrackOutcome::Published: return translated(QT_TRANSLATE_NOOP("ui::RefusalText", "published"));
    case TrackOutcome::Unsupported: return translated(QT_TRANSLATE_NOOP("ui::RefusalText", "skipped, unsupported format"));
    case TrackOutcome::TooLong: return translated(QT_TRANSLATE_NOOP("ui::RefusalText", "skipped, %1")).arg(tooLong());
    case TrackOutcome::CannotWrite:
        return translated(QT_TRANSLATE_NOOP("ui::RefusalText", "skipped, %1 cannot be written: %2"))
            .arg(QString::fromStdString(report.movie), movieFailureText(report.error));
    case TrackOutcome::NoSound: return translated(QT_TRANSLATE_NOOP("ui::RefusalText", "skipped, no sound to publish"));
    case TrackOutcome::OutOfMemory:
        return translated(QT_TRANSLATE_NOOP("ui::RefusalText", "skipped, not enough memory to build its movie"));
    case TrackOutcome::Cancelled: return translated(QT_TRANSLATE_NOOP("ui::RefusalText", "cancelled"));
    }
    return {};
}

} // namespace ui
