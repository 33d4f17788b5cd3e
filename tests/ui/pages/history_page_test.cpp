// The history page driven as a user would: the first scan and how far it has come, paging and
// Go with their fields, queries by the button or Enter and Cancel, sorting by a click on a
// column title, the single check, and Load, which always ends with the session asking for the
// chart page. With the record table page beside it: Ctrl+C in either list, and titles and
// texts read whole.

#include "archive/table_time_text.h"
#include "archive_fixtures.h"
#include "page_test_support.h"
#include "ui/kit/page_controls.h"
#include "ui/pages/history_page.h"
#include "ui/pages/record_table_page.h"

#include <QAbstractItemModelTester>
#include <QClipboard>
#include <QDateTimeEdit>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QRadioButton>
#include <QSignalSpy>
#include <QStyle>
#include <QStyleOptionHeader>
#include <QStyleOptionViewItem>
#include <QTableView>
#include <algorithm>
#include <filesystem>
#include <iterator>
#include <memory>
#include <thread>

namespace velka {
namespace {

using testing::Click;
using testing::Find;
using testing::Text;
using testing::Type;
using testing::WaitUntil;

constexpr std::uint32_t kFirstClockSet = 1'700'000'000;  // start 2023-11-14 22:23:20 UTC
constexpr std::uint32_t kDaySeconds = 86'400;

// Recording i starts i days after the first; every third one went with another company.
testing::ImageFields FieldsOf(std::uint32_t i) {
    testing::ImageFields fields;
    fields.clockSetTime = kFirstClockSet + i * kDaySeconds;
    fields.deliveryCompany = i % 3 == 0 ? u"Cold Line Logistics" : u"Nordvik Pharma";
    fields.transportNumber = u"CF-" + std::u16string(1, static_cast<char16_t>(u'0' + i % 10));
    return fields;
}

std::string NameOf(std::uint32_t i) {
    char name[64];
    std::snprintf(name, sizeof name, "%08X%010u.bin", 0x0A1B2C00u + i, kFirstClockSet + i);
    return name;
}

class HistoryPage : public ::testing::Test {
protected:
    void Store(std::uint32_t count) {
        std::filesystem::create_directories(session.DataDirectory());
        for (std::uint32_t i = 0; i < count; ++i)
            testing::WriteBytes(session.DataDirectory() / NameOf(i),
                                testing::MakeImage(FieldsOf(i)));
    }

    // Builds the page over what is stored and waits for its first scan.
    void Open() {
        tester.reset();
        page.reset();
        page =
            std::make_unique<CDlgStatistics>(session.controller, session.notifier, session.messages,
                                             session.clock, DataRoot(session.temp.Path()));
        tester = std::make_unique<QAbstractItemModelTester>(
            List().model(), QAbstractItemModelTester::FailureReportingMode::Fatal);
        ASSERT_FALSE(List().isEnabled());
        ASSERT_FALSE(Find<QPushButton>(*page, "load").isEnabled());
        ASSERT_TRUE(WaitUntil([&] { return List().isEnabled(); }));
    }

    QTableView& List() { return Find<QTableView>(*page, "historyList"); }
    int Rows() { return List().model()->rowCount(); }
    QString Cell(int row, int column) {
        return List().model()->index(row, column).data().toString();
    }
    std::vector<QString> Column(int column) {
        std::vector<QString> texts;
        for (int row = 0; row < Rows(); ++row)
            texts.push_back(Cell(row, column));
        return texts;
    }
    void ChooseQuery(const char* radioName) {
        QTest::mouseClick(&Find<QRadioButton>(*page, radioName), Qt::LeftButton);
    }
    void ClickTitle(int column) {
        QHeaderView& header = *List().horizontalHeader();
        const QPoint centre(header.sectionViewportPosition(column) + header.sectionSize(column) / 2,
                            header.height() / 2);
        QTest::mouseClick(header.viewport(), Qt::LeftButton, {}, centre);
    }
    // A click on the check box in front of the row, where the style draws it.
    void ClickCheckBox(int row) {
        QTableView& list = List();
        const QModelIndex index = list.model()->index(row, 0);
        QStyleOptionViewItem option;
        option.initFrom(&list);
        option.rect = list.visualRect(index);
        option.features =
            QStyleOptionViewItem::HasCheckIndicator | QStyleOptionViewItem::HasDisplay;
        option.text = index.data().toString();
        const QRect box =
            list.style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, &list);
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, box.center());
    }
    bool Checked(int row) {
        return List().model()->index(row, 0).data(Qt::CheckStateRole).toInt() == Qt::Checked;
    }
    std::vector<int> SelectedRows() {
        std::vector<int> rows;
        for (const QModelIndex& index : List().selectionModel()->selectedRows())
            rows.push_back(index.row());
        return rows;
    }

    testing::PageSession session{testing::MakeImage({})};
    std::unique_ptr<CDlgStatistics> page;
    std::unique_ptr<QAbstractItemModelTester> tester;
};

TEST_F(HistoryPage, PagesTwentyFiveRowsAndGoesToTheTypedPage) {
    Open();  // an empty archive: one page numbered 1 of none
    EXPECT_EQ(Text(*page, "pageCount"), "0");
    testing::RunPagingSteps(*page, *List().model(),
                            {{nullptr, "next", "1", 0, ""},
                             {nullptr, "last", "0", 0, ""},
                             {nullptr, "home", "1", 0, ""}});

    Store(26);
    Open();
    EXPECT_EQ(Text(*page, "pageCount"), "2");
    EXPECT_EQ(Rows(), 25);
    testing::RunPagingSteps(*page, *List().model(),
                            {{nullptr, "next", "2", 1, "26"},
                             {nullptr, "next", "2", 1, "26"},
                             {nullptr, "previous", "1", 25, "1"},
                             {"99", "go", "2", 1, "26"},
                             {"-3", "go", "1", 25, "1"},
                             {nullptr, "last", "2", 1, "26"},
                             {"two", "go", "2", 1, "26"}});  // refused: the page stays
    EXPECT_EQ(session.messages.shown, (std::vector<testing::ShownMessage>{
                                          {"Enter an integer.", "Warning", MessageIcon::Warning}}));
    // Typing into the page count is undone at once.
    Type(*page, "pageCount", "7");
    EXPECT_EQ(Text(*page, "pageCount"), "2");
}

TEST_F(HistoryPage, QueriesByTimeOrTextUntilCancel) {
    Store(40);
    Open();
    QDateTimeEdit& from = Find<QDateTimeEdit>(*page, "queryFrom");
    EXPECT_EQ(from.text(), "2024-05-01 00:00:00");

    // Start times from the 6th to the 10th recording, both ends to the second.
    const std::int64_t firstStart = kFirstClockSet + 600;
    SetPickerSeconds(from, firstStart + 5 * kDaySeconds);
    SetPickerSeconds(Find<QDateTimeEdit>(*page, "queryTo"), firstStart + 9 * kDaySeconds);
    Click(*page, "query");
    EXPECT_EQ(Text(*page, "pageCount"), "1");
    std::vector<QString> starts = Column(2);
    std::sort(starts.begin(), starts.end());
    EXPECT_EQ(starts, (std::vector<QString>{"2023-11-19_22:23:20", "2023-11-20_22:23:20",
                                            "2023-11-21_22:23:20", "2023-11-22_22:23:20",
                                            "2023-11-23_22:23:20"}));
    EXPECT_EQ(Column(0), (std::vector<QString>{"1", "2", "3", "4", "5"}));

    // From later than to: nothing.
    SetPickerSeconds(from, firstStart + 9 * kDaySeconds + 1);
    Click(*page, "query");
    EXPECT_EQ(Rows(), 0);
    EXPECT_EQ(Text(*page, "pageCount"), "0");

    // A text mode empties the filter; lower-case letters find the company in any case, and
    // the list and the field keep their own case.
    Type(*page, "filter", "left over");
    ChooseQuery("deliveryCompanyQuery");
    EXPECT_EQ(Text(*page, "filter"), "");
    Type(*page, "filter", "co");
    Click(*page, "query");
    EXPECT_EQ(Text(*page, "filter"), "co");
    EXPECT_EQ(Rows(), 14);  // every third of 40
    EXPECT_EQ(Cell(0, 4), "Cold Line Logistics");

    // Cancel: every entry, the first radio button and an empty filter; the pickers stay.
    Click(*page, "cancel");
    EXPECT_TRUE(Find<QRadioButton>(*page, "startTimeQuery").isChecked());
    EXPECT_EQ(Text(*page, "filter"), "");
    EXPECT_EQ(Text(*page, "pageCount"), "2");
    EXPECT_EQ(PickerSeconds(from), firstStart + 9 * kDaySeconds + 1);
}

TEST_F(HistoryPage, EnterInAQueryFieldRunsTheQuery) {
    Store(40);
    Open();
    const std::int64_t firstStart = kFirstClockSet + 600;
    SetPickerSeconds(Find<QDateTimeEdit>(*page, "queryFrom"), firstStart + 5 * kDaySeconds);
    SetPickerSeconds(Find<QDateTimeEdit>(*page, "queryTo"), firstStart + 9 * kDaySeconds);
    struct Case {
        const char* radio;
        const char* filter;
        const char* field;
        Qt::Key key;
        int rows;
    };
    for (const Case& c : {Case{"startTimeQuery", "", "queryFrom", Qt::Key_Return, 5},
                          Case{"startTimeQuery", "", "queryTo", Qt::Key_Enter, 5},
                          Case{"deliveryCompanyQuery", "co", "filter", Qt::Key_Return, 14},
                          Case{"transportNumberQuery", "cf-1", "filter", Qt::Key_Enter, 4}}) {
        SCOPED_TRACE(std::string(c.field) + " " + c.radio);
        Click(*page, "cancel");
        ChooseQuery(c.radio);
        Type(*page, "filter", QString::fromLatin1(c.filter));
        auto& field = Find<QWidget>(*page, c.field);
        field.setFocus();
        QTest::keyClick(&field, c.key);
        EXPECT_EQ(Rows(), c.rows);
        EXPECT_EQ(Text(*page, "pageCount"), "1");
    }
}

// A watcher of the scan's news: the progress text before each event the application handles
// (the scanner's reports reach the page as events of a child of it), so every text shown is
// seen however fast the scan runs.
class ProgressTexts : public QObject {
public:
    explicit ProgressTexts(QWidget& page) : label_(Find<QLabel>(page, "scanProgress")) {
        QCoreApplication::instance()->installEventFilter(this);
    }
    bool eventFilter(QObject*, QEvent*) override {
        const QString text = label_.text();
        if (!text.isEmpty() && (seen.empty() || seen.back() != text))
            seen.push_back(text);
        return false;
    }
    std::vector<QString> seen;

private:
    const QLabel& label_;
};

TEST_F(HistoryPage, TellsHowFarTheScanHasComeUntilItEnds) {
    struct Case {
        std::uint32_t files;
        std::size_t texts;  // at most one for each hundredth, and the empty listing's
        QString last;
    };
    for (const Case& c : {Case{0, 1, "Scanning … 0 of 0"}, Case{7, 8, "Scanning … 7 of 7"},
                          Case{250, 84, "Scanning … 249 of 250"}}) {
        SCOPED_TRACE(c.files);
        std::filesystem::remove_all(session.DataDirectory());
        Store(c.files);
        tester.reset();
        page =
            std::make_unique<CDlgStatistics>(session.controller, session.notifier, session.messages,
                                             session.clock, DataRoot(session.temp.Path()));
        ProgressTexts progress(*page);
        ASSERT_TRUE(WaitUntil([&] { return List().isEnabled(); }));
        EXPECT_EQ(Rows(), std::min<int>(25, c.files));
        EXPECT_EQ(Find<QLabel>(*page, "scanProgress").text(), "");
        ASSERT_EQ(progress.seen.size(), c.texts);
        EXPECT_EQ(progress.seen.front(), QString("Scanning … 0 of %1").arg(c.files));
        EXPECT_EQ(progress.seen.back(), c.last);
    }
}

TEST_F(HistoryPage, CtrlCCopiesTheSelectedRowsOfEitherList) {
    Store(3);
    testing::ImageFields tabbed = FieldsOf(1);
    tabbed.deliveryCompany = u"Nordvik\tPharma\nAS";
    testing::WriteBytes(session.DataDirectory() / NameOf(1), testing::MakeImage(tabbed));
    Open();
    ClickTitle(kStartTimeColumn);
    ClickCheckBox(0);
    Click(*page, "load");
    CDlgTable table(session.controller, session.notifier, session.messages, session.clock);
    auto& samples = Find<QTableView>(table, "sampleList");

    struct Case {
        QTableView* list;
        std::vector<int> clicks;  // the first plain, the others with Ctrl
        QString copied;
    };
    const QString kept = QStringLiteral("kept");
    for (const Case& c : std::vector<Case>{
             {&samples,
              {2, 0},
              "Number\tRecord time\tTemperature℃\n"
              "1\t2023-11-14 22:23:20\t-30.0\n"
              "3\t2023-11-14 22:33:20\t-30.0\n"},
             {&List(),
              {2, 1},
              "Number\tDevice S/N\tStart Time\tStop Time\tDelivery Company\tDate Of Delivery\t"
              "Receiving Company\tTransport Number\n"
              "2\t0A1B2C01\t2023-11-15_22:23:20\t2023-11-16_06:43:20\tNordvik Pharma AS\t"
              "2023-11-20\tSt. Brigid\tCF-1\n"
              "3\t0A1B2C02\t2023-11-16_22:23:20\t2023-11-17_06:43:20\tNordvik Pharma\t"
              "2023-11-20\tSt. Brigid\tCF-2\n"},
             {&List(), {1, 1}, kept},  // none selected: the clipboard keeps its text
         }) {
        SCOPED_TRACE(c.list->objectName().toStdString());
        QGuiApplication::clipboard()->setText(kept);
        for (std::size_t i = 0; i < c.clicks.size(); ++i)
            QTest::mouseClick(c.list->viewport(), Qt::LeftButton,
                              i == 0 ? Qt::NoModifier : Qt::ControlModifier,
                              c.list->visualRect(c.list->model()->index(c.clicks[i], 1)).center());
        QTest::keySequence(c.list, QKeySequence::Copy);
        EXPECT_EQ(QGuiApplication::clipboard()->text(), c.copied);
    }
}

// Each title whole beside the sort mark, where the list shows one, and each cell's text whole.
void ExpectReadWhole(QTableView& list) {
    QHeaderView& header = *list.horizontalHeader();
    EXPECT_LE(header.length(), list.viewport()->width());
    for (int column = 0; column < header.count(); ++column) {
        SCOPED_TRACE(column);
        QStyleOptionHeader option;
        option.initFrom(&header);
        option.state |= QStyle::State_Horizontal;
        option.rect = QRect(0, 0, header.sectionSize(column), header.height());
        option.text = list.model()->headerData(column, Qt::Horizontal).toString();
        if (header.isSortIndicatorShown())
            option.sortIndicator = QStyleOptionHeader::SortUp;
        const QRect label =
            header.style()->subElementRect(QStyle::SE_HeaderLabel, &option, &header);
        EXPECT_EQ(header.fontMetrics().elidedText(option.text, Qt::ElideRight, label.width()),
                  option.text);
        EXPECT_LE(static_cast<QAbstractItemView&>(list).sizeHintForColumn(column),
                  list.columnWidth(column));
    }
}

TEST_F(HistoryPage, EveryTitleAndEveryNumberIsReadWhole) {
    Store(25);
    for (int i = 25; i < 10'001; ++i)
        testing::WriteBytes(session.DataDirectory() / ("x" + std::to_string(i) + ".bin"), {});
    testing::ImageFields full = FieldsOf(24);
    full.sampleCount = kMaxSamples;
    testing::WriteBytes(session.DataDirectory() / NameOf(24), testing::MakeImage(full));
    Open();
    page->show();
    ClickTitle(kStartTimeColumn);
    ClickTitle(kStartTimeColumn);  // the newest recordings first
    ClickCheckBox(0);
    Click(*page, "load");
    CDlgTable table(session.controller, session.notifier, session.messages, session.clock);
    table.show();
    auto& samples = Find<QTableView>(table, "sampleList");

    for (const auto& [list, step] : std::vector<std::pair<QTableView*, std::function<void()>>>{
             {&List(), [] {}}, {&List(), [&] { Click(*page, "last"); }}, {&samples, [&] {
                                                                              Click(table, "last");
                                                                          }}}) {
        step();
        ExpectReadWhole(*list);
    }
    EXPECT_EQ(Cell(Rows() - 1, kNumberColumn), "10001");
    EXPECT_EQ(samples.model()->index(samples.model()->rowCount() - 1, 0).data().toString(), "8772");
}

TEST_F(HistoryPage, ColumnTitlesSortWithOneSharedState) {
    Store(30);
    Open();
    const auto ascending = [](std::vector<QString> texts) {
        return std::is_sorted(texts.begin(), texts.end());
    };
    const auto descending = [](std::vector<QString> texts) {
        return std::is_sorted(texts.rbegin(), texts.rend());
    };

    Click(*page, "next");
    ClickTitle(kStartTimeColumn);
    EXPECT_EQ(Text(*page, "pageNumber"), "1");
    EXPECT_TRUE(ascending(Column(kStartTimeColumn)));
    EXPECT_EQ(Cell(0, kStartTimeColumn), "2023-11-14_22:23:20");
    EXPECT_EQ(List().horizontalHeader()->sortIndicatorSection(), kStartTimeColumn);

    ClickTitle(kStartTimeColumn);
    EXPECT_TRUE(descending(Column(kStartTimeColumn)));
    EXPECT_EQ(Cell(0, kStartTimeColumn), "2023-12-13_22:23:20");
    EXPECT_EQ(Cell(0, 0), "1");

    // "Number" sorts nothing, but the next title sorts ascending again.
    ClickTitle(kNumberColumn);
    EXPECT_TRUE(descending(Column(kStartTimeColumn)));
    EXPECT_EQ(List().horizontalHeader()->sortIndicatorSection(), kStartTimeColumn);
    ClickTitle(kStartTimeColumn);
    EXPECT_TRUE(ascending(Column(kStartTimeColumn)));
    ClickTitle(kDeviceSerialColumn);
    EXPECT_TRUE(ascending(Column(kDeviceSerialColumn)));
    EXPECT_EQ(Cell(0, kDeviceSerialColumn), "0A1B2C00");

    // A rescan at the session's request shows every entry in listing order again, with no
    // sort mark, and both pickers at the present time; the query mode stays.
    ChooseQuery("transportNumberQuery");
    Store(31);
    session.clock.Set(testing::kPageNow + 3600);
    emit session.notifier.historyRefreshRequested();
    EXPECT_EQ(Rows(), 0);
    EXPECT_EQ(Find<QDateTimeEdit>(*page, "queryTo").text(), "2024-05-01 01:00:00");
    ASSERT_TRUE(WaitUntil([&] { return Rows() > 0; }));
    EXPECT_EQ(Text(*page, "pageCount"), "2");
    EXPECT_EQ(List().horizontalHeader()->sortIndicatorSection(), -1);
    EXPECT_TRUE(Find<QRadioButton>(*page, "transportNumberQuery").isChecked());
    Type(*page, "filter", "cf-1");
    Click(*page, "query");
    EXPECT_EQ(Rows(), 3);  // 1, 11 and 21: the mode still tests the transport number
}

TEST_F(HistoryPage, OneRowCheckedAndLoadAlwaysEndsOnTheChartPage) {
    Store(30);
    Open();
    QSignalSpy chartRequests(page.get(), &CDlgStatistics::chartPageRequested);
    const auto startOfRow = [&](int row) { return Cell(row, kStartTimeColumn).replace('_', ' '); };
    const auto loadedStart = [&] {
        return QString::fromStdU16String(
            LocalDateTimeText(session.controller.CurrentRecording().StartTime(), ' ', kFixedForms));
    };

    ClickCheckBox(2);
    ClickCheckBox(5);
    EXPECT_FALSE(Checked(2));
    EXPECT_TRUE(Checked(5));
    EXPECT_EQ(SelectedRows(), std::vector<int>{5});
    Click(*page, "load");
    EXPECT_EQ(chartRequests.count(), 1);
    EXPECT_EQ(loadedStart(), startOfRow(5));

    ClickCheckBox(5);  // unchecked: nothing to load, yet the chart page is asked for
    EXPECT_TRUE(SelectedRows().empty());
    Click(*page, "load");
    EXPECT_EQ(chartRequests.count(), 2);
    EXPECT_EQ(loadedStart(), startOfRow(5));

    // A double click checks the row under the pointer and loads it.
    QTableView& list = List();
    QTest::mouseDClick(list.viewport(), Qt::LeftButton, {},
                       list.visualRect(list.model()->index(7, 3)).center());
    EXPECT_TRUE(Checked(7));
    EXPECT_EQ(chartRequests.count(), 3);
    EXPECT_EQ(loadedStart(), startOfRow(7));

    // A file gone since the scan loads nothing; the chart page is still asked for.
    const QString loadedBefore = loadedStart();
    Click(*page, "next");
    ClickCheckBox(0);
    std::filesystem::remove_all(session.DataDirectory());
    Click(*page, "load");
    EXPECT_EQ(chartRequests.count(), 4);
    EXPECT_EQ(loadedStart(), loadedBefore);
    EXPECT_TRUE(session.messages.shown.empty());
}

TEST_F(HistoryPage, ClosingInTheMiddleOfAScanEndsItsThread) {
    Store(500);
    const auto threadCount = [] {
        return std::distance(std::filesystem::directory_iterator("/proc/self/task"),
                             std::filesystem::directory_iterator());
    };
    const auto threadsBefore = threadCount();
    for (int i = 0; i < 3; ++i) {
        auto closing =
            std::make_unique<CDlgStatistics>(session.controller, session.notifier, session.messages,
                                             session.clock, DataRoot(session.temp.Path()));
        EXPECT_EQ(threadCount(), threadsBefore + 1) << i;  // the scanner's
        std::this_thread::sleep_for(std::chrono::milliseconds(3 * i));
        closing.reset();  // waits for the thread; nothing reaches the page after this
        EXPECT_EQ(threadCount(), threadsBefore) << i;
        QCoreApplication::processEvents();
    }
}

}  // namespace
}  // namespace velka
