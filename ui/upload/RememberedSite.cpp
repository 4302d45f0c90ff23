#include "ui/upload/RememberedSite.h"

#include <QSettings>

namespace ui {

namespace {

upload::Protocol protocolNamed(const QString& scheme) {
    for (upload::Protocol protocol :
         {upload::Protocol::Sftp, upload::Protocol::Ftp, upload::Protocol::Ftps, upload::Protocol::WebDav}) {
        UploadSite site;
        site.protocol = protocol;
        if (site.scheme() == scheme)
            return protocol;
    }
    return upload::Protocol::Sftp;
}

} // namespace

std::filesystem::path rememberedSiteFile(const std::filesystem::path& ownFolder) { return ownFolder / "sites.ini"; }

UploadSite loadRememberedSite(const std::filesystem::path& file) {
    QSettings settings(QString::fromStdString(file.string()), QSettings::IniFormat);
    settings.beginGroup("site");
    UploadSite site;
    site.protocol = protocolNamed(settings.value("protocol").toString());
    site.host = settings.value("host").toString();
    site.port = settings.value("port", 0).toInt();
    site.folder = settings.value("folder").toString();
    site.user = settings.value("user").toString();
    return site;
}

bool rememberSite(const std::filesystem::path& file, const UploadSite& site) {
    QSettings settings(QString::fromStdString(file.string()), QSettings::IniFormat);
    settings.beginGroup("site");
    settings.setValue("protocol", site.scheme());
    settings.setValue("host", site.host.trimmed());
    settings.setValue("port", site.port);
    settings.setValue("folder", site.folder.trimmed());
    settings.setValue("user", site.user.trimmed());
    settings.endGroup();
    settings.sync();
    return settings.status() == QSettings::NoError;
}

} // namespace ui
