#include "ui/wait/CWaitDialog.h"

#include "ui/wait/Spinner.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QScreen>

namespace ui {

const char* const CWaitDialog::Text =
    QT_TRANSLATE_NOOP("ui::CWaitDialog", "It make take several minutes\n\nPlease be patient.");

CWaitDialog::CWaitDialog(const QString& caption, QWidget* parent)
    : dialog(new QDialog(parent)), previous(QApplication::activeWindow()) {
    dialog->setWindowTitle(caption);
    // It only informs: the keyboard stays with the window the user works in.
    dialog->setAttribute(Qt::WA_ShowWithoutActivating);
    dialog->setObjectName("waitDialog");
    auto* layout = new QHBoxLayout(dialog);
    layout->addWidget(new Spinner(dialog), 0, Qt::AlignTop);
    auto* text = new QLabel(QCoreApplication::translate("ui::CWaitDialog", Text), dialog);
    text->setObjectName("waitText");
    layout->addWidget(text, 1);
    dialog->setMinimumWidth(320);
    dialog->adjustSize();
    // Centred on the screen, so that one per track appears at the same place.
    QRect screen = QApplication::primaryScreen()->availableGeometry();
    dialog->move(screen.center() - dialog->rect().center());
    dialog->show();
    dialog->repaint();
}

CWaitDialog::~CWaitDialog() {
    delete dialog;
    if (previous)
        previous->activateWindow();
}

} // namespace ui
