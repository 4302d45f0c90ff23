// The wizard on a desktop: its language follows the locale, its command
// line, and one wizard per data folder with a second start handing its
// files over (the real program as the second process).

#include "WizardFixture.h"

#include "publish/InstalledFiles.h"
#include "ui/instance/WizardInstance.h"
#include "ui/pages/CPage1Mp3.h"
#include "ui/pages/CPage6Finish.h"
#include "ui/translations/Translations.h"
#include "ui/wizard/CWizard.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLocalSocket>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include <fstream>

namespace {

const char* const Wizard = TUNEMILL_BUILD "/tunemill";

struct Run {
    int status = -1;
    QString out;
    QString said;
};

// The wizard program with Tunemill's folder inside `dataHome`.
QProcessEnvironment environmentWith(const QString& dataHome) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_DATA_HOME", dataHome);
    environment.insert("HOME", dataHome);
    // Qt warns on standard error without a runtime folder of the user's own.
    QString runtime = dataHome + "/runtime";
    QDir().mkpath(runtime);
    QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    environment.insert("XDG_RUNTIME_DIR", runtime);
    return environment;
}

Run runWizard(const QStringList& arguments, const QString& dataHome) {
    QProcess program;
    program.setProcessEnvironment(environmentWith(dataHome));
    program.start(Wizard, arguments);
    if (!program.waitForFinished(60000)) {
        program.kill();
        program.waitForFinished();
    }
    Run run;
    run.status = program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -1;
    run.out = QString::fromLocal8Bit(program.readAllStandardOutput());
    run.said = QString::fromLocal8Bit(program.readAllStandardError());
    return run;
}

bool listening(const QString& dataFolder) {
    QLocalSocket socket;
    socket.connectToServer(ui::WizardInstance::socketName(dataFolder));
    return socket.waitForConnected(100);
}

QStringList playlistFiles(ui::CWizard& wizard) {
    QStringList files;
    QTreeWidget* list = wizard.playlistPage()->list();
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        files << list->topLevelItem(i)->text(2);
    return files;
}

} // namespace

class DesktopTest : public QObject {
    Q_OBJECT

private slots:
    // Run with LANG=de_DE.UTF-8.
    void theWizardSpeaksGermanInAGermanLocale() {
        ui::installTranslations(*qApp, publish::translationFolders(TUNEMILL_BUILD));
        WizardFixture fixture;
        ui::CWizard wizard(fixture.context);
        wizard.show();
        QCOMPARE(wizard.button(QWizard::NextButton)->text(), QString("&Weiter >"));
        QCOMPARE(wizard.button(QWizard::CancelButton)->text(), QString("Abbrechen"));
        QCOMPARE(wizard.playlistPage()->recordButton()->text(), QString("&Aufnehmen"));
        QCOMPARE(wizard.playlistPage()->playButton()->text(), QString("Wieder&geben"));
        QCOMPARE(wizard.finishPage()->openFolderButton()->text(), QString("&Ordner öffnen"));
        QCOMPARE(wizard.finishPage()->previewButton()->text(), QString("&Vorschau"));
        QCOMPARE(wizard.finishPage()->feedbackButton()->text(), QString("&Rückmeldung"));
        QCOMPARE(wizard.windowTitle(), QString("Tunemill v1.2.2"));
    }

    // Run with LANG=C: no translation, the texts as written.
    void theWizardStaysEnglishWithoutATranslation() {
        ui::installTranslations(*qApp, publish::translationFolders(TUNEMILL_BUILD));
        WizardFixture fixture;
        ui::CWizard wizard(fixture.context);
        QCOMPARE(wizard.playlistPage()->recordButton()->text(), QString("&Record"));
        QCOMPARE(wizard.finishPage()->feedbackButton()->text(), QString("F&eed Back"));
    }

    void theCommandLineAnswersHelpVersionAndMistakesWithoutADisplay() {
        QTemporaryDir home;
        Run help = runWizard({"--help"}, home.path());
        QCOMPARE(help.status, 0);
        QVERIFY2(help.out.contains("--version") && help.out.contains("FILE"), qPrintable(help.out));
        Run version = runWizard({"--version"}, home.path());
        QCOMPARE(version.status, 0);
        QCOMPARE(version.out, QString("tunemill 1.2.2\n"));
        Run mistake = runWizard({"--colour"}, home.path());
        QCOMPARE(mistake.status, 2);
        QCOMPARE(mistake.said, QString("tunemill: Unknown option 'colour'.\nRun with --help for more information.\n"));
    }

    void aSecondStartHandsItsFilesToTheRunningWizard() {
        WizardFixture fixture;
        QString dataHome = QString::fromStdString(fixture.path("data"));
        ui::WizardInstance instance(dataHome + "/Tunemill");
        QVERIFY(instance.claim());
        ui::CWizard wizard(fixture.context);
        connect(&instance, &ui::WizardInstance::called, &wizard, &ui::CWizard::openFiles);
        wizard.show();
        QString first = QString::fromStdString(fixture.makeMp3("first"));
        wizard.playlistPage()->addFiles({first});
        wizard.next();
        QCOMPARE(wizard.currentId(), int(ui::CWizard::PlayerPage));

        QString mp3 = QString::fromStdString(fixture.makeMp3("tone"));
        QProcess second;
        second.setProcessEnvironment(environmentWith(dataHome));
        second.setWorkingDirectory(QString::fromStdString(fixture.home.path().toStdString()));
        second.start(Wizard, {"tone.mp3"});
        QVERIFY(waitFor([&] { return second.state() == QProcess::NotRunning; }, 60000));
        QCOMPARE(second.exitCode(), 0);
        QCOMPARE(second.readAllStandardError(), QByteArray());
        QVERIFY(waitFor([&] { return playlistFiles(wizard) == QStringList({first, mp3}); }));
        QCOMPARE(wizard.currentId(), int(ui::CWizard::PlaylistPage));
        QVERIFY(wizard.isVisible());
    }

    // The box that names what was not added runs its own event loop: a
    // hand-over must not run inside it, and one that comes meanwhile waits.
    void aHandOverThatOpensABoxIsAnsweredAndTheNextWaitsForIt() {
        WizardFixture fixture;
        QString dataHome = QString::fromStdString(fixture.path("data"));
        ui::WizardInstance instance(dataHome + "/Tunemill");
        QVERIFY(instance.claim());
        ui::CWizard wizard(fixture.context);
        connect(&instance, &ui::WizardInstance::called, &wizard, &ui::CWizard::openFiles);
        wizard.show();
        QString tone = QString::fromStdString(fixture.makeMp3("tone"));
        std::ofstream(fixture.path("list.m3u")) << "missing.mp3\nhttp://example.org/a.mp3\n";
        QString notAdded;
        QStringList whileOpen;
        answerNextModal([&](QWidget* modal) {
            notAdded = qobject_cast<QMessageBox*>(modal)->text();
            QProcess third;
            third.setProcessEnvironment(environmentWith(dataHome));
            third.start(Wizard, {tone});
            waitFor([&] { return third.state() == QProcess::NotRunning; }, 60000);
            whileOpen = playlistFiles(wizard);
            qobject_cast<QMessageBox*>(modal)->button(QMessageBox::Ok)->click();
        });
        QProcess second;
        second.setProcessEnvironment(environmentWith(dataHome));
        second.start(Wizard, {QString::fromStdString(fixture.path("list.m3u"))});
        QVERIFY(waitFor([&] { return second.state() == QProcess::NotRunning; }, 60000));
        QCOMPARE(second.exitCode(), 0);
        QVERIFY(waitFor([&] { return playlistFiles(wizard) == QStringList({tone}); }));
        QVERIFY2(notAdded.contains("missing.mp3") && notAdded.contains("http://example.org/a.mp3"), qPrintable(notAdded));
        QVERIFY2(whileOpen.isEmpty(), "files handed over while the box was open waited for it");
        QVERIFY(wizard.isVisible());
    }

    void withoutFilesASecondStartSaysTheWizardRunsAndACrashedOneIsReplaced() {
        QTemporaryDir home;
        QProcess first;
        first.setProcessEnvironment(environmentWith(home.path()));
        first.start(Wizard, QStringList());
        QString folder = home.path() + "/Tunemill";
        QVERIFY(waitFor([&] { return listening(folder); }, 60000));

        Run second = runWizard({}, home.path());
        QCOMPARE(second.status, 0);
        QCOMPARE(second.said, QString("Tunemill is already running.\n"));
        QCOMPARE(first.state(), QProcess::Running);

        first.kill(); // no chance to give up its lock or its socket
        first.waitForFinished();
        ui::WizardInstance instance(folder);
        QVERIFY(instance.claim());
        QVERIFY(listening(folder));
        ui::WizardInstance another(folder);
        QVERIFY(!another.claim());
    }
};

QTEST_MAIN(DesktopTest)
#include "DesktopTest.moc"
