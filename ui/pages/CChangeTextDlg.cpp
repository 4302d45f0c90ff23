#include "ui/pages/CChangeTextDlg.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace ui {

namespace {
const int LongestTitle = 1023;
} // namespace

CChangeTextDlg::CChangeTextDlg(const QString& title, QWidget* parent)
    : QDialog(parent), edit(new QLineEdit(title, this)), accepted(title) {
    setWindowTitle(tr("Change item title"));
    edit->setObjectName("titleEdit");
    edit->setMaxLength(LongestTitle);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("The title will be showed in the playlist of the players."), this));
    layout->addWidget(edit);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        accepted = edit->text();
        accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    edit->selectAll();
    setMinimumWidth(360);
}

} // namespace ui
