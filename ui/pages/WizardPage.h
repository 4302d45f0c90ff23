#ifndef UI_PAGES_WIZARDPAGE_H
#define UI_PAGES_WIZARDPAGE_H

#include <QWizardPage>

namespace ui {

// A page that stores what the user chose whenever the wizard leaves it, by
// Next or by Back; the wizard calls pageLeft() after every such move.
class WizardPage : public QWizardPage {
    Q_OBJECT
public:
    using QWizardPage::QWizardPage;
    virtual void pageLeft() {}
    // Pages keep their state when the user comes back: nothing to clean.
    void cleanupPage() override {}
};

} // namespace ui

#endif
