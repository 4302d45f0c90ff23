#include "ui/pages/NothingPublishedText.h"

#include "ui/translations/XmlReason.h"

#include <QCoreApplication>

namespace ui {

QString nothingPublishedText(const publish::PublishResult& result) {
    using publish::NothingPublishedReason;
    switch (result.reason) {
    case NothingPublishedReason::SettingsUnreadable:
        return QCoreApplication::translate("ui::NothingPublishedText", "Cannot read the settings file %1. (%2)")
            .arg(QString::fromStdString(result.settingsFile.string()), xmlReadReason(result.settingsProblem));
    case NothingPublishedReason::EmptyPlaylist:
        return QCoreApplication::translate("ui::NothingPublishedText", "The playlist is empty.");
    case NothingPublishedReason::NoTrack:
        if (result.tracks == 1)
            return QCoreApplication::translate("ui::NothingPublishedText", "The track could not be published.");
        return QCoreApplication::translate("ui::NothingPublishedText", "None of the %1 tracks could be published.")
            .arg(result.tracks);
    }
    return {};
}

} // namespace ui
