#ifndef UI_TRANSLATIONS_XMLREASON_H
#define UI_TRANSLATIONS_XMLREASON_H

#include "publish/XmlDocument.h"

#include <QString>

namespace ui {

// pugixml's status in the user's language (in pugixml's own words when it
// is none the reader meets).
QString xmlStatusReason(const std::error_code& error);
// Why an XML file could not be read, with the byte where the reader stopped.
QString xmlReadReason(const publish::XmlReadResult& problem);

} // namespace ui

#endif
