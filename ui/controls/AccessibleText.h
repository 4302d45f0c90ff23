#ifndef UI_CONTROLS_ACCESSIBLETEXT_H
#define UI_CONTROLS_ACCESSIBLETEXT_H

#include <QString>
#include <QWidget>

namespace ui {

// What a screen reader says for a control: its name and what it does.
inline void setAccessibleText(QWidget* control, const QString& name, const QString& description) {
    control->setAccessibleName(name);
    control->setAccessibleDescription(description);
}

} // namespace ui

#endif
