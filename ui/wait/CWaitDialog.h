#ifndef UI_WAIT_CWAITDIALOG_H
#define UI_WAIT_CWAITDIALOG_H

#include <QDialog>
#include <QPointer>
#include <QString>

namespace ui {

// A small window with a moving animation and a "please be patient" text,
// shown while a long step runs on another thread. Open by construction,
// closed by destruction; the caption cannot change.
class CWaitDialog {
public:
    explicit CWaitDialog(const QString& caption, QWidget* parent = nullptr);
    virtual ~CWaitDialog();
    CWaitDialog(const CWaitDialog&) = delete;
    CWaitDialog& operator=(const CWaitDialog&) = delete;

    QDialog* window() const { return dialog; }

    static const char* const Text;

private:
    QDialog* dialog;
    // The window that had the keyboard, which gets it back at the end.
    QPointer<QWidget> previous;
};

} // namespace ui

#endif
