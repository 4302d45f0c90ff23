#include "ui/pages/CPage5Progress.h"

#include "publish/ProductName.h"
#include "publish/PublishObserver.h"
#include "ui/pages/BoxWidth.h"

#include <QAbstractButton>
#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>
#include <QTimerEvent>
#include <QVBoxLayout>
#include <QWizard>

#include <algorithm>

namespace ui {

namespace {
const int Range = publish::PublishObserver::ProgressRange;
} // namespace

CPage5Progress::CPage5Progress(const WizardContext& context, QWidget* parent)
    : WizardPage(parent), worker(context),
      busyHeading(new QLabel(tr("Converting... \nIt make take several minutes, please be patient."), this)),
      progressBar(new QProgressBar(this)), percent(new QLabel(this)), outcomeLine(new QLabel(this)) {
    progressBar->setObjectName("progress");
    progressBar->setRange(0, Range);
    progressBar->setTextVisible(false);
    percent->setObjectName("percent");
    outcomeLine->setObjectName("outcome");
    outcomeLine->setWordWrap(true);
    outcomeLine->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    progressBar->setAccessibleName(tr("Publishing progress"));
    progressBar->setAccessibleDescription(tr("How much of the player has been published."));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(busyHeading);
    layout->addWidget(progressBar);
    layout->addWidget(outcomeLine);
    layout->addStretch();
    layout->addWidget(percent);
    connect(&worker, &PublishWorker::progressed, this, &CPage5Progress::setPosition);
}

void CPage5Progress::begin() {
    progressBar->setValue(0);
    percent->clear();
    outcomeLine->clear();
    busyHeading->show();
    started = false;
    jobEnded = false;
    closeWhenStopped = false;
    timer.start(TickMilliseconds, this);
}

// Next only after a publish that left a player to finish with.
bool CPage5Progress::isComplete() const { return jobEnded && worker.summary().anythingPublished(); }

// The bar only rises: a finished track never takes it below the ticks.
void CPage5Progress::setPosition(int position) {
    progressBar->setValue(std::clamp(position, progressBar->value(), Range));
}

void CPage5Progress::timerEvent(QTimerEvent* event) {
    if (event->timerId() == timer.timerId())
        tick();
}

void CPage5Progress::tick() {
    setPosition(progressBar->value() + 1);
    percent->setText(QString("%1%").arg(publish::PublishObserver::percentOf(progressBar->value())));
    if (!started) {
        started = true;
        lockWizard(true);
        worker.start();
    }
    if (!outcomeHeld && worker.takeFinished())
        jobFinished();
}

void CPage5Progress::jobFinished() {
    timer.stop();
    jobEnded = true;
    emit completeChanged();
    const PublishSummary& summary = worker.summary();
    // Asked to close: whether the job stopped or had already ended.
    if (closeWhenStopped) {
        lockWizard(false);
        wizard()->reject();
        return;
    }
    if (summary.cancelled) {
        lockWizard(false);
        emit cancelled(summary.output);
        return;
    }
    if (summary.anythingPublished()) {
        listFailures(summary);
        // The finish page has nothing to cancel.
        wizard()->button(QWizard::CancelButton)->setEnabled(false);
        wizard()->next();
        return;
    }
    // Nothing was published: say what happened, no longer that it is at
    // work, and let the user go back.
    lockWizard(false);
    busyHeading->hide();
    outcomeLine->setText(nothingPublishedSentence(summary));
    if (!summary.whyNotRun.isEmpty()) {
        QMessageBox box(QMessageBox::Critical, publish::ProductName, summary.whyNotRun, QMessageBox::Ok, this);
        widenToLongestLine(box);
        box.exec();
    }
    listFailures(summary);
}

void CPage5Progress::cancelPublishing(bool thenClose) {
    if (!publishing())
        return;
    closeWhenStopped = closeWhenStopped || thenClose;
    worker.stop();
    wizard()->button(QWizard::CancelButton)->setEnabled(false);
    outcomeLine->setText(tr("Stopping..."));
}

// All failures in one box, after the job.
void CPage5Progress::listFailures(const PublishSummary& summary) {
    if (summary.failures.isEmpty())
        return;
    QMessageBox box(QMessageBox::Warning, publish::ProductName, tr("These could not be published:"), QMessageBox::Ok, this);
    box.setInformativeText(summary.failures.join("\n"));
    widenToLongestLine(box);
    box.exec();
}

QString CPage5Progress::nothingPublishedSentence(const PublishSummary& summary) {
    if (!summary.whyNotRun.isEmpty())
        return tr("Nothing was published: %1").arg(summary.whyNotRun);
    if (summary.stepFailed)
        return tr("Nothing was published: the player could not be written. Go Back to pick another folder.");
    if (summary.tracks == 1)
        return tr("Nothing was published: the track could not be made. Go Back to pick another folder or change the "
                  "playlist.");
    return tr("Nothing was published: none of the %1 tracks could be made. Go Back to pick another folder or change "
              "the playlist.")
        .arg(summary.tracks);
}

// Cancel stays: it stops the job.
void CPage5Progress::lockWizard(bool locked) {
    wizard()->button(QWizard::BackButton)->setEnabled(!locked);
    wizard()->button(QWizard::CancelButton)->setEnabled(true);
}

} // namespace ui
