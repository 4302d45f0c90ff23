#include "ui/upload/UploadDialog.h"

#include "player_contract/PlayerContract.h"
#include "publish/ProductName.h"
#include "ui/controls/AccessibleText.h"
#include "ui/upload/KeyringPassword.h"
#include "ui/upload/LiveCheckText.h"
#include "ui/upload/RememberedSite.h"
#include "ui/translations/SystemReason.h"
#include "ui/upload/UploadFailureText.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFormLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <cmath>

namespace ui {

namespace {

constexpr int BarSteps = 1000;
constexpr int MinimumWidthInCharacters = 90;

const upload::Protocol Protocols[] = {upload::Protocol::Sftp, upload::Protocol::Ftp, upload::Protocol::Ftps,
                                      upload::Protocol::WebDav};

QString dataSize(std::uint64_t bytes) { return QLocale().formattedDataSize(static_cast<qint64>(bytes)); }

QString minutesAndSeconds(double seconds) {
    int whole = static_cast<int>(std::ceil(seconds));
    return QString("%1:%2").arg(whole / 60).arg(whole % 60, 2, 10, QChar('0'));
}

// The page's address below the folder's, as the user typed the folder's.
QString playerPageAddress(const QString& folderAddress, const std::filesystem::path& output) {
    QString base = folderAddress.trimmed();
    bool web = base.startsWith("https://") || base.startsWith("http://");
    if (!web || base.contains(' ') || !std::filesystem::exists(output / publish::contract::PlayerPageFileName))
        return {};
    return (base.endsWith('/') ? base : base + '/') + publish::contract::PlayerPageFileName;
}

} // namespace

UploadDialog::UploadDialog(const std::filesystem::path& ownFolder, const std::filesystem::path& published,
                           const QString& folderAddress, QWidget* parent)
    : QDialog(parent), siteFile(rememberedSiteFile(ownFolder)), output(published), webAddress(folderAddress),
      protocol(new QComboBox(this)), host(new QLineEdit(this)), port(new QSpinBox(this)), folder(new QLineEdit(this)),
      user(new QLineEdit(this)), password(new QLineEdit(this)), remember(new QCheckBox(tr("&Remember the password"), this)),
      note(new QLabel(this)), bar(new QProgressBar(this)), progressText(new QLabel(this)), result(new QLabel(this)),
      copy(new QPushButton(tr("Cop&y"), this)), send(new QPushButton(tr("&Upload"), this)),
      cancel(new QPushButton(tr("Cancel"), this)), keyring(new KeyringPassword(this)), worker(new UploadWorker(this)) {
    setWindowTitle(tr("Upload to your site"));
    // Wide enough for an address on one line beside Copy.
    setMinimumWidth(fontMetrics().averageCharWidth() * MinimumWidthInCharacters);
    playerAddress = playerPageAddress(webAddress, output);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(send, QDialogButtonBox::ActionRole);
    buttons->addButton(cancel, QDialogButtonBox::RejectRole);
    send->setDefault(true);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buildFields());
    layout->addWidget(note);
    layout->addWidget(bar);
    layout->addWidget(progressText);
    layout->addLayout(buildResult());
    layout->addStretch();
    layout->addWidget(buttons);
    connectParts();
    showSite(loadRememberedSite(siteFile));
    setRunning(false);
    bar->hide();
}

QLayout* UploadDialog::buildFields() {
    for (upload::Protocol each : Protocols)
        protocol->addItem(QString(), static_cast<int>(each));
    protocol->setItemText(0, tr("SFTP"));
    protocol->setItemText(1, tr("FTP with TLS"));
    protocol->setItemText(2, tr("FTPS"));
    protocol->setItemText(3, tr("WebDAV (https)"));
    port->setRange(0, 65535);
    host->setPlaceholderText("example.org");
    folder->setPlaceholderText("/var/www/music");
    password->setEchoMode(QLineEdit::Password);
    auto* hostRow = new QHBoxLayout;
    hostRow->addWidget(host, 1);
    auto* portLabel = new QLabel(tr("P&ort:"), this);
    portLabel->setBuddy(port);
    hostRow->addWidget(portLabel);
    hostRow->addWidget(port);
    // A label of its own: a row that holds a layout gives its label no buddy.
    auto* hostLabel = new QLabel(tr("&Host:"), this);
    hostLabel->setBuddy(host);
    auto* form = new QFormLayout;
    form->addRow(tr("&Protocol:"), protocol);
    form->addRow(hostLabel, hostRow);
    form->addRow(tr("&Folder:"), folder);
    form->addRow(tr("U&ser:"), user);
    form->addRow(tr("Pass&word:"), password);
    form->addRow(QString(), remember);
    setAccessibleText(protocol, tr("Protocol"), tr("How the player goes to your site."));
    setAccessibleText(host, tr("Host"), tr("The name or address of your web host."));
    setAccessibleText(port, tr("Port"), tr("The server's port; Default takes the protocol's own."));
    setAccessibleText(folder, tr("Folder"), tr("The folder on the server that receives the player."));
    setAccessibleText(user, tr("User"), tr("The user name you log in with."));
    setAccessibleText(password, tr("Password"), tr("The password you log in with."));
    setAccessibleText(remember, tr("Remember the password"), tr("Keeps the password in the desktop's keyring."));
    return form;
}

QLayout* UploadDialog::buildResult() {
    note->setWordWrap(true);
    progressText->setWordWrap(true);
    result->setWordWrap(true);
    result->setTextFormat(Qt::RichText);
    result->setTextInteractionFlags(Qt::TextBrowserInteraction);
    result->setOpenExternalLinks(true);
    bar->setRange(0, BarSteps);
    setAccessibleText(copy, tr("Copy"), tr("Copies the player's address on your site."));
    auto* row = new QHBoxLayout;
    row->addWidget(result, 1);
    row->addWidget(copy, 0, Qt::AlignBottom);
    return row;
}

void UploadDialog::connectParts() {
    connect(protocol, &QComboBox::currentIndexChanged, this, &UploadDialog::protocolChanged);
    connect(send, &QPushButton::clicked, this, &UploadDialog::startUpload);
    connect(cancel, &QPushButton::clicked, this, &UploadDialog::reject);
    connect(copy, &QPushButton::clicked, this, [this] { QGuiApplication::clipboard()->setText(playerAddress); });
    connect(keyring, &KeyringPassword::found, this, [this](const QString& key, const QString& kept) {
        if (key != site().keyringKey() || !password->text().isEmpty())
            return;
        password->setText(kept);
        remember->setChecked(true);
    });
    connect(keyring, &KeyringPassword::notStored, this, [this](const QString& reason) {
        note->setText(tr("The password could not be kept in the keyring (%1); it will be asked for next time.")
                          .arg(reason));
        note->show();
    });
    connect(worker, &UploadWorker::planned, this, &UploadDialog::showPlan);
    connect(worker, &UploadWorker::progressed, this, &UploadDialog::showProgress);
    connect(worker, &UploadWorker::switching, this,
            [this] { progressText->setText(tr("Switching the site over to the new player…")); });
    connect(worker, &UploadWorker::finished, this, &UploadDialog::finished);
}

bool UploadDialog::keyringBusy() const { return keyring->busy(); }

UploadSite UploadDialog::site() const {
    UploadSite fields;
    fields.protocol = static_cast<upload::Protocol>(protocol->currentData().toInt());
    fields.host = host->text();
    fields.port = port->value();
    fields.folder = folder->text();
    fields.user = user->text();
    return fields;
}

void UploadDialog::showSite(const UploadSite& shown) {
    protocol->setCurrentIndex(std::max(0, protocol->findData(static_cast<int>(shown.protocol))));
    protocolChanged();
    host->setText(shown.host);
    port->setValue(shown.port);
    folder->setText(shown.folder);
    user->setText(shown.user);
    note->hide();
    result->hide();
    copy->hide();
    if (!shown.host.isEmpty())
        keyring->read(shown.keyringKey());
}

// The special value says which port "Default" is.
void UploadDialog::protocolChanged() {
    UploadSite example;
    example.protocol = site().protocol;
    example.host = "example.org";
    upload::RemoteAddress defaults;
    (void)example.address(defaults);
    port->setSpecialValueText(tr("Default (%1)").arg(defaults.effectivePort()));
}

void UploadDialog::startUpload() {
    UploadSite chosen = site();
    if (upload::AddressProblem problem = chosen.address(address); problem != upload::AddressProblem::None) {
        showOutcome(addressProblemText(problem).toHtmlEscaped());
        return;
    }
    note->hide();
    if (!rememberSite(siteFile, chosen)) {
        note->setText(tr("The site could not be remembered in %1.").arg(QString::fromStdString(siteFile.string())));
        note->show();
    }
    keepPassword(chosen);
    run({});
}

// In the keyring only when asked to; unticking takes it out again.
void UploadDialog::keepPassword(const UploadSite& chosen) {
    if (remember->isChecked() && !password->text().isEmpty())
        keyring->store(chosen.keyringKey(), password->text());
    else
        keyring->forget(chosen.keyringKey());
}

void UploadDialog::run(const std::string& acceptHostKey) {
    UploadRequest request;
    request.address = address;
    if (!password->text().isEmpty())
        request.credentials.password = password->text().toStdString();
    request.trust.knownHosts = QDir::home().filePath(".ssh/known_hosts").toStdString();
    request.trust.acceptHostKey = acceptHostKey;
    request.output = output;
    if (!playerAddress.isEmpty())
        request.siteUrl = webAddress.trimmed().toStdString();
    result->hide();
    copy->hide();
    bar->setValue(0);
    bar->show();
    progressText->setText(tr("Comparing the site with the player…"));
    setRunning(true);
    rate.start();
    worker->start(request);
}

void UploadDialog::setRunning(bool running) {
    for (QWidget* field : std::initializer_list<QWidget*>{protocol, host, port, folder, user, password, remember, send})
        field->setEnabled(!running);
    cancel->setEnabled(true);
    cancel->setText(running ? tr("Cancel") : tr("Close"));
    progressText->setVisible(running);
}

void UploadDialog::reject() {
    if (!worker->running()) {
        QDialog::reject();
        return;
    }
    worker->stop();
    cancel->setEnabled(false);
    progressText->setText(tr("Stopping…"));
}

void UploadDialog::showPlan(std::uint64_t bytes, std::size_t files) {
    bytesTotal = bytes;
    filesTotal = files;
    rate.start();
    progressText->setText(tr("Files to send: %1 (%2)").arg(files).arg(dataSize(bytes)));
}

void UploadDialog::showProgress(std::uint64_t bytes, std::size_t files) {
    rate.add(bytes);
    if (bytesTotal > 0)
        bar->setValue(static_cast<int>(std::min<std::uint64_t>(bytes, bytesTotal) * BarSteps / bytesTotal));
    QString line = tr("%1 of %2 files sent, %3 of %4").arg(files).arg(filesTotal).arg(dataSize(bytes), dataSize(bytesTotal));
    if (std::optional<double> perSecond = rate.bytesPerSecond())
        line += ", " + tr("%1/s").arg(dataSize(static_cast<std::uint64_t>(*perSecond)));
    if (std::optional<double> left = rate.secondsLeft(bytesTotal))
        line += ", " + tr("%1 left").arg(minutesAndSeconds(*left));
    progressText->setText(line);
}

void UploadDialog::finished(const UploadResult& outcome) {
    setRunning(false);
    bar->hide();
    const upload::UploadFailure& failure = outcome.outcome.failure;
    if (outcome.start == UploadResult::Start::Ran && acceptedHostKey(failure)) {
        run(failure.fingerprint);
        return;
    }
    if (outcome.start == UploadResult::Start::Ran && !failure)
        showSuccess(outcome);
    else
        showFailure(outcome);
}

// An SFTP server not in known_hosts: its key is trusted only when the user
// says so, No being the default.
bool UploadDialog::acceptedHostKey(const upload::UploadFailure& failure) {
    if (failure.problem != upload::UploadProblem::HostKeyUnknown || failure.fingerprint.empty())
        return false;
    QString text = tr("%1 is not a server this computer knows yet. Its key's fingerprint is:\n\n%2\n\nIs that your "
                      "server's key? Answer Yes only if your host gave you this fingerprint; it is then remembered "
                      "in %3.")
                       .arg(QString::fromStdString(address.host), QString::fromStdString(failure.fingerprint),
                            QDir::home().filePath(".ssh/known_hosts"));
    return QMessageBox::question(this, publish::ProductName, text, QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No) == QMessageBox::Yes;
}

// The site's answer, when it was asked, follows the upload's; a site that
// does not serve the player as uploaded gets no link to it.
void UploadDialog::showSuccess(const UploadResult& outcome) {
    QString shown = QString::fromStdString(address.shown());
    const upload::UploadPlan& plan = outcome.outcome.plan;
    QString done = plan.changesNothing() ? tr("The player on %1 was up to date: nothing needed sending.").arg(shown)
                                         : tr("The player was uploaded to %1.").arg(shown);
    if (outcome.live)
        if (QString live = liveCheckText(*outcome.live, webAddress.trimmed()); !live.isEmpty())
            done += "\n" + live;
    done = done.toHtmlEscaped().replace('\n', "<br>");
    if (playerAddress.isEmpty() || (outcome.live && liveCheckFailed(*outcome.live)))
        showOutcome(done);
    else
        showOutcome(done + "<br>" + tr("Your player is on your site:"), playerAddress);
}

void UploadDialog::showFailure(const UploadResult& outcome) {
    QString shown = QString::fromStdString(address.shown());
    QString where = QString::fromStdString(output.string());
    switch (outcome.start) {
    case UploadResult::Start::NoPlayer:
        showOutcome(tr("There is no published player in %1 to upload.").arg(where).toHtmlEscaped());
        return;
    case UploadResult::Start::Unreadable:
        showOutcome(tr("Cannot read %1 (%2).")
                        .arg(QString::fromStdString(outcome.unreadable.string()), systemReason(outcome.localError))
                        .toHtmlEscaped());
        return;
    case UploadResult::Start::Ran: break;
    }
    showOutcome((uploadFailureText(outcome.outcome.failure, shown) + "\n" + siteStateText(outcome.outcome.state, shown))
                    .toHtmlEscaped()
                    .replace('\n', "<br>"));
}

// `text` is rich text; `link`, when given, follows it with Copy beside it.
void UploadDialog::showOutcome(const QString& text, const QString& link) {
    QString shown = text;
    if (!link.isEmpty())
        shown += QString("<br><a href=\"%1\">%2</a>").arg(link.toHtmlEscaped(), link.toHtmlEscaped());
    result->setText(shown);
    result->show();
    copy->setVisible(!link.isEmpty());
}

} // namespace ui
