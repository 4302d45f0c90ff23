#include "ui/upload/UploadFailureText.h"

#include "ui/translations/SystemReason.h"

#include <QCoreApplication>
#include <QDir>

namespace ui {

namespace {

using upload::UploadProblem;

QString translated(const char* text) { return QCoreApplication::translate("ui::UploadFailureText", text); }

QString hostKeyText(const upload::UploadFailure& failure, const QString& site) {
    QString fingerprint = QString::fromStdString(failure.fingerprint);
    if (failure.problem == UploadProblem::HostKeyUnknown)
        return translated(QT_TRANSLATE_NOOP("ui::UploadFailureText",
                                            "%1 is not a known server, and its key %2 was not accepted."))
            .arg(site, fingerprint);
    return translated(QT_TRANSLATE_NOOP("ui::UploadFailureText",
                                        "The key of %1 has changed from %2 to %3. Someone may be listening in. If "
                                        "your host changed its key, remove its line from %4."))
        .arg(site, QString::fromStdString(failure.knownFingerprint), fingerprint,
             QDir::home().filePath(".ssh/known_hosts"));
}

QString reasonOf(const upload::UploadFailure& failure, const QString& site) {
    switch (failure.problem) {
    case UploadProblem::None: return {};
    case UploadProblem::HostNotFound:
        return translated(QT_TRANSLATE_NOOP("ui::UploadFailureText", "The host of %1 is not found.")).arg(site);
    case UploadProblem::CannotConnect:
        return translated(QT_TRANSLATE_NOOP("ui::UploadFailureText", "Cannot connect to %1.")).arg(site);
    case UploadProblem::HostKeyUnknown:
    case UploadProblem::HostKeyChanged: return hostKeyText(failure, site);
    case UploadProblem::CertificateUntrusted:
        return translated(QT_TRANSLATE_NOOP("ui::UploadFailureText", "The certificate of %1 is not trusted.")).arg(site);
    case UploadProblem::TlsUnavailable:
        return translated(QT_TRANSLATE_NOOP("ui::UploadFailureText",
                                            "%1 offers no TLS, so the password would go in the clear. Choose SFTP, "
                                            "FTPS or WebDAV if your host offers one."))
            .arg(site);
    case UploadProblem::LoginRefused:
        return translated(QT_TRANSLATE_NOOP("ui::UploadFailureText", "The login was refused: check the user and the password."));
    case UploadProblem::PermissionDenied:
        return translated(QT_TRANSLATE_NOOP("ui::UploadFailureText", "The server denied permission."));
    case UploadProblem::RemoteFull:
        return translated(QT_TRANSLATE_NOOP("ui::UploadFailureText", "The disk or the quota on the server is full."));
    case UploadProblem::NotFound:
        return translated(QT_TRANSLATE_NOOP("ui::UploadFailureText", "A file or folder is missing on the server."));
    case UploadProblem::ConnectionLost:
        return translated(QT_TRANSLATE_NOOP("ui::UploadFailureText", "The connection to %1 was lost.")).arg(site);
    case UploadProblem::Stopped: return translated(QT_TRANSLATE_NOOP("ui::UploadFailureText", "The upload was stopped."));
    case UploadProblem::LocalFile:
        return translated(QT_TRANSLATE_NOOP("ui::UploadFailureText", "A file of the player cannot be read (%1)."))
            .arg(systemReason(failure.system));
    case UploadProblem::RemoteRefused: return translated(QT_TRANSLATE_NOOP("ui::UploadFailureText", "The server refused."));
    }
    return {};
}

} // namespace

QString uploadFailureText(const upload::UploadFailure& failure, const QString& site) {
    QString text = reasonOf(failure, site);
    if (!failure.path.empty())
        text += " " + translated(QT_TRANSLATE_NOOP("ui::UploadFailureText", "File: %1."))
                          .arg(QString::fromStdString(failure.path));
    if (!failure.remoteText.empty())
        text += " " + translated(QT_TRANSLATE_NOOP("ui::UploadFailureText", "The server said: %1"))
                          .arg(QString::fromStdString(failure.remoteText));
    return text;
}

QString siteStateText(upload::SiteState state, const QString& site) {
    switch (state) {
    case upload::SiteState::Untouched:
        return translated(QT_TRANSLATE_NOOP("ui::UploadFailureText", "The player on %1 is unchanged.")).arg(site);
    case upload::SiteState::PartlySwitched:
        return translated(QT_TRANSLATE_NOOP("ui::UploadFailureText",
                                            "The player on %1 was being switched over: it plays, partly new and "
                                            "partly old. Upload again to finish."))
            .arg(site);
    case upload::SiteState::Switched:
        return translated(QT_TRANSLATE_NOOP("ui::UploadFailureText", "The new player is on %1.")).arg(site);
    }
    return {};
}

} // namespace ui
