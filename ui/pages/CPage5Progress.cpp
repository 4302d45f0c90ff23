#include "ui/pages/CPage5Progress.h"

#include "publish/PublishObserver.h"

#include <QAbstractButton>
#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>
#include <QTimerEvent>
#include <QVBoxLayout>
#include <QWizard>

namespace ui {

namespace {
const int Range = publish::PublishObserver::ProgressRange;
} // namespace

CPage5Progress::CPage5Progress(const WizardContext& context, QWidget* parent)
    : WizardPage(parent), worker(context, this), progressBar(new QProgressBar(this)), percent(new QLabel(this)) {
    progressBar->setObjectName("progress");
    progressBar->setRange(0, Range);
    progressBar->setTextVisible(false);
    percent->setObjectName("percent");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("Converting... \nIt make take several minutes, please be patient."), this));
    layout->addWidget(progressBar);
    layout->addStretch();
    layout->addWidget(percent);
    connect(&worker, &PublishWorker::progressed, this, &CPage5Progress::setPosition);
}

void CPage5Progress::begin() {
    setPosition(0);
    percent->clear();
    started = false;
    jobEnded = false;
    timer.start(TickMilliseconds, this);
}

bool CPage5Progress::isComplete() const { return jobEnded; }

void CPage5Progress::setPosition(int position) { progressBar->setValue(std::min(position, Range)); }

void CPage5Progress::timerEvent(QTimerEvent* event) {
    if (event->timerId() == timer.timerId())
        tick();
}

void CPage5Progress::tick() {
    int position = std::min(progressBar->value() + 1, Range);
    progressBar->setValue(position);
    percent->setText(QString("%1%").arg(position / 3));
    if (!started) {
        started = true;
        lockWizard(true);
        worker.start();
    }
    if (worker.takeFinished())
        jobFinished();
}

void CPage5Progress::jobFinished() {
    timer.stop();
    jobEnded = true;
    emit completeChanged();
    if (!worker.whyNotRun().isEmpty()) {
        // Nothing was published: say why and let the user go back.
        lockWizard(false);
        QMessageBox::critical(this, "Tunemill", worker.whyNotRun());
        return;
    }
    wizard()->next();
}

void CPage5Progress::lockWizard(bool locked) {
    wizard()->button(QWizard::BackButton)->setEnabled(!locked);
    wizard()->button(QWizard::CancelButton)->setEnabled(!locked);
}

} // namespace ui
