#include "ui/controls/CLabel.h"

namespace ui {

CLabel::CLabel(const QString& text, QWidget* parent) : QLabel(text, parent), colour(Qt::black) {
    setWordWrap(true);
    setTextColour(colour);
}

void CLabel::setTextColour(const QColor& newColour) {
    colour = newColour;
    QPalette shades = palette();
    shades.setColor(QPalette::WindowText, colour);
    setPalette(shades);
}

} // namespace ui
