#ifndef UI_PAGES_CCHANGETEXTDLG_H
#define UI_PAGES_CCHANGETEXTDLG_H

#include <QDialog>

class QLineEdit;

namespace ui {

// Edits one playlist title.
class CChangeTextDlg : public QDialog {
    Q_OBJECT
public:
    CChangeTextDlg(const QString& title, QWidget* parent = nullptr);
    // The text as it was when OK was pressed.
    QString text() const { return accepted; }

private:
    QLineEdit* edit;
    QString accepted;
};

} // namespace ui

#endif
