#ifndef UI_PAGES_CPAGE6FINISH_H
#define UI_PAGES_CPAGE6FINISH_H

#include "preview/FolderServer.h"
#include "ui/WizardContext.h"
#include "ui/pages/WizardPage.h"

#include <QUrl>

#include <functional>
#include <memory>

class QPushButton;

namespace ui {

class CLabel;

// The end: open the publish folder, preview the player (served on
// loopback, as browsers play it only from a server), or write to us.
class CPage6Finish : public WizardPage {
    Q_OBJECT
public:
    CPage6Finish(const WizardContext& context, QWidget* parent = nullptr);

    // How the page opens addresses and starts programs; tests replace them.
    std::function<bool(const QUrl&)> openUrl;
    std::function<bool(const QString& program, const QStringList& arguments)> startProgram;

    CLabel* heading() const { return label; }
    QPushButton* openFolderButton() const { return openFolder; }
    QPushButton* previewButton() const { return preview; }
    QPushButton* feedbackButton() const { return feedback; }

    static const char* const FeedbackAddress;

public slots:
    void openPublishFolder();
    void previewPlayer();
    void sendFeedback();

private:
    WizardContext context;
    CLabel* label;
    QPushButton* openFolder;
    QPushButton* preview;
    QPushButton* feedback;
    std::unique_ptr<preview::FolderServer> server;
    std::string servedFolder;
};

} // namespace ui

#endif
