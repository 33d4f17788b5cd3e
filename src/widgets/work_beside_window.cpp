#include "widgets/work_beside_window.h"

#include <QCursor>
#include <QEventLoop>
#include <QGuiApplication>
#include <thread>

namespace velka {

void RunBesideWindow(const std::function<void()>& work) {
    QEventLoop waiting;
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    std::thread worker([&] {
        work();
        QMetaObject::invokeMethod(&waiting, &QEventLoop::quit, Qt::QueuedConnection);
    });
    // Also left when the application quits meanwhile; the work is then waited for below.
    waiting.exec(QEventLoop::ExcludeUserInputEvents);
    worker.join();
    QGuiApplication::restoreOverrideCursor();
}

}  // namespace velka
