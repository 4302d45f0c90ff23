#include "ui/upload/UploadSite.h"

#include <QCoreApplication>
#include <QUrl>

namespace ui {

namespace {

QString translated(const char* text) { return QCoreApplication::translate("ui::UploadSite", text); }

} // namespace

QString UploadSite::scheme() const {
    switch (protocol) {
    case upload::Protocol::Sftp: return "sftp";
    case upload::Protocol::Ftp: return "ftp";
    case upload::Protocol::Ftps: return "ftps";
    case upload::Protocol::WebDav: return "https";
    }
    return "sftp";
}

QString UploadSite::keyringKey() const {
    upload::RemoteAddress made;
    int shownPort = address(made) == upload::AddressProblem::None ? made.effectivePort() : port;
    return QString("%1@%2:%3").arg(user.trimmed(), host.trimmed()).arg(shownPort);
}

// Through the command line's parser, so that both front ends accept and
// refuse the same addresses; QUrl encodes what the fields hold.
upload::AddressProblem UploadSite::address(upload::RemoteAddress& made) const {
    QUrl url;
    url.setScheme(scheme());
    url.setHost(host.trimmed());
    if (!url.isValid() || url.host().isEmpty())
        return upload::AddressProblem::NotAnAddress;
    url.setUserName(user.trimmed());
    if (port != 0)
        url.setPort(port);
    QString path = folder.trimmed();
    url.setPath(path.startsWith('/') ? path : "/" + path);
    return upload::parseRemoteAddress(url.toString(QUrl::FullyEncoded).toStdString(), made);
}

QString addressProblemText(upload::AddressProblem problem) {
    switch (problem) {
    case upload::AddressProblem::None: return {};
    case upload::AddressProblem::NotAnAddress:
    case upload::AddressProblem::UnknownScheme:
        return translated(QT_TRANSLATE_NOOP("ui::UploadSite", "Type the name or the address of your web host."));
    case upload::AddressProblem::PasswordInAddress:
        return translated(QT_TRANSLATE_NOOP("ui::UploadSite", "The user name cannot hold a colon; type the password below."));
    case upload::AddressProblem::BadPort: return translated(QT_TRANSLATE_NOOP("ui::UploadSite", "The port must be a number from 1 to 65535."));
    case upload::AddressProblem::PlainHttpNotLoopback:
        return translated(QT_TRANSLATE_NOOP("ui::UploadSite", "WebDAV without https would send the password in the clear."));
    case upload::AddressProblem::BadFolder:
        return translated(QT_TRANSLATE_NOOP("ui::UploadSite", "The folder cannot hold \"..\" or control characters."));
    }
    return {};
}

} // namespace ui
