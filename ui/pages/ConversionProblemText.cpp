#include "ui/pages/ConversionProblemText.h"

#include "ui/pages/RefusalText.h"
#include "ui/translations/SystemReason.h"

#include <QCoreApplication>

namespace ui {

namespace {

QString translated(const char* text) { return QCoreApplication::translate("ui::ConversionProblemText", text); }

QString streamText(const audio::StreamShape& shape) {
    if (shape.channels == 1)
        return translated(QT_TRANSLATE_NOOP("ui::ConversionProblemText", "%1 Hz mono")).arg(shape.sampleRate);
    return translated(QT_TRANSLATE_NOOP("ui::ConversionProblemText", "%1 Hz stereo")).arg(shape.sampleRate);
}

QString decodingText(const audio::ConversionProblem& problem) {
    using audio::ConversionCause;
    QString why;
    switch (problem.cause) {
    case ConversionCause::FlacFrameMismatch:
        why = translated(QT_TRANSLATE_NOOP("ui::ConversionProblemText",
                                           "a frame does not match the stream's channels or sample size"));
        break;
    case ConversionCause::FlacDecoderNotStarted:
        why = translated(QT_TRANSLATE_NOOP("ui::ConversionProblemText", "the FLAC decoder cannot be started"));
        break;
    case ConversionCause::FlacNoStreamInfo:
        why = translated(QT_TRANSLATE_NOOP("ui::ConversionProblemText", "the FLAC stream has no stream information"));
        break;
    default: why = QString::fromStdString(problem.detail);
    }
    return translated(QT_TRANSLATE_NOOP("ui::ConversionProblemText", "the audio cannot be decoded: %1")).arg(why);
}

// What the input holds that the encoder cannot take.
QString formatText(const audio::ConversionProblem& problem) {
    using audio::ConversionCause;
    switch (problem.cause) {
    case ConversionCause::NotMonoOrStereo:
        return translated(QT_TRANSLATE_NOOP("ui::ConversionProblemText",
                                            "%1 channels are not supported (only mono and stereo)"))
            .arg(problem.count);
    case ConversionCause::TooManyChannels:
        return translated(QT_TRANSLATE_NOOP("ui::ConversionProblemText", "%1 channels are not supported (at most %2)"))
            .arg(problem.count)
            .arg(problem.limit);
    case ConversionCause::SampleSize:
        if (problem.floating)
            return translated(QT_TRANSLATE_NOOP("ui::ConversionProblemText",
                                                "samples of %1 bits in floating point are not supported"))
                .arg(problem.count);
        return translated(QT_TRANSLATE_NOOP("ui::ConversionProblemText", "samples of %1 bits are not supported"))
            .arg(problem.count);
    case ConversionCause::SampleRate:
        return translated(QT_TRANSLATE_NOOP("ui::ConversionProblemText", "the sample rate %1 Hz is not usable"))
            .arg(problem.count);
    case ConversionCause::Mp3StreamChanges:
        return translated(QT_TRANSLATE_NOOP("ui::ConversionProblemText", "the MP3 changes from %1 to %2 part way"))
            .arg(streamText(problem.from), streamText(problem.to));
    default: return decodingText(problem);
    }
}

} // namespace

QString conversionProblemText(const audio::ConversionProblem& problem) {
    using audio::ConversionCause;
    switch (problem.cause) {
    case ConversionCause::None: return {};
    case ConversionCause::NoInputFile:
        return translated(QT_TRANSLATE_NOOP("ui::ConversionProblemText", "no input file was given"));
    case ConversionCause::CannotOpen:
        return translated(QT_TRANSLATE_NOOP("ui::ConversionProblemText", "the file %1"))
            .arg(fileOpeningText(problem.error));
    case ConversionCause::CannotRereadStart:
        return translated(QT_TRANSLATE_NOOP("ui::ConversionProblemText", "the file cannot be read from its start again"));
    case ConversionCause::CannotRead:
        return translated(QT_TRANSLATE_NOOP("ui::ConversionProblemText", "the file cannot be read"));
    case ConversionCause::CannotClose:
        return translated(QT_TRANSLATE_NOOP("ui::ConversionProblemText", "the file cannot be closed: %1"))
            .arg(systemReason(problem.error));
    case ConversionCause::HeaderUnreadable:
        return translated(QT_TRANSLATE_NOOP("ui::ConversionProblemText", "the file's header cannot be read"));
    case ConversionCause::Mp3DecoderNotStarted:
        return translated(QT_TRANSLATE_NOOP("ui::ConversionProblemText", "the MP3 decoder cannot be started"));
    case ConversionCause::NoMp3Frame:
        return translated(QT_TRANSLATE_NOOP("ui::ConversionProblemText", "no MPEG Layer III frame was found"));
    case ConversionCause::Mp3FirstFrameUnreadable:
        return translated(QT_TRANSLATE_NOOP("ui::ConversionProblemText", "the MP3 decoder cannot read the first frame"));
    case ConversionCause::EncoderBufferTooSmall:
        return translated(QT_TRANSLATE_NOOP("ui::ConversionProblemText", "the MP3 encoder's buffer is too small"));
    case ConversionCause::EncoderFailed:
        return translated(QT_TRANSLATE_NOOP("ui::ConversionProblemText", "the MP3 encoder failed with error %1"))
            .arg(problem.count);
    case ConversionCause::EncoderNotStarted:
        return translated(QT_TRANSLATE_NOOP("ui::ConversionProblemText", "the MP3 encoder cannot be started"));
    case ConversionCause::InputWouldBeOverwritten:
        return translated(QT_TRANSLATE_NOOP("ui::ConversionProblemText", "the input would be overwritten"));
    case ConversionCause::OutputNotCreated:
        return translated(QT_TRANSLATE_NOOP("ui::ConversionProblemText", "the MP3 file %1 cannot be created"))
            .arg(QString::fromStdString(problem.detail));
    case ConversionCause::OutputNotWritten:
        return translated(QT_TRANSLATE_NOOP("ui::ConversionProblemText", "the MP3 file cannot be written"));
    case ConversionCause::EncoderNotSetUp:
        return translated(QT_TRANSLATE_NOOP("ui::ConversionProblemText", "the MP3 encoder cannot be set up for this input"));
    default: return formatText(problem);
    }
}

} // namespace ui
