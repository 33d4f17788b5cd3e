#pragma once
// The parameter page over an emulated logger: the session, its signals and the page, with
// scripted message boxes and a scripted Load dialog, in a temporary data root, at a fixed time
// in UTC. Tests drive the page through its controls, as a user would.

#include "device/emulated_logger.h"
#include "local_zone.h"
#include "record/synthetic_recording.h"
#include "scripted_messages.h"
#include "session/acquisition_controller.h"
#include "session/session_notifier.h"
#include "storage/file_io.h"
#include "temp_dir.h"
#include "test_tables.h"
#include "ui/pages/parameter_page.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QWindow>
#include <gtest/gtest.h>
#include <memory>

namespace velka::testing {

constexpr std::int64_t kPageNow = 1765280000;  // 2025-12-09 11:33:20 UTC

// A set-up logger (serial 00C0FFEE, log interval 300 s, three products, the transport texts
// filled in, 50 samples) with the given write-protect flag.
inline LoggerImage PageTestImage(std::uint8_t writeProtectFlag = 0) {
    SyntheticRecordingOptions options;
    options.serialNumber = 0x00C0FFEE;
    options.startTime = kPageNow - 86400;
    options.sampleCount = 50;
    LoggerImage image = SynthesizeRecording(options, DeliveredTables()).image;
    image[kWriteProtectFlagOffset] = writeProtectFlag;
    return image;
}

class PageTest : public ::testing::Test {
protected:
    ~PageTest() override { Stop(); }

    // A page with the "Check WP Enable" setting over a logger holding `memory`, plugged in but
    // not read yet.
    void Start(const LoggerImage& memory, int checkWpEnable = 0) {
        Stop();
        logger = std::make_unique<EmulatedLogger>(memory, EmulatorScenario{},
                                                  [](std::chrono::milliseconds) {});
        controller = std::make_unique<AcquisitionController>(
            *logger, messages, clock, DataRoot(root.Path()), DeliveredTables(),
            kDefaultNoticeTimeoutMs, DeviceLinkOptions{2000, [](std::chrono::milliseconds) {}});
        notifier = std::make_unique<SessionNotifier>(*controller);
        page = std::make_unique<CDlgParameters>(*controller, *notifier, messages, clock,
                                                checkWpEnable, root.Path() / "Data");
        page->SetOpenFileChooser([this](QWidget*, const QString& folder, const QString& filter) {
            dialogAsked = folder + " " + filter;
            return dialogAnswer;
        });
        page->show();
    }
    void Stop() {
        page.reset();
        notifier.reset();
        controller.reset();
    }
    // The logger arrives and is read (its two notices are not kept).
    void Arrive() {
        controller->ArrivalSequence();
        messages.shown.clear();
    }

    template <class Widget = QWidget> Widget& Get(const char* name) const {
        auto* widget = page->findChild<Widget*>(QString::fromLatin1(name));
        if (widget == nullptr)
            throw std::runtime_error(std::string("no control ") + name);
        return *widget;
    }
    QString Text(const char* field) const { return Get<QLineEdit>(field).text(); }
    QString Choice(const char* list) const { return Get<QComboBox>(list).currentText(); }
    QAbstractItemModel& Products() const { return *Get<QTableView>("productList").model(); }

    // Types as the keyboard does; QTest types Latin-1 only, so other characters arrive as an
    // input method sends them, one event per character.
    void Type(const char* control, const QString& keys) {
        for (qsizetype i = 0; i < keys.size(); ++i) {
            const qsizetype units = keys[i].isHighSurrogate() ? 2 : 1;
            if (keys[i].unicode() < 0x80)
                QTest::keyClick(&Get(control), keys[i].toLatin1());
            else
                QTest::sendKeyEvent(QTest::Click, &Get(control), Qt::Key_unknown,
                                    keys.mid(i, units), Qt::NoModifier);
            i += units - 1;
        }
    }
    // Selects the field's whole text and types over it.
    void Retype(const char* field, const QString& keys) {
        QTest::keyClick(&Get(field), Qt::Key_End);
        QTest::keyClick(&Get(field), Qt::Key_Home, Qt::ShiftModifier);
        QTest::keyClick(&Get(field), Qt::Key_Backspace);
        Type(field, keys);
    }
    void Click(const char* button) { QTest::mouseClick(&Get<QPushButton>(button), Qt::LeftButton); }
    // A click or double click at a point of the page, delivered as the window system does.
    void ClickPage(QPoint point, bool twice = false) {
        if (twice)
            QTest::mouseDClick(page->windowHandle(), Qt::LeftButton, {}, point);
        else
            QTest::mouseClick(page->windowHandle(), Qt::LeftButton, {}, point);
    }
    // A double click on a row of the product list ticks it.
    void DoubleClickRow(int row) {
        auto& list = Get<QTableView>("productList");
        const QPoint cell = list.visualRect(Products().index(row, 3)).center();
        ClickPage(list.viewport()->mapTo(page.get(), cell), true);
    }
    // Picks an item of a drop-down list with the keyboard.
    void Choose(const char* list, const QString& item) {
        QTest::keyClick(&Get(list), Qt::Key_Home);
        for (int i = Get<QComboBox>(list).findText(item); i > 0; --i)
            QTest::keyClick(&Get(list), Qt::Key_Down);
    }
    // "Caption: text" of every message box since the last call.
    std::vector<std::string> Messages() {
        std::vector<std::string> shown;
        for (const ShownMessage& message : messages.shown)
            shown.push_back(message.caption + ": " + message.text);
        messages.shown.clear();
        return shown;
    }
    std::filesystem::path Store(const std::string& name, const LoggerImage& image) const {
        EXPECT_FALSE(WriteFileAtomically(root.Path() / name, image));
        return root.Path() / name;
    }

    LocalZone zone_{"UTC0"};
    TempDir root;
    FixedClock clock{kPageNow};
    ScriptedMessages messages;
    std::unique_ptr<EmulatedLogger> logger;
    std::unique_ptr<AcquisitionController> controller;
    std::unique_ptr<SessionNotifier> notifier;
    std::unique_ptr<CDlgParameters> page;
    QString dialogAnswer;  // what the Load dialog answers
    QString dialogAsked;   // its folder and filter
};

}  // namespace velka::testing
