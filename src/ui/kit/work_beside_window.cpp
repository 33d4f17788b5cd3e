#include "ui/kit/work_beside_window.h"

#include <QCursor>
#include <QEventLoop>
#include <QGuiApplication>
#include <QTimer>
#include <atomic>
#include <thread>

namespace velka {

void RunBesideWindow(const std::function<void()>& work) {
    QEventLoop waiting;
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    // The end of the work is watched through an atomic flag rather than posted from the worker:
    // a poll every few milliseconds is unnoticeable, and it keeps the hand-over visible to
    // ThreadSanitizer, which cannot see inside the distribution's Qt.
    std::atomic<bool> done{false};
    QTimer watch;
    watch.callOnTimeout([&] {
        if (done)
            waiting.quit();
    });
    watch.start(5);
    std::thread worker([&] {
        work();
        done = true;
    });
    // Also left when the application quits meanwhile; the work is then waited for below.
    waiting.exec(QEventLoop::ExcludeUserInputEvents);
    worker.join();
    QGuiApplication::restoreOverrideCursor();
}

}  // namespace velka
