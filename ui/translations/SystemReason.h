#ifndef UI_TRANSLATIONS_SYSTEMREASON_H
#define UI_TRANSLATIONS_SYSTEMREASON_H

#include <QString>

#include <system_error>

namespace ui {

// The system's reason for a failure in the user's language: the common
// ones translated, the rest as the system says them. An XML reader's
// status is said as XmlReason says it.
QString systemReason(const std::error_code& error);

} // namespace ui

#endif
