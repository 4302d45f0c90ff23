#include "ui/upload/LiveCheckText.h"

#include "ui/upload/UploadFailureText.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>

namespace ui {

namespace {

// Enough to see what is wrong without a list the dialog cannot hold.
constexpr std::size_t MismatchesNamed = 3;

QString translated(const char* text) { return QCoreApplication::translate("ui::LiveCheckText", text); }

QString mismatchesText(const std::vector<upload::LiveMismatch>& mismatches, const QString& siteUrl) {
    QStringList named;
    for (std::size_t i = 0; i < std::min(mismatches.size(), MismatchesNamed); ++i)
        named << QString("%1: %2").arg(QString::fromStdString(mismatches[i].path)).arg(mismatches[i].status);
    QString text = translated(QT_TRANSLATE_NOOP("ui::LiveCheckText", "%1 does not serve the player as uploaded: %2."))
                       .arg(siteUrl, named.join(", "));
    if (mismatches.size() > MismatchesNamed)
        text += " " + translated(QT_TRANSLATE_NOOP("ui::LiveCheckText", "Files served otherwise: %1 in all."))
                          .arg(mismatches.size());
    return text;
}

} // namespace

QString liveCheckText(const upload::LiveCheck& live, const QString& siteUrl) {
    if (live.failure)
        return translated(QT_TRANSLATE_NOOP("ui::LiveCheckText", "%1 could not be checked: %2"))
            .arg(siteUrl, uploadFailureText(live.failure, siteUrl));
    QStringList said;
    if (live.htaccessRemoved)
        said << translated(QT_TRANSLATE_NOOP("ui::LiveCheckText",
                                             "The host refused Tunemill's .htaccess (its AllowOverride lacks "
                                             "FileInfo), so it was removed from the site. Untick the .htaccess box "
                                             "on the folder page before you publish next time."));
    if (!live.mismatches.empty())
        said << mismatchesText(live.mismatches, siteUrl);
    return said.join("\n");
}

} // namespace ui
