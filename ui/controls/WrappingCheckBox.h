#ifndef UI_CONTROLS_WRAPPINGCHECKBOX_H
#define UI_CONTROLS_WRAPPINGCHECKBOX_H

#include <QWidget>

class QCheckBox;
class QLabel;

namespace ui {

// A check box whose text wraps to the width it is given, as a QCheckBox's
// own text never does: the box without a text, beside a word-wrapped label
// that toggles it when clicked and carries its mnemonic.
class WrappingCheckBox : public QWidget {
    Q_OBJECT
public:
    WrappingCheckBox(const QString& text, QWidget* parent = nullptr);

    QCheckBox* box() const { return check; }
    QLabel* label() const { return words; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QCheckBox* check;
    QLabel* words;
};

} // namespace ui

#endif
