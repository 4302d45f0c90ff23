#include "ui/controls/WrappingCheckBox.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>

namespace ui {

WrappingCheckBox::WrappingCheckBox(const QString& text, QWidget* parent)
    : QWidget(parent), check(new QCheckBox(this)), words(new QLabel(text, this)) {
    words->setWordWrap(true);
    words->setBuddy(check);
    words->installEventFilter(this);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(check, 0, Qt::AlignTop);
    layout->addWidget(words, 1);
}

// A click on the words counts as one on the box, as with a check box's own text.
bool WrappingCheckBox::eventFilter(QObject* watched, QEvent* event) {
    if (watched == words && event->type() == QEvent::MouseButtonRelease && check->isEnabled() &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        check->click();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace ui
