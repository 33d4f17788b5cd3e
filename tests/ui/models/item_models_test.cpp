// The item models the history and record table pages display, checked by Qt's model tester.

#include "archive_fixtures.h"
#include "ui/models/history_table_model.h"
#include "ui/models/record_table_model.h"

#include <QAbstractItemModelTester>
#include <QBrush>
#include <QColor>
#include <gtest/gtest.h>

namespace velka {
namespace {

using Tester = QAbstractItemModelTester;

std::vector<ArchiveEntry> Entries(std::size_t count) {
    std::vector<ArchiveEntry> list;
    for (std::size_t i = 0; i < count; ++i) {
        ArchiveEntry entry;
        entry.storedName = "0000000" + std::to_string(i % 10) + "-" + std::to_string(i) + ".bin";
        entry.fileName = std::u16string(entry.storedName.begin(), entry.storedName.end());
        entry.startTime = static_cast<std::uint32_t>(1'700'000'000 + i);
        list.push_back(entry);
    }
    return list;
}

TEST(HistoryTableModel, ShowsTheCurrentPageWithItemDataAndOneCheckedRow) {
    ArchiveEntries entries;
    HistorySortState sortState;
    HistoryList history(entries, sortState);
    HistoryTableModel model(history);
    Tester tester(&model, Tester::FailureReportingMode::Fatal);
    EXPECT_EQ(model.rowCount(), 0);
    EXPECT_EQ(model.headerData(1, Qt::Horizontal).toString(), QStringLiteral("Device S/N"));

    history.ShowScanResult(testing::StoreEntries(entries, Entries(30)));
    model.FillList();
    EXPECT_EQ(model.rowCount(), 25);
    EXPECT_EQ(model.columnCount(), 8);
    history.Next();
    model.FillList();
    ASSERT_EQ(model.rowCount(), 5);
    EXPECT_EQ(model.data(model.index(0, 0)).toString(), QStringLiteral("26"));
    EXPECT_EQ(model.data(model.index(0, 1)).toString(), QStringLiteral("00000005"));
    EXPECT_EQ(model.data(model.index(0, 0), HistoryTableModel::ItemDataRole).toULongLong(), 25u);

    // Checking a row clears the check of another; Load takes the checked row's entry.
    EXPECT_FALSE(model.CheckedItemData());
    EXPECT_TRUE(model.setData(model.index(1, 0), Qt::Checked, Qt::CheckStateRole));
    EXPECT_TRUE(model.setData(model.index(3, 0), Qt::Checked, Qt::CheckStateRole));
    EXPECT_EQ(model.data(model.index(1, 0), Qt::CheckStateRole).value<Qt::CheckState>(),
              Qt::Unchecked);
    EXPECT_EQ(model.data(model.index(3, 0), Qt::CheckStateRole).value<Qt::CheckState>(),
              Qt::Checked);
    EXPECT_EQ(model.CheckedItemData(), 28u);
    EXPECT_FALSE(model.setData(model.index(3, 2), Qt::Checked, Qt::CheckStateRole));
    EXPECT_TRUE(model.setData(model.index(3, 0), Qt::Unchecked, Qt::CheckStateRole));
    EXPECT_FALSE(model.CheckedItemData());

    model.setData(model.index(2, 0), Qt::Checked, Qt::CheckStateRole);
    history.Sort(kDeviceSerialColumn);
    model.FillList();  // a refilled list has no checked row
    EXPECT_FALSE(model.CheckedItemData());
    EXPECT_EQ(model.data(model.index(0, 1)).toString(), QStringLiteral("00000000"));
    history.Last();
    model.FillList();
    EXPECT_EQ(model.data(model.index(4, 1)).toString(), QStringLiteral("00000009"));
}

TEST(RecordTableModel, ShowsThePageWithItsRowColours) {
    SampleList samples;
    for (int i = 0; i < 40; ++i)
        samples.push_back({i * 0.5, i % 3 == 0 ? 0 : (i % 3 == 1 ? 1 : -1), i});
    LoggerSettings settings;
    RecordTable table(samples, settings);
    RecordTableModel model(table);
    Tester tester(&model, Tester::FailureReportingMode::Fatal);
    EXPECT_EQ(model.headerData(2, Qt::Horizontal).toString(), QStringLiteral("Temperature℃"));

    table.ShowSamples();
    model.FillList();
    ASSERT_EQ(model.rowCount(), 35);
    EXPECT_EQ(model.data(model.index(3, 2)).toString(), QStringLiteral("1.5"));
    EXPECT_EQ(model.data(model.index(0, 1), Qt::ForegroundRole).value<QBrush>().color(),
              QColor(0, 0, 0));
    EXPECT_EQ(model.data(model.index(1, 0), Qt::ForegroundRole).value<QBrush>().color(),
              QColor(192, 0, 0));
    EXPECT_EQ(model.data(model.index(2, 2), Qt::ForegroundRole).value<QBrush>().color(),
              QColor(192, 0, 0));
    EXPECT_EQ(model.data(model.index(2, 2), Qt::BackgroundRole).value<QBrush>().color(),
              QColor(255, 255, 255));

    table.Last();
    model.FillList();
    ASSERT_EQ(model.rowCount(), 5);
    EXPECT_EQ(model.data(model.index(0, 0)).toString(), QStringLiteral("36"));
    table.Go(0);
    model.FillList();
    EXPECT_EQ(model.rowCount(), 0);
}

}  // namespace
}  // namespace velka
