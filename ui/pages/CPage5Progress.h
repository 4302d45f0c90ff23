#ifndef UI_PAGES_CPAGE5PROGRESS_H
#define UI_PAGES_CPAGE5PROGRESS_H

#include "ui/WizardContext.h"
#include "ui/pages/PublishWorker.h"
#include "ui/pages/WizardPage.h"

#include <QBasicTimer>

class QLabel;
class QProgressBar;

namespace ui {

// Publishes: the job starts on the first tick after the page is shown; the
// bar moves by itself ten units a second and jumps as tracks finish; when
// the job ends the page presses Next.
class CPage5Progress : public WizardPage {
    Q_OBJECT
public:
    CPage5Progress(const WizardContext& context, QWidget* parent = nullptr);

    // Starts the cycle anew each time the page is shown: bar at 0, the job
    // on the first tick.
    void begin();
    bool isComplete() const override;
    bool publishing() const { return started && !jobEnded; }
    // Stops the job; the old player stays. Afterwards the wizard goes back
    // to the folder page, or closes when `thenClose`.
    void cancelPublishing(bool thenClose);
    // While held, a publish that ends is not acted on (the page does not
    // move on); the next tick after the hold acts on it.
    void holdOutcome(bool held) { outcomeHeld = held; }

    QProgressBar* bar() const { return progressBar; }
    const PublishWorker& publisher() const { return worker; }
    QLabel* percentLabel() const { return percent; }
    // "Converting...", shown while the page is at work.
    QLabel* busyLabel() const { return busyHeading; }
    // The sentence that says why nothing was published; empty otherwise.
    QLabel* outcomeLabel() const { return outcomeLine; }

    static const int TickMilliseconds = 100;

signals:
    // A publish was stopped on request; nothing in `output` changed.
    void cancelled(const QString& output);

protected:
    void timerEvent(QTimerEvent* event) override;

private:
    void tick();
    void jobFinished();
    void setPosition(int position);
    void lockWizard(bool locked);
    void listFailures(const PublishSummary& summary);
    static QString nothingPublishedSentence(const PublishSummary& summary);

    PublishWorker worker;
    QLabel* busyHeading;
    QProgressBar* progressBar;
    QLabel* percent;
    QLabel* outcomeLine;
    QBasicTimer timer;
    bool started = false;
    bool jobEnded = false;
    bool closeWhenStopped = false;
    bool outcomeHeld = false;
};

} // namespace ui

#endif
