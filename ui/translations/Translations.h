#ifndef UI_TRANSLATIONS_TRANSLATIONS_H
#define UI_TRANSLATIONS_TRANSLATIONS_H

#include <filesystem>
#include <vector>

class QCoreApplication;

namespace ui {

// Puts the wizard's texts, and Qt's own (the wizard's buttons, the standard
// dialogs), into the language of the user's locale, as LC_ALL, LC_MESSAGES
// or LANG name it. The wizard's translation is the first one found in
// `folders`; without one the wizard stays in English.
void installTranslations(QCoreApplication& application, const std::vector<std::filesystem::path>& folders);

} // namespace ui

#endif
