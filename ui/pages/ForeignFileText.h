#ifndef UI_PAGES_FOREIGNFILETEXT_H
#define UI_PAGES_FOREIGNFILETEXT_H

#include "audio/ForeignFile.h"

#include <QString>

namespace ui {

// What a file that is no sound holds, in the user's language, as said after
// the file's name.
QString foreignFileText(const audio::ForeignFile& foreign);

} // namespace ui

#endif
