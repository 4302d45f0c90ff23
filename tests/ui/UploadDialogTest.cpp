// The upload dialog as a user meets it: the site it remembers, the
// password in a real keyring, the question about an unknown server's key,
// and Cancel, against real servers on loopback.

#include "PrivateKeyring.h"
#include "WizardFixture.h"

#include "ui/upload/UploadDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

namespace {

std::string contentsOf(const std::string& file) {
    std::ifstream in(file);
    std::stringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// Every file below `folder` whose bytes hold `text`.
QStringList filesHolding(const std::string& folder, const std::string& text) {
    QStringList found;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        if (entry.is_regular_file() && contentsOf(entry.path().string()).find(text) != std::string::npos)
            found << QString::fromStdString(entry.path().string());
    return found;
}

struct Dialog {
    std::unique_ptr<ui::UploadDialog> dialog;

    Dialog(const WizardFixture& fixture, const QString& webAddress = {})
        : dialog(std::make_unique<ui::UploadDialog>(fixture.context.settings.path(), fixture.path("site/output"),
                                                    webAddress)) {}
    ui::UploadDialog* operator->() const { return dialog.get(); }

    void fill(int protocol, const QString& host, int port, const QString& folder, const QString& user,
              const QString& password) {
        dialog->protocolBox()->setCurrentIndex(protocol);
        dialog->hostEdit()->setText(host);
        dialog->portBox()->setValue(port);
        dialog->folderEdit()->setText(folder);
        dialog->userEdit()->setText(user);
        dialog->passwordEdit()->setText(password);
    }
    // Uploads and waits until the run and the keyring are done.
    bool upload() {
        dialog->uploadButton()->click();
        return waitFor([this] { return !dialog->uploading() && !dialog->keyringBusy(); }, 60000);
    }
};

} // namespace

class UploadDialogTest : public QObject {
    Q_OBJECT
private slots:
    // The site and the user come back in the next dialog, from a file of
    // Tunemill's own; the password is in no file at all.
    void theSiteAndUserAreRememberedAndThePasswordIsInNoFile() {
        WizardFixture fixture;
        {
            Dialog first(fixture);
            QCOMPARE(first->hostEdit()->text(), QString());
            QCOMPARE(first->portBox()->text(), QString("Default (22)"));
            first.fill(2, "ftp.example.org", 2121, "/www/music ü", "ann", "s3cret-password");
            QCOMPARE(first->portBox()->specialValueText(), QString("Default (990)"));
            QVERIFY(first.upload());
            QVERIFY2(first->resultLine()->text().startsWith("There is no published player in " +
                                                            QString::fromStdString(fixture.path("site/output"))),
                     qPrintable(first->resultLine()->text()));
        }
        Dialog reopened(fixture);
        QCOMPARE(reopened->protocolBox()->currentText(), QString("FTPS"));
        QCOMPARE(reopened->hostEdit()->text(), QString("ftp.example.org"));
        QCOMPARE(reopened->portBox()->value(), 2121);
        QCOMPARE(reopened->folderEdit()->text(), QString("/www/music ü"));
        QCOMPARE(reopened->userEdit()->text(), QString("ann"));
        QCOMPARE(reopened->passwordEdit()->text(), QString());
        QVERIFY(!reopened->rememberBox()->isChecked());
        std::string remembered = contentsOf(fixture.path("Tunemill/sites.ini"));
        QVERIFY2(remembered.find("ftp.example.org") != std::string::npos, remembered.c_str());
        QCOMPARE(filesHolding(fixture.home.path().toStdString(), "s3cret-password"), QStringList());
        QCOMPARE(filesHolding(fixture.home.path().toStdString(), "ftp.example.org"),
                 QStringList{QString::fromStdString(fixture.path("Tunemill/sites.ini"))});
    }

    // "Remember the password" keeps it in a real Secret Service, and the
    // next dialog fills it in from there; unticking takes it out again.
    void theRememberedPasswordIsKeptInTheKeyringAndUntickingForgetsIt() {
        WizardFixture fixture;
        PrivateKeyring keyring(fixture.path("keyring"));
        QVERIFY2(keyring.start(), keyring.problem().c_str());
        {
            Dialog first(fixture);
            first.fill(0, "sftp.example.org", 0, "/music", "ann", "s3cret-password ü");
            first->rememberBox()->setChecked(true);
            QVERIFY(first.upload());
            QVERIFY2(first->keyringNote()->isHidden(), qPrintable(first->keyringNote()->text()));
        }
        {
            Dialog reopened(fixture);
            QVERIFY(waitFor([&] { return !reopened->keyringBusy(); }));
            QCOMPARE(reopened->passwordEdit()->text(), QString("s3cret-password ü"));
            QVERIFY(reopened->rememberBox()->isChecked());
            QCOMPARE(filesHolding(fixture.home.path().toStdString(), "s3cret-password"), QStringList());
            reopened->rememberBox()->setChecked(false);
            QVERIFY(reopened.upload());
        }
        Dialog third(fixture);
        QVERIFY(waitFor([&] { return !third->keyringBusy(); }));
        QCOMPARE(third->hostEdit()->text(), QString("sftp.example.org"));
        QCOMPARE(third->passwordEdit()->text(), QString());
        QVERIFY(!third->rememberBox()->isChecked());
    }
};

QTEST_MAIN(UploadDialogTest)
#include "UploadDialogTest.moc"
