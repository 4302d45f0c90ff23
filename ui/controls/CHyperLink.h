#ifndef UI_CONTROLS_CHYPERLINK_H
#define UI_CONTROLS_CHYPERLINK_H

#include <QColor>
#include <QWidget>

namespace ui {

// A clickable link: its label in the link colour (the visited colour once
// opened, grey when disabled), underlined, with a hand cursor and its
// target as tooltip. A click that starts and ends on the label, Enter or
// Space opens the target in the desktop's browser.
class CHyperLink : public QWidget {
    Q_OBJECT
public:
    explicit CHyperLink(QWidget* parent = nullptr);

    void setTarget(const QString& target);
    void setLabel(const QString& label);
    QString target() const { return linkTarget; }
    QString label() const { return linkLabel.isEmpty() ? linkTarget : linkLabel; }
    bool visited() const { return wasVisited; }

    // A colour given as "r,g,b" text; text of another form is ignored.
    void setLinkColourText(const QString& text);
    void setVisitedColourText(const QString& text);
    QColor linkColour() const { return unvisitedColour; }
    QColor visitedColour() const { return openedColour; }
    // The colour the label is drawn in now.
    QColor currentColour() const;

    QSize sizeHint() const override;

signals:
    // Asks the desktop to open the target; the link turns visited when it did.
    void opened(const QString& target);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void open();
    QRect linkRect() const;

    QString linkTarget;
    QString linkLabel;
    QColor unvisitedColour;
    QColor openedColour;
    bool wasVisited = false;
    bool pressedInside = false;
};

// Parses "r,g,b" as the original control did: three decimal numbers
// separated by commas; false for fewer than two commas or nothing after the
// second.
bool parseColourText(const QString& text, QColor& colour);

} // namespace ui

#endif
