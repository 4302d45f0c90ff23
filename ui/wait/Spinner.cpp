#include "ui/wait/Spinner.h"

#include <QPainter>
#include <QPainterPath>

namespace ui {

namespace {
const int Spokes = 12;
const int StepMilliseconds = 1000 / Spokes;
} // namespace

Spinner::Spinner(QWidget* parent) : QWidget(parent) {
    setFixedSize(sizeHint());
    startTimer(StepMilliseconds);
}

void Spinner::timerEvent(QTimerEvent*) {
    turn = (turn + 1) % Spokes;
    update();
}

void Spinner::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(width() / 2.0, height() / 2.0);
    QColor colour = palette().color(QPalette::Highlight);
    for (int spoke = 0; spoke < Spokes; ++spoke) {
        // The spoke at the head of the turn is darkest; the tail fades.
        int age = (turn - spoke + Spokes) % Spokes;
        colour.setAlphaF(1.0 - age / static_cast<double>(Spokes));
        painter.setPen(QPen(colour, 4, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(0, -10), QPointF(0, -20));
        painter.rotate(360.0 / Spokes);
    }
}

} // namespace ui
