#ifndef UI_WIZARD_WATERMARK_H
#define UI_WIZARD_WATERMARK_H

#include <QPixmap>

namespace ui {

// The picture beside the wizard's pages: a night-blue panel with spectrum
// bars and the program's name.
QPixmap watermarkPicture();

} // namespace ui

#endif
