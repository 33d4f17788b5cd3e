// The record table page driven as a user would: paging and Go with the page count, the two
// queries with their messages, the page's own copy of the record, and the alarm rows drawn in
// red.

#include "archive_fixtures.h"
#include "page_test_support.h"
#include "record/synthetic_recording.h"
#include "ui/kit/page_controls.h"
#include "ui/pages/record_table_page.h"

#include <QAbstractItemModelTester>
#include <QDateTimeEdit>
#include <QImage>
#include <QRadioButton>
#include <QTableView>
#include <algorithm>

namespace velka {
namespace {

using testing::Click;
using testing::Find;
using testing::Text;
using testing::Type;

constexpr std::uint16_t kIntervalSeconds = 300;

LoggerImage Recording(std::size_t sampleCount) {
    SyntheticRecordingOptions options;
    options.sampleCount = sampleCount;
    options.logIntervalSeconds = kIntervalSeconds;
    options.startTime = testing::kPageNow - 71 * kIntervalSeconds;  // 2024-04-30 18:05:00 UTC
    return SynthesizeRecording(options, testing::DeliveredTables()).image;
}

class RecordTablePage : public ::testing::Test {
protected:
    RecordTablePage()
        : tester(Find<QTableView>(page, "sampleList").model(),
                 QAbstractItemModelTester::FailureReportingMode::Fatal) {}

    // Stores the recording as a file and loads it as the history would.
    void Load(std::size_t sampleCount) {
        std::filesystem::create_directories(session.DataDirectory());
        const auto path = session.DataDirectory() / (std::to_string(sampleCount) + ".bin");
        testing::WriteBytes(path, Recording(sampleCount));
        ASSERT_TRUE(session.controller.LoadStoredImage(path));
    }

    QAbstractItemModel& Rows() { return *Find<QTableView>(page, "sampleList").model(); }
    QString Cell(int row, int column) { return Rows().index(row, column).data().toString(); }

    // The logger answers a read (394 reports) and a settings write, then hangs.
    // The logger stops answering after a read, a settings write (which reads it again first)
    // and a few blocks more.
    testing::PageSession session{Recording(71), {EmulatedFault::NoAnswer, 900, 10}};
    CDlgTable page{session.controller, session.notifier, session.messages, session.clock};
    QAbstractItemModelTester tester;
};

TEST_F(RecordTablePage, PagesThroughTheRecordThirtyFiveRowsAtATime) {
    EXPECT_EQ(Rows().rowCount(), 0);  // nothing decoded yet
    EXPECT_EQ(Text(page, "pageCount"), "0");
    Load(71);
    ASSERT_EQ(Rows().rowCount(), 35);
    EXPECT_EQ(Text(page, "pageNumber"), "1");
    EXPECT_EQ(Text(page, "pageCount"), "3");
    Type(page, "pageCount", "9");  // the count is read, never typed
    EXPECT_EQ(Text(page, "pageCount"), "3");
    EXPECT_EQ(Cell(0, 1), "2024-04-30 18:05:00");
    testing::RunPagingSteps(page, Rows(),
                            {{nullptr, "next", "2", 35, "36"},
                             {nullptr, "next", "3", 1, "71"},
                             {nullptr, "next", "3", 1, "71"},  // no page after the last
                             {nullptr, "previous", "2", 35, "36"},
                             {nullptr, "home", "1", 35, "1"},
                             {nullptr, "last", "3", 1, "71"},
                             {"0", "go", "0", 0, ""},  // an empty page numbered 0
                             {"-1", "go", "3", 1, "71"},
                             {" 2 ", "go", "2", 35, "36"},
                             {"2x", "go", "2", 35, "36"}});  // refused: the page stays
    EXPECT_EQ(session.messages.shown, (std::vector<testing::ShownMessage>{
                                          {"Enter an integer.", "Warning", MessageIcon::Warning}}));
}

TEST_F(RecordTablePage, QueriesByTimeOrTemperatureUntilCancel) {
    Load(71);
    const auto& picker = [&](const char* name) -> QDateTimeEdit& {
        return Find<QDateTimeEdit>(page, name);
    };
    EXPECT_EQ(picker("queryFrom").text(), "2024-05-01 00:00:00");  // the page's clock

    // Samples 11 to 21, both ends included: numbered from 1, at their own times.
    const std::int64_t start = testing::kPageNow - 71 * kIntervalSeconds;
    SetPickerSeconds(picker("queryFrom"), start + 10 * kIntervalSeconds);
    SetPickerSeconds(picker("queryTo"), start + 20 * kIntervalSeconds);
    Click(page, "next");
    Click(page, "query");
    ASSERT_EQ(Rows().rowCount(), 11);
    EXPECT_EQ(Text(page, "pageNumber"), "1");
    EXPECT_EQ(Text(page, "pageCount"), "1");
    EXPECT_EQ(Cell(0, 1), "2024-04-30 18:55:00");
    EXPECT_EQ(Cell(10, 0), "11");

    // A temperature query with both bounds at one value keeps exactly the samples at it.
    const SampleList& samples = session.controller.CurrentRecording().record.samples;
    const double value = samples[30].temperature;
    const auto atValue = std::count_if(samples.begin(), samples.end(),
                                       [&](const TempSample& s) { return s.temperature == value; });
    QTest::mouseClick(&Find<QRadioButton>(page, "temperatureQuery"), Qt::LeftButton);
    EXPECT_EQ(Text(page, "maxTemperature"), "70");
    EXPECT_EQ(Text(page, "minTemperature"), "-30");
    Type(page, "maxTemperature", QString::number(value, 'g', 17));
    Type(page, "minTemperature", QString::number(value, 'g', 17));
    Click(page, "query");
    EXPECT_EQ(Rows().rowCount(), atValue);
    EXPECT_EQ(Cell(0, 2), QString::number(value, 'f', 1));

    // A bound that is not a number is refused and keeps its value; the query runs with it.
    Type(page, "maxTemperature", "warm");
    Type(page, "minTemperature", "-30");
    Click(page, "query");
    EXPECT_EQ(session.messages.Texts(), std::vector<std::string>{"Enter a number."});
    EXPECT_EQ(Text(page, "maxTemperature"), QString::number(value, 'g', 15));
    EXPECT_EQ(Rows().rowCount(), atValue);

    // Enter is no command on this page.
    Type(page, "minTemperature", "-30");
    QTest::keyClick(&Find<QLineEdit>(page, "minTemperature"), Qt::Key_Return);
    EXPECT_EQ(Rows().rowCount(), atValue);

    Click(page, "cancel");
    EXPECT_EQ(Rows().rowCount(), 35);
    EXPECT_EQ(Text(page, "pageCount"), "3");
    EXPECT_TRUE(Find<QRadioButton>(page, "temperatureQuery").isChecked());
    EXPECT_EQ(Text(page, "maxTemperature"), QString::number(value, 'g', 15));
}

// In a comma language the rows, the pickers and the bounds take its forms; a bound typed with
// its separator queries as the same number with a point does.
TEST_F(RecordTablePage, InACommaLanguageRowsPickersAndBoundsUseItsForms) {
    CDlgTable german{session.controller, session.notifier, session.messages, session.clock,
                     ShownForms{",", "%d.%m.%Y"}};
    Load(71);
    const QAbstractItemModel& rows = *Find<QTableView>(german, "sampleList").model();
    EXPECT_EQ(rows.index(0, 1).data().toString(), "30.04.2024 18:05:00");
    EXPECT_EQ(Find<QDateTimeEdit>(german, "queryFrom").text(), "01.05.2024 00:00:00");
    const double value = session.controller.CurrentRecording().record.samples[30].temperature;
    const QString typed = QString::number(value, 'g', 17).replace(u'.', u',');
    ASSERT_TRUE(typed.contains(u','));
    QTest::mouseClick(&Find<QRadioButton>(german, "temperatureQuery"), Qt::LeftButton);
    Type(german, "maxTemperature", typed);
    Type(german, "minTemperature", typed);
    Click(german, "query");
    EXPECT_TRUE(session.messages.Texts().empty());
    ASSERT_GT(rows.rowCount(), 0);
    EXPECT_EQ(rows.index(0, 2).data().toString(),
              QString::number(value, 'f', 1).replace(u'.', u','));
    EXPECT_EQ(Text(german, "maxTemperature"), QString::number(value, 'g', 15).replace(u'.', u','));
}

TEST_F(RecordTablePage, KeepsItsCopyOfTheRecordAndItsPagePosition) {
    ASSERT_EQ(session.controller.Acquire(), kResultSuccess);
    Click(page, "last");
    Load(30);  // a shorter recording: the third page is empty until the user pages back
    EXPECT_EQ(Text(page, "pageNumber"), "3");
    EXPECT_EQ(Text(page, "pageCount"), "1");
    EXPECT_EQ(Rows().rowCount(), 0);
    Click(page, "home");
    ASSERT_EQ(Rows().rowCount(), 30);

    // New settings written for the next trip do not move the times of the listed recording.
    LoggerSettings nextTrip = session.controller.CurrentRecording().settings;
    nextTrip.logInterval = 60;
    nextTrip.startOffset += 3600;
    ASSERT_EQ(session.controller.WriteSettings(nextTrip), kResultSuccess);
    Click(page, "home");
    EXPECT_EQ(Cell(1, 1), "2024-04-30 18:10:00");
    const std::int64_t start = testing::kPageNow - 71 * kIntervalSeconds;
    SetPickerSeconds(Find<QDateTimeEdit>(page, "queryFrom"), start);
    SetPickerSeconds(Find<QDateTimeEdit>(page, "queryTo"), start + 29 * kIntervalSeconds);
    Click(page, "query");
    EXPECT_EQ(Rows().rowCount(), 30);
    Click(page, "cancel");

    // A logger that fails to read empties the session's record, not the listed one.
    session.controller.ArrivalSequence();
    ASSERT_EQ(session.messages.Texts().back(),
              "Data read FAILED: the logger did not answer in time");
    EXPECT_TRUE(session.controller.CurrentRecording().record.samples.empty());
    ASSERT_EQ(Rows().rowCount(), 30);
    EXPECT_EQ(Cell(29, 0), "30");
}

// The share of a row's pixels that are clearly red.
double RedShare(const QImage& picture, const QRect& row) {
    int red = 0;
    for (int y = row.top(); y <= row.bottom(); ++y)
        for (int x = row.left(); x <= row.right(); ++x) {
            const QColor c = picture.pixelColor(x, y);
            red += c.red() > 180 && c.green() < 90 && c.blue() < 90;
        }
    return static_cast<double>(red) / (row.width() * row.height());
}

TEST_F(RecordTablePage, DrawsTheSamplesBeyondEitherLimitInRed) {
    Load(2016);
    page.show();
    const SampleList& samples = session.controller.CurrentRecording().record.samples;
    auto& list = Find<QTableView>(page, "sampleList");
    for (const std::int32_t alarm : {1, -1}) {
        SCOPED_TRACE(alarm);
        const auto flagged = std::find_if(samples.begin(), samples.end(),
                                          [&](const TempSample& s) { return s.alarm == alarm; });
        ASSERT_NE(flagged, samples.end());
        const int index = static_cast<int>(flagged - samples.begin());
        Type(page, "pageNumber", QString::number(index / 35 + 1));
        Click(page, "go");
        const QImage picture = list.viewport()->grab().toImage();
        for (int row = 0; row < list.model()->rowCount(); ++row) {
            const QRect rowRect(0, list.rowViewportPosition(row), list.viewport()->width(),
                                list.rowHeight(row));
            const std::int32_t rowAlarm =
                samples[static_cast<std::size_t>((index / 35) * 35 + row)].alarm;
            if (rowAlarm != 0)
                EXPECT_GT(RedShare(picture, rowRect), 0.01) << "row " << row;
            else
                EXPECT_EQ(RedShare(picture, rowRect), 0.0) << "row " << row;
        }
    }
}

}  // namespace
}  // namespace velka
