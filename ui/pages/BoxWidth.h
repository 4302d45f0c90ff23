#ifndef UI_PAGES_BOXWIDTH_H
#define UI_PAGES_BOXWIDTH_H

class QMessageBox;

namespace ui {

// A message box sizes itself for short sentences and breaks a long path
// anywhere ("Read-/only"): this widens it to its longest line, up to two
// thirds of the screen.
void widenToLongestLine(QMessageBox& box);

} // namespace ui

#endif
