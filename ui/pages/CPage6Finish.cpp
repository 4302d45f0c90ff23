#include "ui/pages/CPage6Finish.h"

#include "publish/PlayerContract.h"
#include "publish/PublishSettings.h"
#include "ui/controls/CLabel.h"

#include <QDesktopServices>
#include <QHBoxLayout>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QVBoxLayout>

namespace ui {

const char* const CPage6Finish::FeedbackAddress = "support@tunemill.example.org";

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
      feedback(new QPushButton(tr("F&eed Back"), this)) {
    openUrl = [](const QUrl& url) { return QDesktopServices::openUrl(url); };
    startProgram = [](const QString& program, const QStringList& arguments) {
        return QProcess::startDetached(program, arguments);
    };
    label->setObjectName("heading");
    label->setFont(headingFont());
    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {openFolder, preview, feedback})
        buttons->addWidget(button);
    buttons->addStretch();
    auto* note = new QLabel(tr("Are you satisfied with the output quality? if not, please click \"Feedbak\" to send us "
                               "some suggests."),
                            this);
    note->setWordWrap(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addSpacing(12);
    layout->addWidget(note);
    layout->addLayout(buttons);
    layout->addStretch();
    connect(openFolder, &QPushButton::clicked, this, &CPage6Finish::openPublishFolder);
    connect(preview, &QPushButton::clicked, this, &CPage6Finish::previewPlayer);
    connect(feedback, &QPushButton::clicked, this, &CPage6Finish::sendFeedback);
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
    std::string output = settings->folder + "/output";
    // One server for the program's life, moved when the folder moves.
    if (!server || servedFolder != output) {
        server = std::make_unique<preview::FolderServer>(output);
        servedFolder = output;
        if (!server->start()) {
            server.reset();
            return;
        }
    }
    const char* page = settings->html ? contract::PlayerPageFileName : contract::PlayerMovieFileName;
    openUrl(QUrl(QString::fromStdString(server->address(page))));
}

void CPage6Finish::sendFeedback() {
    std::optional<publish::PublishSettings> settings = publish::loadPublishSettings(context.settings.settingsFile());
    QString mailer = QStandardPaths::findExecutable("xdg-email");
    if (!settings || mailer.isEmpty())
        return;
    QString attachment = QString::fromStdString(settings->folder + "/output/" + contract::PlayerMovieFileName);
    startProgram(mailer, {"--subject", "Tunemill's Feedback", "--attach", attachment, FeedbackAddress});
}

} // namespace ui
