// Stopping a publish from the wizard: Cancel, Escape and closing the window
// leave the player published before exactly as it was.

#include "WizardFixture.h"

#include "tests/support/FolderSnapshot.h"
#include "ui/pages/CPage1Mp3.h"
#include "ui/pages/CPage4Folder.h"
#include "ui/pages/CPage5Progress.h"
#include "ui/wizard/CWizard.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QTest>

#include <filesystem>

namespace fs = std::filesystem;

namespace {

// Names directly in `folder`.
std::vector<std::string> entries(const fs::path& folder) {
    std::vector<std::string> names;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    return names;
}

// A wizard that has published one short track into "site", and long
// tracks of their own (never in the cache) ready to publish next.
struct PublishedOnce {
    WizardFixture fixture;
    ui::CWizard wizard{fixture.context};
    fs::path publishFolder = fixture.path("site/Tunemill");
    std::map<std::string, std::string> before;
    QStringList longTracks;

    PublishedOnce() {
        wizard.show();
        wizard.playlistPage()->addFiles({QString::fromStdString(fixture.makeMp3("short", "--resample 22.05"))});
        wizard.next();
        wizard.next();
        wizard.folderPage()->chooseParentFolder(QString::fromStdString(fixture.path("site")));
        wizard.next();
        if (!waitFor([&] { return wizard.currentId() == ui::CWizard::FinishPage; }, 60000))
            return;
        before = snapshot(publishFolder);
        // The fixture's cache starts empty, so these tones are analysed
        // and built while the test stops the publish.
        for (int i = 0; i < 3; ++i) {
            std::string wav = fixture.path("long" + std::to_string(i) + ".wav");
            std::string mp3 = fixture.path("long" + std::to_string(i) + ".mp3");
            std::string command = "sox -n -r 44100 -c 2 '" + wav + "' synth 180 sine " + std::to_string(300 + 100 * i) +
                                  " && lame --quiet '" + wav + "' '" + mp3 + "'";
            if (std::system(command.c_str()) == 0)
                longTracks << QString::fromStdString(mp3);
        }
    }

    // From the finish page back to the playlist, the long tracks in it,
    // and on to the progress page until the job runs.
    bool startLongPublish() {
        wizard.button(QWizard::CustomButton1)->click();
        wizard.playlistPage()->addFiles(longTracks);
        wizard.next();
        wizard.next();
        wizard.next();
        return waitFor([&] { return wizard.progressPage()->publishing(); });
    }
};

} // namespace

class WizardCancelTest : public QObject {
    Q_OBJECT
private slots:
    void escapeStopsThePublishAndKeepsTheOldPlayer() {
        PublishedOnce run;
        QCOMPARE(run.wizard.currentId(), int(ui::CWizard::FinishPage));
        QCOMPARE(run.longTracks.size(), 3);
        QVERIFY(run.startLongPublish());
        QVERIFY(run.wizard.button(QWizard::CancelButton)->isEnabled());

        QTest::keyClick(&run.wizard, Qt::Key_Escape);
        QVERIFY(waitFor([&] { return run.wizard.currentId() == ui::CWizard::FolderPage; }, 30000));
        QVERIFY(run.wizard.isVisible());
        QVERIFY(!run.wizard.progressPage()->publishing());
        QString note = run.wizard.folderPage()->noteLabel()->text();
        QVERIFY2(note.contains("cancelled") && note.contains(QString::fromStdString((run.publishFolder / "output").string())),
                 qPrintable(note));
        QVERIFY(snapshot(run.publishFolder) == run.before);
        QCOMPARE(entries(run.publishFolder), std::vector<std::string>{"output"});
        run.wizard.folderPage()->chooseParentFolder(QString::fromStdString(run.fixture.path("elsewhere")));
        QVERIFY2(run.wizard.folderPage()->noteLabel()->text().isEmpty(), "the note named the folder no longer chosen");
        run.wizard.folderPage()->chooseParentFolder(QString::fromStdString(run.fixture.path("site")));

        // Leaving the page takes the line away; the next publish goes through.
        run.wizard.next();
        QVERIFY(run.wizard.folderPage()->noteLabel()->text().isEmpty());
        QVERIFY(waitFor([&] { return run.wizard.currentId() == ui::CWizard::FinishPage; }, 120000));
        QVERIFY(snapshot(run.publishFolder) != run.before);
    }

    void theCancelButtonStopsThePublishToo() {
        PublishedOnce run;
        QVERIFY(run.startLongPublish());
        run.wizard.button(QWizard::CancelButton)->click();
        QVERIFY(waitFor([&] { return run.wizard.currentId() == ui::CWizard::FolderPage; }, 30000));
        QVERIFY(run.wizard.isVisible());
        QVERIFY(snapshot(run.publishFolder) == run.before);
    }

    void closingWhilePublishingAsksAndStopsOnlyOnYes() {
        PublishedOnce run;
        QVERIFY(run.startLongPublish());
        QString asked;
        answerNextModal([&asked](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            asked = box->text();
            box->button(QMessageBox::No)->click();
        });
        run.wizard.close();
        QVERIFY(waitFor([&] { return !asked.isEmpty(); }));
        QVERIFY(asked.contains("Stop publishing and close?"));
        QVERIFY(run.wizard.isVisible());
        QVERIFY(run.wizard.progressPage()->publishing());

        answerNextModal([](QWidget* modal) { qobject_cast<QMessageBox*>(modal)->button(QMessageBox::Yes)->click(); });
        run.wizard.close();
        QVERIFY(waitFor([&] { return !run.wizard.isVisible(); }, 30000));
        QVERIFY(snapshot(run.publishFolder) == run.before);
        QCOMPARE(entries(run.publishFolder), std::vector<std::string>{"output"});
    }

    // The publish ends while the question is open: the wizard waits for the
    // answer, and Yes closes it, the new player in place.
    void aPublishThatEndsWhileAskedClosesOnYes() {
        PublishedOnce run;
        run.wizard.button(QWizard::CustomButton1)->click();
        run.wizard.playlistPage()->addFiles({QString::fromStdString(run.fixture.makeMp3("other", "--resample 22.05"))});
        run.wizard.next();
        run.wizard.next();
        run.wizard.next();
        QVERIFY(waitFor([&] { return run.wizard.progressPage()->publishing(); }));
        bool stillAsking = false;
        answerNextModal([&](QWidget* modal) {
            // The new player is in place once its second movie is.
            std::error_code ignored;
            waitFor([&] { return fs::exists(run.publishFolder / "output" / "2.swf", ignored); }, 60000);
            QTest::qWait(3 * ui::CPage5Progress::TickMilliseconds);
            stillAsking = run.wizard.currentId() == ui::CWizard::ProgressPage;
            qobject_cast<QMessageBox*>(modal)->button(QMessageBox::Yes)->click();
        });
        run.wizard.close();
        QVERIFY(waitFor([&] { return !run.wizard.isVisible(); }, 30000));
        QVERIFY2(stillAsking, "the outcome waited for the answer");
        QVERIFY(snapshot(run.publishFolder) != run.before);
    }
};

QTEST_MAIN(WizardCancelTest)
#include "WizardCancelTest.moc"
