#include "ui/pages/StepFailureText.h"

#include "ui/translations/SystemReason.h"

#include <QCoreApplication>

namespace ui {

namespace {

QString translated(const char* text) { return QCoreApplication::translate("ui::StepFailureText", text); }

QString shown(const std::filesystem::path& path) { return QString::fromStdString(path.string()); }

// The new player is built beside the folder it replaces: only so can it take
// the folder's place in one step.
QString stagingSentence(const publish::StepFailure& failure) {
    QString target = shown(failure.target);
    if (failure.source.empty())
        return translated(QT_TRANSLATE_NOOP("ui::StepFailureText",
                                    "Cannot publish into %1: the new player is built beside it in %2 and put in its "
                                    "place in one step, so %2 must be writable; make it writable, or publish into "
                                    "another folder."))
            .arg(target, shown(failure.target.parent_path()));
    return translated(QT_TRANSLATE_NOOP("ui::StepFailureText",
                                "Cannot publish into %1: it links to %2, and the new player is built beside that in "
                                "%3 and put in its place in one step, so %3 must be writable; make it writable, or "
                                "link %1 to a folder inside one you can write."))
        .arg(target, shown(failure.source), shown(failure.source.parent_path()));
}

QString stepSentence(const publish::StepFailure& failure) {
    using publish::PublishStep;
    QString target = shown(failure.target), source = shown(failure.source);
    switch (failure.step) {
    case PublishStep::OutputFolder: return translated(QT_TRANSLATE_NOOP("ui::StepFailureText", "Cannot publish into %1.")).arg(target);
    case PublishStep::OtherFileSystem:
        return translated(QT_TRANSLATE_NOOP("ui::StepFailureText",
                                    "Cannot publish into %1: %2 is a mount point or on another device, which the new "
                                    "player cannot carry along; unmount it or move it out of %1."))
            .arg(target, source);
    case PublishStep::StagingFolder: return stagingSentence(failure);
    case PublishStep::TrackMovie:
        return translated(QT_TRANSLATE_NOOP("ui::StepFailureText", "Cannot write the track movie %1 from %2.")).arg(target, source);
    case PublishStep::UserFiles:
        return translated(QT_TRANSLATE_NOOP("ui::StepFailureText", "Cannot keep %1 in the new %2.")).arg(source, target);
    case PublishStep::Swap:
        return translated(QT_TRANSLATE_NOOP("ui::StepFailureText", "Cannot put the new player in place of %1.")).arg(target);
    case PublishStep::MusicList:
        return translated(QT_TRANSLATE_NOOP("ui::StepFailureText", "Cannot write the playlist document %1.")).arg(target);
    case PublishStep::PlayerOptions:
        return translated(QT_TRANSLATE_NOOP("ui::StepFailureText", "Cannot put the player options into %1.")).arg(target);
    case PublishStep::PlayerMovie:
        return translated(QT_TRANSLATE_NOOP("ui::StepFailureText", "Cannot copy the player movie %1 to %2.")).arg(source, target);
    case PublishStep::PlayerPage:
        return translated(QT_TRANSLATE_NOOP("ui::StepFailureText", "Cannot write the web page %1.")).arg(target);
    case PublishStep::Runtime:
        return translated(QT_TRANSLATE_NOOP("ui::StepFailureText", "Cannot copy the player runtime from %1 to %2."))
            .arg(source, target);
    case PublishStep::HostSettings:
        return translated(QT_TRANSLATE_NOOP("ui::StepFailureText", "Cannot write the web server settings %1.")).arg(target);
    case PublishStep::EmbedPage:
        return translated(QT_TRANSLATE_NOOP("ui::StepFailureText", "Cannot write the page for framing %1.")).arg(target);
    }
    return {};
}

} // namespace

QString stepFailureText(const publish::StepFailure& failure) {
    QString text = stepSentence(failure);
    if (failure.error)
        text += " (" + systemReason(failure.error) + ")";
    return text;
}

} // namespace ui
