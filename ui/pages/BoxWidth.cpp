#include "ui/pages/BoxWidth.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>
#include <QScreen>
#include <QSpacerItem>

#include <algorithm>

namespace ui {

void widenToLongestLine(QMessageBox& box) {
    QFontMetrics metrics(box.font());
    int longest = 0;
    for (const QString& line : (box.text() + "\n" + box.informativeText()).split('\n'))
        longest = std::max(longest, metrics.horizontalAdvance(line));
    QScreen* screen = box.screen() ? box.screen() : QApplication::primaryScreen();
    int width = std::min(longest, screen->availableGeometry().width() * 2 / 3);
    // The grid holds the icon, the texts and the buttons: a spacer across
    // it is the one width the box must keep.
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout()))
        grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Minimum), grid->rowCount(), 0, 1,
                      grid->columnCount());
}

} // namespace ui
