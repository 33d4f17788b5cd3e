#pragma once
// A session for the page tests (an emulated logger, the delivered tables, a fixed clock and
// scripted messages in a temporary data root), and a user's hands: clicks and typing on the
// page's controls, found by their names.

#include "device/emulated_logger.h"
#include "local_zone.h"
#include "scripted_messages.h"
#include "session/acquisition_controller.h"
#include "session/session_notifier.h"
#include "temp_dir.h"
#include "test_tables.h"

#include <QAbstractItemModel>
#include <QCoreApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QWidget>
#include <chrono>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>
#include <vector>

// Readable texts in the messages of failed expectations.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace velka::testing {

// 2024-05-01 00:00:00 UTC.
constexpr std::int64_t kPageNow = 1714521600;

class PageSession {
public:
    explicit PageSession(const LoggerImage& loggerMemory, EmulatorScenario scenario = {})
        : logger(loggerMemory, scenario, [](std::chrono::milliseconds) {}),
          controller(logger, messages, clock, DataRoot(temp.Path()), DeliveredTables(),
                     kDefaultNoticeTimeoutMs,
                     DeviceLinkOptions{2000, [](std::chrono::milliseconds) {}}),
          notifier(controller) {}

    std::filesystem::path DataDirectory() const { return DataRoot(temp.Path()).DataDirectory(); }

    LocalZone zone{"UTC0"};
    TempDir temp;
    ScriptedMessages messages;
    FixedClock clock{kPageNow};
    EmulatedLogger logger;
    AcquisitionController controller;
    SessionNotifier notifier;
};

template <typename Control> Control& Find(const QWidget& page, const char* name) {
    auto* control = page.findChild<Control*>(QString::fromLatin1(name));
    if (control == nullptr)
        throw std::runtime_error(std::string("no control named ") + name);
    return *control;
}

inline void Click(const QWidget& page, const char* buttonName) {
    QTest::mouseClick(&Find<QPushButton>(page, buttonName), Qt::LeftButton);
}

// Selects what the field holds and types `text` over it.
inline void Type(const QWidget& page, const char* fieldName, const QString& text) {
    auto& field = Find<QLineEdit>(page, fieldName);
    field.setFocus();
    QTest::keyClick(&field, Qt::Key_A, Qt::ControlModifier);
    if (text.isEmpty())
        QTest::keyClick(&field, Qt::Key_Delete);
    else
        QTest::keyClicks(&field, text);
}

inline QString Text(const QWidget& page, const char* fieldName) {
    return Find<QLineEdit>(page, fieldName).text();
}

// One click on a paging button, with the page number typed first when `typed` is set, and
// what the page shows after it.
struct PagingStep {
    const char* typed;
    const char* button;
    QString pageField;
    int rows;
    QString firstNumber;  // of the first row, when there is one
};

inline void RunPagingSteps(const QWidget& page, const QAbstractItemModel& rows,
                           const std::vector<PagingStep>& steps) {
    for (const PagingStep& step : steps) {
        SCOPED_TRACE(std::string(step.button) + " " + (step.typed ? step.typed : ""));
        if (step.typed != nullptr)
            Type(page, "pageNumber", QString::fromLatin1(step.typed));
        Click(page, step.button);
        EXPECT_EQ(Text(page, "pageNumber"), step.pageField);
        ASSERT_EQ(rows.rowCount(), step.rows);
        if (step.rows > 0) {
            EXPECT_EQ(rows.index(0, 0).data().toString(), step.firstNumber);
        }
    }
}

// Handles events until `condition` holds. The limit only keeps a broken build from hanging;
// nothing here is timed.
inline bool WaitUntil(const std::function<bool()>& condition) {
    const auto limit = std::chrono::steady_clock::now() + std::chrono::seconds(120);
    while (!condition()) {
        if (std::chrono::steady_clock::now() > limit)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    return true;
}

}  // namespace velka::testing
