#include "ui/translations/SystemReason.h"

#include "ui/translations/XmlReason.h"

#include <QCoreApplication>

#include <cerrno>

namespace ui {

namespace {

struct Reason {
    int code;
    const char* text;
};

// In the words of the C library's strerror, which the command line shows.
const Reason Reasons[] = {
    {ENOENT, QT_TRANSLATE_NOOP("ui::SystemReason", "No such file or directory")},
    {EACCES, QT_TRANSLATE_NOOP("ui::SystemReason", "Permission denied")},
    {EPERM, QT_TRANSLATE_NOOP("ui::SystemReason", "Operation not permitted")},
    {EROFS, QT_TRANSLATE_NOOP("ui::SystemReason", "Read-only file system")},
    {ENOSPC, QT_TRANSLATE_NOOP("ui::SystemReason", "No space left on device")},
    {EDQUOT, QT_TRANSLATE_NOOP("ui::SystemReason", "Disk quota exceeded")},
    {ENOTDIR, QT_TRANSLATE_NOOP("ui::SystemReason", "Not a directory")},
    {EISDIR, QT_TRANSLATE_NOOP("ui::SystemReason", "Is a directory")},
    {EEXIST, QT_TRANSLATE_NOOP("ui::SystemReason", "File exists")},
    {EIO, QT_TRANSLATE_NOOP("ui::SystemReason", "Input/output error")},
    {ENAMETOOLONG, QT_TRANSLATE_NOOP("ui::SystemReason", "File name too long")},
    {ELOOP, QT_TRANSLATE_NOOP("ui::SystemReason", "Too many levels of symbolic links")},
};

} // namespace

QString systemReason(const std::error_code& error) {
    if (error.category() == publish::xmlCategory())
        return xmlStatusReason(error);
    if (error.category() == std::generic_category() || error.category() == std::system_category())
        for (const Reason& reason : Reasons)
            if (error.value() == reason.code)
                return QCoreApplication::translate("ui::SystemReason", reason.text);
    return QString::fromStdString(error.message());
}

} // namespace ui
