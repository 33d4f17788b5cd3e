#pragma once
// A main window against an emulated logger, with a temporary data root, a fixed clock and a
// message service that records what the user would see and can act while a box is up (as the
// window's event loop does while a notice runs its own).

#include "app/app_settings.h"
#include "app/demo_logger.h"
#include "app/main_window.h"
#include "device/emulated_logger.h"
#include "device_test_images.h"
#include "temp_dir.h"
#include "test_tables.h"

#include <QSignalSpy>
#include <QTest>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace velka::testing {

// 2018-05-04 09:07:05 UTC, and "now" a week later.
constexpr std::int64_t kRecordingStart = 1525424825;
constexpr std::int64_t kWindowNow = kRecordingStart + 7 * 86400;

class WindowMessages final : public MessageService {
public:
    MessageAnswer ShowMessage(const std::string& text, MessageIcon icon, MessageButtons) override {
        shown.push_back(MessageCaption(icon) + (": " + text));
        if (whileShown)
            whileShown(text);
        if (answers.empty())
            return MessageAnswer::Ok;
        const MessageAnswer answer = answers.front();
        answers.erase(answers.begin());
        return answer;
    }
    void ShowTimedNotice(const std::string& text, const std::string& caption,
                         int timeoutMs) override {
        shown.push_back(caption + " (" + std::to_string(timeoutMs) + " ms): " + text);
        if (whileShown)
            whileShown(text);
    }

    std::vector<std::string> shown;
    std::vector<MessageAnswer> answers;
    // Runs inside every box, as events delivered by the box's own event loop would.
    std::function<void(const std::string& text)> whileShown;
};

inline const std::string kFirstNotice =
    "Data reading (1500 ms): Detection of device insertion, data reading...";
inline const std::string kSecondNotice =
    "Data read completed (1500 ms): Detection of device insertion, Data read completed";

inline LoggerImage ImageWithSerial(std::uint32_t serialNumber) {
    LoggerImage image = SyntheticLoggerImage(kRecordingStart);
    WriteU32(image, kSerialNumberOffset, serialNumber);
    return image;
}

struct WindowUnderTest {
    explicit WindowUnderTest(const LoggerImage& memory = ImageWithSerial(0x0A1B2C3D),
                             DemoLogger* demo = nullptr,
                             const LoadedReferenceTables& tables = DeliveredTables(),
                             const AppSettings& given = {}, const ShownForms& forms = kFixedForms,
                             const CentralSetting& central = {})
        : logger(memory), clock(kWindowNow), settings(given) {
        settings.noticeTimeoutMs = 1500;
        HidDeviceProvider& provider =
            demo != nullptr ? static_cast<HidDeviceProvider&>(*demo) : logger;
        window = std::make_unique<CVelkaDlg>(MainWindowServices{provider,
                                                                messages,
                                                                clock,
                                                                DataRoot(dataDir.Path()),
                                                                tables,
                                                                settings,
                                                                dataDir / "Help" / "index.html",
                                                                nullptr,
                                                                demo,
                                                                ConfigFile(),
                                                                {},
                                                                forms,
                                                                central});
    }

    // Shows the window and waits for the start-up read after its first paint.
    void Start() {
        window->show();
        QSignalSpy started(window.get(), &CVelkaDlg::startUpFinished);
        if (!window->StartUpDone())
            started.wait(5000);
    }

    std::filesystem::path ConfigFile() const { return dataDir / "config.ini"; }

    TempDir dataDir;
    EmulatedLogger logger;
    FixedClock clock;
    AppSettings settings;
    WindowMessages messages;
    std::unique_ptr<CVelkaDlg> window;
};

}  // namespace velka::testing
