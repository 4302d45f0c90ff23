#include "app/QuietWebViews.h"

#include <QByteArray>
#include <QLoggingCategory>
#include <QtGlobal>

namespace app {

void quietenWebViews() {
    QLoggingCategory::setFilterRules("js=false\nqt.webenginecontext=false");
    QByteArray flags = qgetenv("QTWEBENGINE_CHROMIUM_FLAGS");
    if (!flags.contains("--log-level"))
        qputenv("QTWEBENGINE_CHROMIUM_FLAGS", (flags + " --log-level=3").trimmed());
}

} // namespace app
