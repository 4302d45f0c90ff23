#ifndef UI_UPLOAD_UPLOADSITE_H
#define UI_UPLOAD_UPLOADSITE_H

#include "upload/RemoteAddress.h"

#include <QString>

namespace ui {

// The site the upload dialog sends to, as its fields hold it.
struct UploadSite {
    upload::Protocol protocol = upload::Protocol::Sftp;
    QString host;
    int port = 0; // 0: the protocol's own
    QString folder;
    QString user;

    // The address's scheme: WebDAV only over https from the wizard.
    QString scheme() const;
    // "user@host:port", the name the site's password has in the keyring.
    QString keyringKey() const;
    // The remote address these fields give; AddressProblem::None when they
    // make one.
    [[nodiscard]] upload::AddressProblem address(upload::RemoteAddress& made) const;
};

// What is wrong with the fields, in the user's language.
QString addressProblemText(upload::AddressProblem problem);

} // namespace ui

#endif
