#pragma once
// The parameter page over an emulated logger: the session, its signals and the page, with
// scripted message boxes and a scripted Load dialog, in a temporary data root, at a fixed time
// in UTC. Tests drive the page through its controls, as a user would.

#include "config/parameter_page.h"
#include "device/emulated_logger.h"
#include "local_zone.h"
#include "scripted_messages.h"
#include "session/acquisition_controller.h"
#include "session/session_notifier.h"
#include "temp_dir.h"

#include <QString>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace velka::testing {

constexpr std::int64_t kPageNow = 1765280000;  // 2025-12-09 11:33:20 UTC

// A set-up logger (serial 00C0FFEE, log interval 300 s, three products, the transport texts
// filled in, 50 samples) with the given write-protect flag.
LoggerImage PageTestImage(std::uint8_t writeProtectFlag = 0);

class PageTest : public ::testing::Test {
protected:
    PageTest();
    ~PageTest() override;

    // A page with the "Check WP Enable" setting over a logger holding `memory`, plugged in but
    // not read yet.
    void Start(const LoggerImage& memory, int checkWpEnable = 0);
    // The logger arrives and is read (the two notices are not kept).
    void Arrive();

    template <class Widget> Widget& Get(const char* name) const {
        auto* widget = page->findChild<Widget*>(QString::fromLatin1(name));
        if (widget == nullptr)
            throw std::runtime_error(std::string("no control ") + name);
        return *widget;
    }
    QString Text(const char* field) const;
    // Types into a control as the keyboard does.
    void Type(const char* control, const QString& keys);
    // Replaces a field's text by typing.
    void Retype(const char* field, const QString& keys);
    void Click(const char* button);
    // Double-clicks a row of the product list (which ticks it).
    void DoubleClickRow(int row);
    // Picks an item of a drop-down list with the keyboard.
    void Choose(const char* list, const QString& item);
    // "Caption: text" of every message box shown since the last call.
    std::vector<std::string> Messages();

    LocalZone zone_{"UTC0"};
    TempDir root;
    FixedClock clock{kPageNow};
    ScriptedMessages messages;
    std::unique_ptr<EmulatedLogger> logger;
    std::unique_ptr<AcquisitionController> controller;
    std::unique_ptr<SessionNotifier> notifier;
    std::unique_ptr<CDlgParameters> page;

    // The Load dialog: what it was asked and what it answers.
    QString dialogAnswer;
    QString dialogFolder;
    QString dialogFilter;
    int dialogCount = 0;
};

}  // namespace velka::testing
