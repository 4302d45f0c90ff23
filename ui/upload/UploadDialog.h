#ifndef UI_UPLOAD_UPLOADDIALOG_H
#define UI_UPLOAD_UPLOADDIALOG_H

#include "ui/upload/TransferRate.h"
#include "ui/upload/UploadSite.h"
#include "ui/upload/UploadWorker.h"

#include <QDialog>

#include <filesystem>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QSpinBox;

namespace ui {

class KeyringPassword;

// Sends the published player to the user's own site: the address in its
// parts, the password (kept in the keyring only when asked to), the
// progress, and where the player is at the end. The last site and its user
// are remembered for the next time.
class UploadDialog : public QDialog {
    Q_OBJECT
public:
    // `ownFolder` is Tunemill's own folder; `webAddress` the address the
    // output folder has on the site, when the user gave it.
    UploadDialog(const std::filesystem::path& ownFolder, const std::filesystem::path& output,
                 const QString& webAddress, QWidget* parent = nullptr);

    QComboBox* protocolBox() const { return protocol; }
    QLineEdit* hostEdit() const { return host; }
    QSpinBox* portBox() const { return port; }
    QLineEdit* folderEdit() const { return folder; }
    QLineEdit* userEdit() const { return user; }
    QLineEdit* passwordEdit() const { return password; }
    QCheckBox* rememberBox() const { return remember; }
    QPushButton* uploadButton() const { return send; }
    QPushButton* cancelButton() const { return cancel; }
    QProgressBar* progressBar() const { return bar; }
    QLabel* progressLine() const { return progressText; }
    QLabel* resultLine() const { return result; }
    QPushButton* copyButton() const { return copy; }
    QLabel* keyringNote() const { return note; }
    // Whether the keyring has yet to answer.
    bool keyringBusy() const;
    bool uploading() const { return worker->running(); }

public slots:
    void startUpload();
    // Stops a running upload, which then says what it left; closes otherwise.
    void reject() override;

private:
    QLayout* buildFields();
    QLayout* buildResult();
    void connectParts();
    UploadSite site() const;
    void showSite(const UploadSite& shown);
    void protocolChanged();
    void keepPassword(const UploadSite& chosen);
    void run(const std::string& acceptHostKey);
    void setRunning(bool running);
    void showPlan(std::uint64_t bytes, std::size_t files);
    void showProgress(std::uint64_t bytes, std::size_t files);
    void finished(const UploadResult& outcome);
    bool acceptedHostKey(const upload::UploadFailure& failure);
    void showSuccess(const UploadResult& outcome);
    void showFailure(const UploadResult& outcome);
    void showOutcome(const QString& text, const QString& link = {});

    std::filesystem::path siteFile;
    std::filesystem::path output;
    QString webAddress;
    QComboBox* protocol;
    QLineEdit* host;
    QSpinBox* port;
    QLineEdit* folder;
    QLineEdit* user;
    QLineEdit* password;
    QCheckBox* remember;
    QLabel* note;
    QProgressBar* bar;
    QLabel* progressText;
    QLabel* result;
    QPushButton* copy;
    QPushButton* send;
    QPushButton* cancel;
    KeyringPassword* keyring;
    UploadWorker* worker;
    TransferRate rate;
    upload::RemoteAddress address;
    std::uint64_t bytesTotal = 0;
    std::size_t filesTotal = 0;
    QString playerAddress;
};

} // namespace ui

#endif
