#include "ui/pages/CPage4Folder.h"

#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace ui {

namespace {
const char* const FolderName = "/Tunemill";
} // namespace

CPage4Folder::CPage4Folder(const WizardContext& shared, QWidget* parent)
    : WizardPage(parent), context(shared), folder(new QLineEdit(this)), browse(new QPushButton(tr("&Browser"), this)),
      html(new QCheckBox(tr("Generate HTML page"), this)),
      runtime(new QCheckBox(tr("Add the player runtime, so that the page plays in browsers without Flash"), this)) {
    folder->setObjectName("folder");
    folder->setReadOnly(true);
    html->setChecked(true);
    runtime->setChecked(true);
    auto* row = new QHBoxLayout;
    row->addWidget(folder, 1);
    row->addWidget(browse);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("Publish Folder:"), this));
    layout->addLayout(row);
    layout->addWidget(html);
    layout->addWidget(runtime);
    layout->addStretch();
    connect(browse, &QPushButton::clicked, this, &CPage4Folder::browseForFolder);
}

void CPage4Folder::initializePage() {
    if (initialised)
        return;
    initialised = true;
    chooseParentFolder(QString::fromStdString(context.documentsFolder));
}

void CPage4Folder::chooseParentFolder(const QString& parent) {
    QString chosen = parent + FolderName;
    QDir().mkpath(chosen);
    folder->setText(chosen);
}

void CPage4Folder::browseForFolder() {
    QString parent = QFileDialog::getExistingDirectory(this, "", QString::fromStdString(context.documentsFolder));
    if (!parent.isEmpty())
        chooseParentFolder(parent);
}

publish::FolderChoices CPage4Folder::choices() const {
    return {folder->text().toStdString(), html->isChecked(), runtime->isChecked()};
}

void CPage4Folder::pageLeft() { publish::saveFolderChoices(context.settings.settingsFile(), choices()); }

} // namespace ui
