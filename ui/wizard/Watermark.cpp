#include "ui/wizard/Watermark.h"

#include "publish/ProductName.h"

#include <QCoreApplication>
#include <QLinearGradient>
#include <QPainter>

namespace ui {

namespace {
const int Width = 164;
const int Height = 314;
const int BarHeights[] = {34, 58, 92, 120, 84, 64, 102, 46, 28};
} // namespace

QPixmap watermarkPicture() {
    QPixmap picture(Width, Height);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, Height);
    sky.setColorAt(0, QColor(28, 44, 84));
    sky.setColorAt(1, QColor(10, 16, 36));
    painter.fillRect(picture.rect(), sky);

    const int barWidth = 12, gap = 4, floor = Height - 40;
    int x = (Width - 9 * barWidth - 8 * gap) / 2;
    for (int height : BarHeights) {
        QLinearGradient glow(0, floor - height, 0, floor);
        glow.setColorAt(0, QColor(150, 250, 160));
        glow.setColorAt(1, QColor(60, 170, 90));
        painter.fillRect(QRect(x, floor - height, barWidth, height), glow);
        x += barWidth + gap;
    }
    painter.setPen(QColor(230, 240, 255));
    QFont name = painter.font();
    name.setPixelSize(26);
    name.setBold(true);
    painter.setFont(name);
    painter.drawText(QRect(0, 36, Width, 40), Qt::AlignCenter, publish::ProductName);
    QFont line = painter.font();
    line.setPixelSize(12);
    line.setBold(false);
    painter.setFont(line);
    painter.drawText(QRect(0, 74, Width, 20), Qt::AlignCenter,
                     QCoreApplication::translate("ui::Watermark", "your music on the web"));
    return picture;
}

} // namespace ui
