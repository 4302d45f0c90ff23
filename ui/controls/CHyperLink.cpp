#include "ui/controls/CHyperLink.h"

#include <QDesktopServices>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>
#include <QUrl>

namespace ui {

bool parseColourText(const QString& text, QColor& colour) {
    QStringList parts = text.split(',');
    if (parts.size() < 3 || parts[2].trimmed().isEmpty())
        return false;
    colour = QColor(parts[0].trimmed().toInt(), parts[1].trimmed().toInt(), parts[2].trimmed().toInt());
    return true;
}

CHyperLink::CHyperLink(QWidget* parent)
    : QWidget(parent), unvisitedColour(palette().color(QPalette::Link)),
      openedColour(palette().color(QPalette::LinkVisited)) {
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
}

void CHyperLink::setTarget(const QString& target) {
    linkTarget = target;
    setToolTip(target);
    updateGeometry();
    update();
}

void CHyperLink::setLabel(const QString& label) {
    linkLabel = label;
    setAccessibleName(label);
    updateGeometry();
    update();
}

void CHyperLink::setLinkColourText(const QString& text) {
    parseColourText(text, unvisitedColour);
    update();
}

void CHyperLink::setVisitedColourText(const QString& text) {
    parseColourText(text, openedColour);
    update();
}

QColor CHyperLink::currentColour() const {
    if (!isEnabled())
        return palette().color(QPalette::Disabled, QPalette::WindowText);
    return wasVisited ? openedColour : unvisitedColour;
}

QSize CHyperLink::sizeHint() const {
    QFont underlined = font();
    underlined.setUnderline(true);
    return QFontMetrics(underlined).size(0, label()) + QSize(4, 4);
}

QRect CHyperLink::linkRect() const {
    QFont underlined = font();
    underlined.setUnderline(true);
    QRect text = QFontMetrics(underlined).boundingRect(rect(), Qt::AlignLeft | Qt::AlignVCenter, label());
    return text.adjusted(-1, -1, 1, 1);
}

void CHyperLink::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QFont underlined = font();
    underlined.setUnderline(true);
    painter.setFont(underlined);
    painter.setPen(currentColour());
    painter.drawText(rect(), Qt::AlignLeft | Qt::AlignVCenter, label());
    if (hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect = linkRect();
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
}

void CHyperLink::mousePressEvent(QMouseEvent* event) {
    pressedInside = event->button() == Qt::LeftButton && linkRect().contains(event->position().toPoint());
    if (pressedInside)
        setFocus(Qt::MouseFocusReason);
}

void CHyperLink::mouseReleaseEvent(QMouseEvent* event) {
    bool inside = linkRect().contains(event->position().toPoint());
    if (event->button() == Qt::LeftButton && pressedInside && inside)
        open();
    pressedInside = false;
}

void CHyperLink::mouseMoveEvent(QMouseEvent* event) {
    setCursor(linkRect().contains(event->position().toPoint()) ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

void CHyperLink::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter || event->key() == Qt::Key_Space)
        open();
    else
        QWidget::keyPressEvent(event);
}

void CHyperLink::open() {
    if (linkTarget.isEmpty())
        return;
    emit opened(linkTarget);
    if (!QDesktopServices::openUrl(QUrl(linkTarget)))
        return;
    wasVisited = true;
    update();
}

} // namespace ui
