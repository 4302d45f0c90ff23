// The upload dialog as a user meets it: the site it remembers, the
// password in a real keyring, the question about an unknown server's key,
// and Cancel, against real servers on loopback.

#include "PrivateKeyring.h"
#include "WizardFixture.h"

#include "publish/HtaccessFile.h"
#include "tests/support/TestSupport.h"
#include "tests/upload/ApacheDavServer.h"
#include "tests/upload/ServerProcess.h"
#include "tests/upload/SlowRelay.h"
#include "tests/upload/SshServer.h"
#include "ui/upload/UploadDialog.h"

#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
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

// A published player small enough to send at once, in the home of the
// test's own, whose ~/.ssh the dialog then uses.
void publishPlayer(const WizardFixture& fixture) {
    qputenv("HOME", fixture.home.path().toUtf8());
    fs::create_directories(fixture.path("site/output"));
    std::ofstream(fixture.path("site/output/Player.swf")) << "player movie";
    std::ofstream(fixture.path("site/output/music_list.xml")) << "<songs/>";
    std::ofstream(fixture.path("site/output/Player.htm")) << "page";
}

// The files below the remote folder that a visitor could load: all but an
// upload's temporary ones.
QStringList liveFiles(const std::string& folder) {
    QStringList found;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        if (entry.is_regular_file() && !entry.path().filename().string().starts_with(".tunemill-"))
            found << QString::fromStdString(fs::relative(entry.path(), folder).string());
    found.sort();
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

    // A server the computer does not know: the question shows the key's
    // fingerprint with No as its default, No leaves the site as it was, Yes
    // uploads and remembers the key as ssh does; a key that changed since
    // is refused, with both fingerprints and no question.
    void anUnknownServersKeyIsAskedAboutAndAChangedOneRefused() {
        WizardFixture fixture;
        publishPlayer(fixture);
        SshServer server;
        QVERIFY2(server.start(), server.problem().c_str());
        auto fingerprintOf = [&] {
            return QString::fromStdString(
                testing_support::outputOf("ssh-keygen -lf '" + server.hostPublicKey() + "' | cut -d' ' -f2")).trimmed();
        };
        QString first = fingerprintOf();
        QVERIFY(first.startsWith("SHA256:"));
        // The site the upload asks afterwards, as Apache's www-data.
        QVERIFY(testing_support::run("chmod 0755 '" + fs::path(server.remoteRoot()).parent_path().string() + "'"));
        ApacheDavServer host;
        QVERIFY2(host.startServing(server.remoteRoot(), "None"), host.problem().c_str());
        QString page = QString::fromStdString(host.plainWebAddress("Player.htm"));
        Dialog dialog(fixture, QString::fromStdString(host.plainWebAddress("")));
        dialog.fill(0, "127.0.0.1", server.port(), QString::fromStdString(server.remoteRoot()), server_process::Account,
                    server_process::AccountPassword);
        QString site = QString("sftp://127.0.0.1:%1%2").arg(server.port()).arg(QString::fromStdString(server.remoteRoot()));
        QString asked;
        auto answer = [&asked](QMessageBox::StandardButton button) {
            answerNextModal([&asked, button](QWidget* modal) {
                auto* box = qobject_cast<QMessageBox*>(modal);
                asked = box->defaultButton() == box->button(QMessageBox::No) ? box->text() : "Yes is the default";
                box->button(button)->click();
            });
        };
        answer(QMessageBox::No);
        QVERIFY(dialog.upload());
        QVERIFY2(asked.contains(first) && asked.contains("127.0.0.1"), qPrintable(asked));
        QString said = dialog->resultLine()->text();
        QVERIFY2(said.contains("is not a known server") && said.contains(first), qPrintable(said));
        QVERIFY2(said.contains("The player on " + site + " is unchanged."), qPrintable(said));
        QCOMPARE(liveFiles(server.remoteRoot()), QStringList());
        std::string knownHosts = fixture.path(".ssh/known_hosts");
        QVERIFY(!fs::exists(knownHosts));

        answer(QMessageBox::Yes);
        QVERIFY(dialog.upload());
        said = dialog->resultLine()->text();
        QVERIFY2(said.contains("The player was uploaded to " + site + ".") &&
                     said.contains("Your player is on your site:") &&
                     said.contains("<a href=\"" + page + "\">"),
                 qPrintable(said));
        QCOMPARE(liveFiles(server.remoteRoot()), (QStringList{"Player.htm", "Player.swf", "music_list.xml"}));
        QCOMPARE(contentsOf(server.remoteRoot() + "/Player.swf"), std::string("player movie"));
        QVERIFY2(testing_support::run("ssh-keygen -F '[127.0.0.1]:" + std::to_string(server.port()) + "' -f '" +
                                      knownHosts + "' >/dev/null"),
                 "ssh itself finds the accepted key");
        dialog->copyButton()->click();
        QCOMPARE(QGuiApplication::clipboard()->text(), page);

        QVERIFY2(server.restartWithNewHostKey(), server.problem().c_str());
        asked.clear();
        answer(QMessageBox::No);
        std::ofstream(fixture.path("site/output/music_list.xml")) << "<songs>changed</songs>";
        QVERIFY(dialog.upload());
        said = dialog->resultLine()->text();
        QVERIFY2(asked.isEmpty(), qPrintable(asked));
        QVERIFY2(said.contains("has changed from " + first + " to " + fingerprintOf()), qPrintable(said));
        QCOMPARE(contentsOf(server.remoteRoot() + "/music_list.xml"), std::string("<songs/>"));
    }

    // Cancel during a slow upload stops it at once; the dialog says so, and
    // that the player on the site is the one it was.
    void cancelStopsTheUploadAndTheSiteIsUnchanged() {
        WizardFixture fixture;
        publishPlayer(fixture);
        QVERIFY(testing_support::run("head -c 8000000 /dev/urandom > '" + fixture.path("site/output/1.swf") + "'"));
        SshServer server;
        QVERIFY2(server.start(), server.problem().c_str());
        SlowRelay relay(server.port(), 400'000);
        QVERIFY(relay.port() != 0);
        fs::create_directories(fixture.path(".ssh"));
        std::ofstream(fixture.path(".ssh/known_hosts"))
            << "[127.0.0.1]:" << relay.port() << " " << contentsOf(server.hostPublicKey());
        Dialog dialog(fixture);
        dialog.fill(0, "127.0.0.1", relay.port(), QString::fromStdString(server.remoteRoot()), server_process::Account,
                    server_process::AccountPassword);
        dialog->uploadButton()->click();
        QVERIFY(waitFor([&] { return dialog->progressBar()->value() > 0; }, 60000));
        QVERIFY2(dialog->progressLine()->text().contains(" of 4 files sent, "), qPrintable(dialog->progressLine()->text()));
        dialog->cancelButton()->click();
        QVERIFY(waitFor([&] { return !dialog->uploading(); }, 20000));
        QString said = dialog->resultLine()->text();
        QString site = QString("sftp://127.0.0.1:%1%2").arg(relay.port()).arg(QString::fromStdString(server.remoteRoot()));
        QVERIFY2(said.contains("The upload was stopped.") && said.contains("The player on " + site + " is unchanged."),
                 qPrintable(said));
        QCOMPARE(dialog->cancelButton()->text(), QString("Close"));
        QCOMPARE(liveFiles(server.remoteRoot()), QStringList());
    }

    // A host whose AllowOverride forbids the .htaccess's lines answers 500
    // for the whole folder: the check of the site after the upload finds
    // that, takes the .htaccess away and says so, and the site then serves
    // the player.
    void aHostThatRefusesTheHtaccessHasItRemovedAndTheDialogSaysSo() {
        WizardFixture fixture;
        publishPlayer(fixture);
        QVERIFY(!publish::writeHtaccess(fixture.path("site/output/.htaccess")));
        SshServer server;
        QVERIFY2(server.start(), server.problem().c_str());
        // Apache's children, as www-data, reach the remote folder.
        QVERIFY(testing_support::run("chmod 0755 '" + fs::path(server.remoteRoot()).parent_path().string() + "'"));
        ApacheDavServer host;
        QVERIFY2(host.startServing(server.remoteRoot(), "AuthConfig"), host.problem().c_str());
        fs::create_directories(fixture.path(".ssh"));
        std::ofstream(fixture.path(".ssh/known_hosts"))
            << "[127.0.0.1]:" << server.port() << " " << contentsOf(server.hostPublicKey());
        QString page = QString::fromStdString(host.plainWebAddress("live"));
        Dialog dialog(fixture, page);
        dialog.fill(0, "127.0.0.1", server.port(), QString::fromStdString(server.remoteRoot() + "/live"),
                    server_process::Account, server_process::AccountPassword);
        QVERIFY(dialog.upload());
        QString said = dialog->resultLine()->text();
        QVERIFY2(said.contains("The host refused Tunemill's .htaccess") && said.contains("Your player is on your site:") &&
                     said.contains(page + "/Player.htm"),
                 qPrintable(said));
        QCOMPARE(liveFiles(server.remoteRoot() + "/live"), (QStringList{"Player.htm", "Player.swf", "music_list.xml"}));
    }
};

QTEST_MAIN(UploadDialogTest)
#include "UploadDialogTest.moc"
