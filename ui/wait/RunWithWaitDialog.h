#ifndef UI_WAIT_RUNWITHWAITDIALOG_H
#define UI_WAIT_RUNWITHWAITDIALOG_H

#include "ui/wait/CWaitDialog.h"

#include <QEventLoop>
#include <QFutureWatcher>
#include <QtConcurrent/QtConcurrentRun>

namespace ui {

// Runs `work` on a helper thread while the wait dialog shows and the window
// keeps repainting, and returns its result. Input to the window is held
// back meanwhile.
template <typename Work>
auto runWithWaitDialog(const QString& caption, QWidget* window, Work work) -> decltype(work()) {
    CWaitDialog wait(caption, window);
    QFutureWatcher<decltype(work())> watcher;
    QEventLoop loop;
    QObject::connect(&watcher, &QFutureWatcherBase::finished, &loop, &QEventLoop::quit);
    watcher.setFuture(QtConcurrent::run(work));
    if (!watcher.isFinished())
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    return watcher.result();
}

} // namespace ui

#endif
