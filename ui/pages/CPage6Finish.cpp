#include "ui/pages/CPage6Finish.h"

#include "player_contract/PlayerContract.h"
#include "output_names/OutputFileNames.h"
#include "publish/PlayerRuntime.h"
#include "publish/ProductName.h"
#include "publish/PublishSettings.h"
#include "ui/controls/AccessibleText.h"
#include "ui/controls/CLabel.h"
#include "ui/pages/EmbedSnippetBox.h"
#include "ui/upload/UploadDialog.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QVBoxLayout>

namespace ui {

const char* const CPage6Finish::FeedbackAddress = "support@tunemill.example.org";
const char* const CPage6Finish::PreviewPageName = "Player-preview.htm";

namespace {

namespace contract = publish::contract;

QFont headingFont() {
    QFont font("Tahoma");
    font.setPixelSize(20);
    font.setWeight(QFont::ExtraBold);
    return font;
}

} // namespace

CPage6Finish::CPage6Finish(const WizardContext& shared, QWidget* parent)
    : WizardPage(parent), context(shared), label(new CLabel(tr("Conversion Complete!"), this)),
      openFolder(new QPushButton(tr("&Open Folder"), this)), preview(new QPushButton(tr("&Preview"), this)),
      // "&Feed Back" would take Alt+F from the wizard's Finish button.
      feedback(new QPushButton(tr("F&eed Back"), this)), uploadToSite(new QPushButton(tr("&Upload to your site…"), this)),
      publishedLine(new QLabel(this)), folderLine(new QLabel(this)),
      addressLine(new QLabel(this)), copy(new QPushButton(tr("&Copy"), this)), browserNote(new QLabel(this)),
      embed(new EmbedSnippetBox(this)) {
    openUrl = [this](const QUrl& url) { return openInBrowser(url); };
    startProgram = [](const QString& program, const QStringList& arguments) {
        return QProcess::startDetached(program, arguments);
    };
    label->setObjectName("heading");
    label->setFont(headingFont());
    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {openFolder, preview, uploadToSite, feedback})
        buttons->addWidget(button);
    buttons->addStretch();
    auto* note = new QLabel(tr("Are you satisfied with the output quality? if not, please click \"Feedbak\" to send us "
                               "some suggests."),
                            this);
    note->setWordWrap(true);
    buildWhereLines();
    auto* address = new QHBoxLayout;
    address->addWidget(addressLine);
    address->addWidget(copy);
    address->addWidget(browserNote, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(publishedLine);
    layout->addWidget(folderLine);
    layout->addSpacing(12);
    layout->addWidget(note);
    layout->addLayout(buttons);
    layout->addLayout(address);
    layout->addSpacing(8);
    layout->addWidget(embed);
    layout->addStretch();
    setAccessibleText(openFolder, tr("Open Folder"), tr("Shows the publish folder in the file manager."));
    setAccessibleText(preview, tr("Preview"), tr("Serves the player on this computer and opens it in the browser."));
    setAccessibleText(feedback, tr("Feed Back"), tr("Writes a mail to us with the player attached."));
    setAccessibleText(copy, tr("Copy"), tr("Copies the preview's address."));
    setAccessibleText(uploadToSite, tr("Upload to your site"),
                      tr("Sends the published player to your web site over SFTP, FTP or WebDAV."));
    connect(openFolder, &QPushButton::clicked, this, &CPage6Finish::openPublishFolder);
    connect(preview, &QPushButton::clicked, this, &CPage6Finish::previewPlayer);
    connect(feedback, &QPushButton::clicked, this, &CPage6Finish::sendFeedback);
    connect(uploadToSite, &QPushButton::clicked, this, &CPage6Finish::uploadPlayer);
    connect(copy, &QPushButton::clicked, this,
            [this] { QGuiApplication::clipboard()->setText(previewAddress); });
}

void CPage6Finish::buildWhereLines() {
    publishedLine->setObjectName("published");
    folderLine->setObjectName("outputFolder");
    addressLine->setObjectName("address");
    browserNote->setObjectName("browserNote");
    // An address broken over lines is hard to read and to copy by hand.
    for (QLabel* line : {publishedLine, folderLine, browserNote})
        line->setWordWrap(true);
    folderLine->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    addressLine->setTextInteractionFlags(Qt::TextBrowserInteraction);
    addressLine->setOpenExternalLinks(false);
    connect(addressLine, &QLabel::linkActivated, this, [this](const QString& link) { openUrl(QUrl(link)); });
    setAccessibleText(folderLine, tr("Output folder"), tr("Where the published player is."));
    setAccessibleText(addressLine, tr("Preview address"), tr("The address the preview is served at."));
    publishedLine->hide();
    copy->hide();
}

void CPage6Finish::showOutcome(const PublishSummary& summary) {
    publishedLine->setVisible(summary.published < summary.tracks);
    publishedLine->setText(tr("%1 of %2 tracks were published; the others are listed in the box shown before.")
                               .arg(summary.published)
                               .arg(summary.tracks));
    std::optional<publish::PublishSettings> settings = publish::loadPublishSettings(context.settings.settingsFile());
    std::string output = settings ? publish::outputFolderIn(settings->folder).string() : "";
    folderLine->setText(settings ? tr("The player is in %1").arg(QString::fromStdString(output)) : QString());
    if (settings && settings->html && summary.anythingPublished())
        embed->showFor(output, settings->title);
    else
        embed->hide();
}

void CPage6Finish::showAddress(const QString& address, bool browserStarted) {
    previewAddress = address;
    addressLine->setText(QString("<a href=\"%1\">%1</a>").arg(address.toHtmlEscaped()));
    copy->show();
    browserNote->clear();
    if (!browserStarted)
        sayNoBrowser();
}

void CPage6Finish::sayNoBrowser() {
    if (previewAddress.isEmpty())
        return;
    browserNote->setText(tr("No browser could be started; open the address yourself."));
}

// The desktop's opener, watched: when it ends in failure (no browser set
// up, or none that starts) the page says so beside the address.
bool CPage6Finish::openInBrowser(const QUrl& url) {
    QString opener = QStandardPaths::findExecutable("xdg-open");
    if (opener.isEmpty())
        return false;
    auto* process = new QProcess(this);
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setStandardErrorFile(QProcess::nullDevice());
    connect(process, &QProcess::finished, this, [this, process](int status, QProcess::ExitStatus how) {
        if (how != QProcess::NormalExit || status != 0)
            sayNoBrowser();
        process->deleteLater();
    });
    process->start(opener, {url.toString()});
    return process->waitForStarted();
}

void CPage6Finish::openPublishFolder() {
    std::optional<publish::PublishSettings> settings = publish::loadPublishSettings(context.settings.settingsFile());
    if (settings)
        openUrl(QUrl::fromLocalFile(QString::fromStdString(settings->folder)));
}

void CPage6Finish::previewPlayer() {
    std::optional<publish::PublishSettings> settings = publish::loadPublishSettings(context.settings.settingsFile());
    if (!settings)
        return;
    // One server for the program's life, made anew when what it serves changes.
    ServedPlayer wanted{publish::outputFolderIn(settings->folder).string(), settings->html, settings->runtime};
    if (!server || served != wanted) {
        server = makeServer(wanted);
        served = wanted;
        if (!server->start()) {
            server.reset();
            QMessageBox::warning(this, publish::ProductName,
                                 tr("The player cannot be previewed: no web server could be started on 127.0.0.1."));
            return;
        }
    }
    const char* page = wanted.html && wanted.runtime ? contract::PlayerPageFileName : PreviewPageName;
    QString address = QString::fromStdString(server->address(page));
    showAddress(address, openUrl(QUrl(address)));
}

// The published page plays when it was published with the runtime. Else a
// page made in memory plays the player, with the runtime from the output
// folder or, when that has none, from the program's installation; the
// published files stay as they are.
std::unique_ptr<preview::FolderServer> CPage6Finish::makeServer(const ServedPlayer& player) const {
    auto made = std::make_unique<preview::FolderServer>(player.output);
    if (player.html && player.runtime)
        return made;
    made->serveText(PreviewPageName, publish::playerPageWithRuntime(), "text/html");
    if (!player.runtime)
        made->mount(publish::RuntimeFolderName, context.runtimeFolder);
    return made;
}

void CPage6Finish::sendFeedback() {
    std::optional<publish::PublishSettings> settings = publish::loadPublishSettings(context.settings.settingsFile());
    QString mailer = QStandardPaths::findExecutable("xdg-email");
    if (!settings || mailer.isEmpty())
        return;
    QString attachment =
        QString::fromStdString((publish::outputFolderIn(settings->folder) / contract::PlayerMovieFileName).string());
    startProgram(mailer, {"--subject", "Tunemill's Feedback", "--attach", attachment, FeedbackAddress});
}

void CPage6Finish::uploadPlayer() {
    std::optional<publish::PublishSettings> settings = publish::loadPublishSettings(context.settings.settingsFile());
    if (!settings)
        return;
    UploadDialog dialog(context.settings.path(), publish::outputFolderIn(settings->folder),
                        embed->addressEdit()->text(), this);
    dialog.exec();
}

} // namespace ui
