#ifndef UI_PAGES_CPAGE6FINISH_H
#define UI_PAGES_CPAGE6FINISH_H

#include "preview/FolderServer.h"
#include "ui/WizardContext.h"
#include "ui/pages/PublishSummary.h"
#include "ui/pages/WizardPage.h"

#include <QUrl>

#include <functional>
#include <memory>

class QLabel;
class QPushButton;

namespace ui {

class CLabel;
class EmbedSnippetBox;

// The end: open the publish folder, preview the player (served on
// loopback, as browsers play it only from a server), take the snippet that
// frames it in a page of the user's own, or write to us.
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
    QPushButton* uploadButton() const { return uploadToSite; }

    QLabel* publishedCount() const { return publishedLine; }
    QLabel* outputFolder() const { return folderLine; }
    QLabel* address() const { return addressLine; }
    QPushButton* copyButton() const { return copy; }
    QLabel* noBrowserNote() const { return browserNote; }
    EmbedSnippetBox* embedBox() const { return embed; }

    // Says where the player is and, when some tracks failed, how many of
    // how many were published; gives the snippet when the web page was made.
    void showOutcome(const PublishSummary& summary);

    static const char* const FeedbackAddress;
    // The page Preview serves when the published one cannot play.
    static const char* const PreviewPageName;

public slots:
    void openPublishFolder();
    void previewPlayer();
    void sendFeedback();
    // The dialog that sends the published player to the user's own site.
    void uploadPlayer();

private:
    // What Preview serves: the output folder, as it was published.
    struct ServedPlayer {
        std::string output;
        bool html = true;
        bool runtime = true;
        bool operator==(const ServedPlayer&) const = default;
    };
    std::unique_ptr<preview::FolderServer> makeServer(const ServedPlayer& player) const;
    void buildWhereLines();
    // The address as a link beside Copy, also when a browser opened it.
    void showAddress(const QString& address, bool browserStarted);
    void sayNoBrowser();
    bool openInBrowser(const QUrl& url);

    WizardContext context;
    CLabel* label;
    QPushButton* openFolder;
    QPushButton* preview;
    QPushButton* feedback;
    QPushButton* uploadToSite;
    QLabel* publishedLine;
    QLabel* folderLine;
    QLabel* addressLine;
    QPushButton* copy;
    QLabel* browserNote;
    EmbedSnippetBox* embed;
    QString previewAddress;
    std::unique_ptr<preview::FolderServer> server;
    ServedPlayer served;
};

} // namespace ui

#endif
