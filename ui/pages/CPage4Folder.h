#ifndef UI_PAGES_CPAGE4FOLDER_H
#define UI_PAGES_CPAGE4FOLDER_H

#include "publish/PublishSettings.h"
#include "ui/WizardContext.h"
#include "ui/pages/WizardPage.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace ui {

class WrappingCheckBox;

// The publish folder (always the Tunemill folder inside one the user
// picks), whether a web page is made, whether the runtime goes with it and,
// with the runtime, whether an .htaccess does.
class CPage4Folder : public WizardPage {
    Q_OBJECT
public:
    CPage4Folder(const WizardContext& context, QWidget* parent = nullptr);

    void initializePage() override;
    void pageLeft() override;

    publish::FolderChoices choices() const;
    // Uses `parent` + "/Tunemill", as Browse does.
    void chooseParentFolder(const QString& parent);
    // Where Browse starts: the folder the Tunemill folder goes into.
    QString chosenParentFolder() const;
    // Says that a publish into the folder was cancelled, until the page is left.
    void sayCancelled(const QString& output);
    QLabel* noteLabel() const { return note; }

    QLineEdit* folderEdit() const { return folder; }
    QPushButton* browseButton() const { return browse; }
    QCheckBox* htmlBox() const { return html; }
    QCheckBox* runtimeBox() const { return runtime; }
    QCheckBox* htaccessBox() const { return htaccess; }

public slots:
    void browseForFolder();

private:
    WizardContext context;
    QLineEdit* folder;
    QPushButton* browse;
    QCheckBox* html;
    // Its text is long, and longer in other languages: it wraps.
    WrappingCheckBox* runtimeRow;
    QCheckBox* runtime;
    WrappingCheckBox* htaccessRow;
    QCheckBox* htaccess;
    QLabel* note;
    bool initialised = false;
};

} // namespace ui

#endif
