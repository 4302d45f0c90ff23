#ifndef UI_WAIT_SPINNER_H
#define UI_WAIT_SPINNER_H

#include <QWidget>

namespace ui {

// Twelve spokes turning once a second: shows that work goes on.
class Spinner : public QWidget {
    Q_OBJECT
public:
    explicit Spinner(QWidget* parent = nullptr);
    int step() const { return turn; }
    QSize sizeHint() const override { return {48, 48}; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void timerEvent(QTimerEvent* event) override;

private:
    int turn = 0;
};

} // namespace ui

#endif
