// Work beside the window: the window's thread keeps running its events under a busy cursor
// until the work is done.

#include "ui/kit/work_beside_window.h"

#include <QCursor>
#include <QGuiApplication>
#include <QTimer>
#include <atomic>
#include <chrono>
#include <gtest/gtest.h>
#include <thread>

namespace velka {
namespace {

TEST(WorkBesideWindow, TheWindowsEventsRunWhileTheWorkWaitsForThem) {
    std::atomic<bool> timerRan{false};
    Qt::CursorShape cursorMeanwhile = Qt::ArrowCursor;
    QTimer::singleShot(0, [&] {
        if (const QCursor* cursor = QGuiApplication::overrideCursor())
            cursorMeanwhile = cursor->shape();
        timerRan = true;
    });
    bool timerRanDuringWork = false;
    std::thread::id workThread;
    RunBesideWindow([&] {
        workThread = std::this_thread::get_id();
        // Bounded: a window thread that does not run its events fails here, it does not hang.
        for (int wait = 0; wait < 1000 && !timerRan; ++wait)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        timerRanDuringWork = timerRan;
    });
    EXPECT_TRUE(timerRanDuringWork);
    EXPECT_NE(workThread, std::this_thread::get_id());
    EXPECT_EQ(cursorMeanwhile, Qt::WaitCursor);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

}  // namespace
}  // namespace velka
