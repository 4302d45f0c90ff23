#ifndef UI_CONTROLS_CLABEL_H
#define UI_CONTROLS_CLABEL_H

#include <QLabel>

namespace ui {

// A static text drawn in a font and colour of its owner's choice.
class CLabel : public QLabel {
    Q_OBJECT
public:
    explicit CLabel(const QString& text, QWidget* parent = nullptr);

    void setTextColour(const QColor& colour);
    QColor textColour() const { return colour; }

private:
    QColor colour;
};

} // namespace ui

#endif
