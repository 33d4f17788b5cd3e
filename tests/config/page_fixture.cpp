#include "page_fixture.h"

#include "record/synthetic_recording.h"
#include "test_tables.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QWindow>

namespace velka::testing {
namespace {

// QTest types Latin-1 only; other characters arrive as an input method would send them: one
// key event carrying the character (both halves of a surrogate pair at once).
void TypeInto(QWidget& widget, const QString& keys) {
    for (qsizetype i = 0; i < keys.size(); ++i) {
        if (keys[i].unicode() < 0x80) {
            QTest::keyClick(&widget, keys[i].toLatin1());
            continue;
        }
        const qsizetype units = keys[i].isHighSurrogate() && i + 1 < keys.size() ? 2 : 1;
        QTest::sendKeyEvent(QTest::Click, &widget, Qt::Key_unknown, keys.mid(i, units),
                            Qt::NoModifier);
        i += units - 1;
    }
}

}  // namespace

LoggerImage PageTestImage(std::uint8_t writeProtectFlag) {
    SyntheticRecordingOptions options;
    options.serialNumber = 0x00C0FFEE;
    options.startTime = kPageNow - 86400;
    options.sampleCount = 50;
    LoggerImage image = SynthesizeRecording(options, DeliveredTables()).image;
    image[kWriteProtectFlagOffset] = writeProtectFlag;
    return image;
}

PageTest::PageTest() = default;

PageTest::~PageTest() {
    page.reset();
    notifier.reset();
    controller.reset();
}

void PageTest::Start(const LoggerImage& memory, int checkWpEnable) {
    page.reset();
    notifier.reset();
    logger = std::make_unique<EmulatedLogger>(memory, EmulatorScenario{},
                                              [](std::chrono::milliseconds) {});
    controller = std::make_unique<AcquisitionController>(
        *logger, messages, clock, DataRoot(root.Path()), DeliveredTables(), kDefaultNoticeTimeoutMs,
        DeviceLinkOptions{2000, [](std::chrono::milliseconds) {}});
    notifier = std::make_unique<SessionNotifier>(*controller);
    page = std::make_unique<CDlgParameters>(*controller, *notifier, messages, clock, checkWpEnable,
                                            root.Path() / "Data");
    page->SetOpenFileChooser([this](QWidget*, const QString& folder, const QString& filter) {
        ++dialogCount;
        dialogFolder = folder;
        dialogFilter = filter;
        return dialogAnswer;
    });
    page->show();
}

void PageTest::Arrive() {
    controller->ArrivalSequence();
    messages.shown.clear();
}

QString PageTest::Text(const char* field) const {
    return Get<QLineEdit>(field).text();
}

void PageTest::Type(const char* control, const QString& keys) {
    TypeInto(Get<QWidget>(control), keys);
}

void PageTest::Retype(const char* field, const QString& keys) {
    QLineEdit& edit = Get<QLineEdit>(field);
    QTest::keyClick(&edit, Qt::Key_End);
    QTest::keyClick(&edit, Qt::Key_Home, Qt::ShiftModifier);
    if (keys.isEmpty())
        QTest::keyClick(&edit, Qt::Key_Backspace);
    else
        TypeInto(edit, keys);
}

void PageTest::Click(const char* button) {
    QTest::mouseClick(&Get<QPushButton>(button), Qt::LeftButton);
}

void PageTest::DoubleClickRow(int row) {
    // Through the window, as the window system delivers it: press, release, press with the
    // double click, release.
    auto& list = Get<QTableView>("productList");
    const QPoint point = list.visualRect(list.model()->index(row, 3)).center();
    QTest::mouseDClick(page->windowHandle(), Qt::LeftButton, {},
                       list.viewport()->mapTo(page.get(), point));
}

void PageTest::Choose(const char* list, const QString& item) {
    QComboBox& combo = Get<QComboBox>(list);
    const int target = combo.findText(item);
    ASSERT_GE(target, 0) << item.toStdString();
    QTest::keyClick(&combo, Qt::Key_Home);
    for (int i = 0; i < target; ++i)
        QTest::keyClick(&combo, Qt::Key_Down);
}

std::vector<std::string> PageTest::Messages() {
    std::vector<std::string> shown;
    for (const ShownMessage& message : messages.shown)
        shown.push_back(message.caption + ": " + message.text);
    messages.shown.clear();
    return shown;
}

}  // namespace velka::testing
