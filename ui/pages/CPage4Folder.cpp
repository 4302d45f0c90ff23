#include "ui/pages/CPage4Folder.h"

#include "audio/WorkFolder.h"
#include "publish/ProductName.h"
#include "ui/controls/AccessibleText.h"
#include "ui/controls/WrappingCheckBox.h"
#include "ui/translations/SystemReason.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace ui {

namespace {
const std::string FolderName = std::string("/") + audio::TunemillFolderName;
} // namespace

CPage4Folder::CPage4Folder(const WizardContext& shared, QWidget* parent)
    : WizardPage(parent), context(shared), folder(new QLineEdit(this)),
      // "&Browser" would take Alt+B from the wizard's Back button.
      browse(new QPushButton(tr("B&rowser"), this)), html(new QCheckBox(tr("Generate HTML page"), this)),
      runtimeRow(new WrappingCheckBox(tr("Add the player runtime, so that the page plays in browsers without Flash"),
                                      this)),
      runtime(runtimeRow->box()),
      htaccessRow(new WrappingCheckBox(tr("Add an .htaccess file so Apache hosts serve the player compressed and cached"),
                                       this)),
      htaccess(htaccessRow->box()), note(new QLabel(this)) {
    folder->setObjectName("folder");
    folder->setReadOnly(true);
    note->setObjectName("note");
    note->setWordWrap(true);
    note->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    html->setChecked(publish::FolderChoices{}.html);
    runtime->setChecked(publish::FolderChoices{}.runtime);
    htaccess->setChecked(publish::FolderChoices{}.htaccess);
    setAccessibleText(folder, tr("Publish Folder"), tr("The player is published into this folder."));
    setAccessibleText(browse, tr("Browser"), tr("Picks the folder inside which the Tunemill folder is published."));
    setAccessibleText(html, tr("Generate HTML page"), tr("Publishes a web page that shows the player."));
    setAccessibleText(runtime, tr("Add the player runtime"),
                      tr("Copies the runtime that plays the player in browsers without Flash beside the page."));
    setAccessibleText(htaccess, tr("Add an .htaccess file"),
                      tr("Writes the settings with which Apache hosts send the runtime compressed and let browsers "
                         "keep the player's files."));
    // Under the runtime's words, as it belongs to the runtime and follows it.
    htaccessRow->setContentsMargins(runtime->sizeHint().width() + runtimeRow->layout()->spacing(), 0, 0, 0);
    connect(runtime, &QCheckBox::toggled, htaccessRow, &QWidget::setEnabled);
    auto* row = new QHBoxLayout;
    row->addWidget(folder, 1);
    row->addWidget(browse);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("Publish Folder:"), this));
    layout->addLayout(row);
    layout->addWidget(html);
    layout->addWidget(runtimeRow);
    layout->addWidget(htaccessRow);
    layout->addWidget(note);
    layout->addStretch();
    connect(browse, &QPushButton::clicked, this, &CPage4Folder::browseForFolder);
    // A note about the folder no longer holds once another is picked.
    connect(folder, &QLineEdit::textChanged, note, &QLabel::clear);
}

void CPage4Folder::initializePage() {
    if (initialised)
        return;
    initialised = true;
    publish::FolderChoices stored = publish::storedFolderChoices(context.settings.settingsFile(),
                                                                 context.documentsFolder + FolderName);
    folder->setText(QString::fromStdString(stored.folder));
    html->setChecked(stored.html);
    runtime->setChecked(stored.runtime);
    htaccess->setChecked(stored.htaccess);
}

// The folder itself is made when publishing, so that merely looking leaves
// nothing behind.
void CPage4Folder::chooseParentFolder(const QString& parent) { folder->setText(parent + QString::fromStdString(FolderName)); }

QString CPage4Folder::chosenParentFolder() const { return QFileInfo(folder->text()).path(); }

void CPage4Folder::browseForFolder() {
    QString parent = QFileDialog::getExistingDirectory(this, "", chosenParentFolder());
    if (!parent.isEmpty())
        chooseParentFolder(parent);
}

publish::FolderChoices CPage4Folder::choices() const {
    return {folder->text().toStdString(), html->isChecked(), runtime->isChecked(), htaccess->isChecked()};
}

void CPage4Folder::sayCancelled(const QString& output) {
    note->setText(tr("The publish was cancelled; %1 is unchanged.").arg(output));
}

void CPage4Folder::pageLeft() {
    note->clear();
    std::filesystem::path file = context.settings.settingsFile();
    if (std::error_code error = publish::saveFolderChoices(file, choices()))
        QMessageBox::warning(this, publish::ProductName,
                             tr("The folder and page choices cannot be saved in %1: %2")
                                 .arg(QString::fromStdString(file.string()), systemReason(error)));
}

} // namespace ui
