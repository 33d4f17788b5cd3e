// The history's queries, paging, sorting and row texts.

#include "archive/history_list.h"
#include "archive_fixtures.h"
#include "local_zone.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace velka {
namespace {

using testing::StoreEntries;

ArchiveEntry Entry(std::string name, std::uint32_t start = 0, std::u16string company = u"") {
    ArchiveEntry entry;
    entry.storedName = name;
    entry.fileName = std::u16string(name.begin(), name.end());
    entry.startTime = start;
    entry.stopTime = start + 3600;
    entry.deliveryDate = start + 86400;
    entry.deliveryCompany = std::move(company);
    return entry;
}

std::vector<ArchiveEntry> NumberedEntries(std::size_t count) {
    std::vector<ArchiveEntry> list;
    for (std::size_t i = 0; i < count; ++i)
        list.push_back(
            Entry("E" + std::to_string(i) + ".bin", static_cast<std::uint32_t>(1000 + i)));
    return list;
}

class History : public ::testing::Test {
protected:
    // Entries as a finished scan leaves them, with its "scan finished" shown.
    void Scanned(const std::vector<ArchiveEntry>& list) {
        ASSERT_TRUE(history.ShowScanResult(StoreEntries(entries, list)));
    }
    std::vector<std::string> ShownNames() {
        std::vector<std::string> names;
        for (const ArchiveEntry& entry : entries.Lock().shownEntries)
            names.push_back(entry.storedName);
        return names;
    }

    ArchiveEntries entries;
    HistorySortState sortState;
    HistoryList history{entries, sortState};
};

TEST_F(History, WaitsForTheNewestScanBeforeEnablingItsControls) {
    EXPECT_FALSE(history.ControlsEnabled());
    EXPECT_EQ(history.CurrentPage(), 0);
    const std::uint64_t first = StoreEntries(entries, NumberedEntries(3));
    const std::uint64_t second = StoreEntries(entries, NumberedEntries(30));
    EXPECT_FALSE(history.ShowScanResult(first));  // superseded on its way
    EXPECT_FALSE(history.ControlsEnabled());
    EXPECT_TRUE(history.ShowScanResult(second));
    EXPECT_TRUE(history.ControlsEnabled());
    EXPECT_EQ(history.CurrentPage(), 1);
    EXPECT_EQ(history.PageCount(), 2);
}

TEST_F(History, EmptyArchivePagesAsPageOneOfZero) {
    Scanned({});
    EXPECT_EQ(history.PageCount(), 0);
    EXPECT_EQ(history.CurrentPage(), 1);
    EXPECT_TRUE(history.ControlsEnabled());
    EXPECT_FALSE(history.Next());
    EXPECT_FALSE(history.Previous());
    EXPECT_TRUE(history.Last());
    EXPECT_EQ(history.CurrentPage(), 0);
    EXPECT_TRUE(history.PageRows().empty());
    EXPECT_TRUE(history.Home());
    EXPECT_EQ(history.CurrentPage(), 1);
    history.Go(7);
    EXPECT_EQ(history.CurrentPage(), 1);
}

TEST_F(History, PagesHoldTwentyFiveRowsNumberedByPosition) {
    Scanned(NumberedEntries(25));
    EXPECT_EQ(history.PageCount(), 1);
    EXPECT_EQ(history.PageRows().size(), 25u);

    Scanned(NumberedEntries(26));
    EXPECT_EQ(history.PageCount(), 2);
    EXPECT_FALSE(history.Home());
    EXPECT_TRUE(history.Next());
    const std::vector<HistoryRow> rows = history.PageRows();
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].texts[kNumberColumn], u"26");
    EXPECT_EQ(rows[0].itemData, 25u);
    EXPECT_FALSE(history.Next());
    EXPECT_FALSE(history.Last());
    EXPECT_TRUE(history.Previous());
    EXPECT_EQ(history.CurrentPage(), 1);
}

TEST_F(History, GoClampsToThePagesThereAre) {
    Scanned(NumberedEntries(60));
    ASSERT_EQ(history.PageCount(), 3);
    history.Go(99);
    EXPECT_EQ(history.CurrentPage(), 3);
    EXPECT_EQ(history.PageRows().size(), 10u);
    history.Go(0);
    EXPECT_EQ(history.CurrentPage(), 1);
    history.Go(-4);
    EXPECT_EQ(history.CurrentPage(), 1);
    history.Go(2);
    EXPECT_EQ(history.PageRows().front().texts[kNumberColumn], u"26");
}

TEST_F(History, TimeQueriesIncludeBothEndsAndCompareUnsigned) {
    std::vector<ArchiveEntry> list = {Entry("a.bin", 100), Entry("b.bin", 200), Entry("c.bin", 300),
                                      Entry("late.bin", 0xF0000000u)};
    list[1].deliveryDate = 5;
    Scanned(list);
    history.Query(100, 200);
    EXPECT_EQ(ShownNames(), (std::vector<std::string>{"a.bin", "b.bin"}));
    EXPECT_EQ(history.PageCount(), 1);

    history.SetQueryMode(HistoryQueryMode::StopTime);
    history.Query(3700, 3900);  // stop = start + 3600
    EXPECT_EQ(ShownNames(), (std::vector<std::string>{"a.bin", "b.bin", "c.bin"}));

    history.SetQueryMode(HistoryQueryMode::DeliveryDate);
    history.Query(0, 10);
    EXPECT_EQ(ShownNames(), (std::vector<std::string>{"b.bin"}));

    // After 2038 a time is still later, not negative.
    history.SetQueryMode(HistoryQueryMode::StartTime);
    history.Query(0x80000000LL, 0xFFFFFFFFLL);
    EXPECT_EQ(ShownNames(), (std::vector<std::string>{"late.bin"}));
    // Picker values beyond the 32-bit range are clamped to it, not cut to their low bits.
    history.Query(-5000, 0x1'0000'0100LL);
    EXPECT_EQ(ShownNames().size(), 4u);

    history.Query(300, 100);
    EXPECT_TRUE(ShownNames().empty());
    EXPECT_EQ(history.PageCount(), 0);
    EXPECT_EQ(history.CurrentPage(), 1);
}

TEST_F(History, TextQueriesLowerCaseOnlyAsciiLettersAndKeepWhatWasTyped) {
    Scanned({Entry("0A1B2C3D-1.bin", 1, u"CAbLE Freight"), Entry("0A1B2C3D-2.bin", 2, u"Nordcab"),
             Entry("FFFF0000-3.bin", 3, u"ÄBC Kühl"), Entry("FFFF0000-4.bin", 4, u"äbc")});
    history.SetFilterText(u"typed before");
    history.SetQueryMode(HistoryQueryMode::DeliveryCompany);
    EXPECT_TRUE(history.FilterText().empty());  // choosing a text mode empties the filter

    history.SetFilterText(u"ab");
    history.Query(0, 0);
    EXPECT_EQ(ShownNames(), (std::vector<std::string>{"0A1B2C3D-1.bin", "0A1B2C3D-2.bin"}));
    EXPECT_EQ(entries.Lock().shownEntries[0].deliveryCompany, u"CAbLE Freight");
    EXPECT_EQ(history.FilterText(), u"ab");

    // Only A to Z fold: Ä and ä stay apart.
    history.SetFilterText(u"äb");
    history.Query(0, 0);
    EXPECT_EQ(ShownNames(), (std::vector<std::string>{"FFFF0000-4.bin"}));

    history.SetFilterText(u"");
    history.Query(0, 0);
    EXPECT_EQ(ShownNames().size(), 4u);

    // The serial mode searches the whole name, not only its first eight characters.
    history.SetQueryMode(HistoryQueryMode::DeviceSerial);
    history.SetFilterText(u"FFFF0000-4.BIN");
    history.Query(0, 0);
    EXPECT_EQ(ShownNames(), (std::vector<std::string>{"FFFF0000-4.bin"}));

    // Queries start from every entry, so they do not narrow each other.
    history.SetFilterText(u"0a1b");
    history.Query(0, 0);
    EXPECT_EQ(ShownNames().size(), 2u);
}

TEST_F(History, CancelShowsEverythingInListingOrder) {
    Scanned({Entry("b.bin", 2), Entry("a.bin", 1), Entry("c.bin", 3)});
    history.SetQueryMode(HistoryQueryMode::TransportNumber);
    history.SetFilterText(u"x");
    history.Query(0, 0);
    EXPECT_TRUE(ShownNames().empty());
    history.Cancel();
    EXPECT_EQ(history.QueryMode(), HistoryQueryMode::StartTime);
    EXPECT_TRUE(history.FilterText().empty());
    EXPECT_EQ(history.PageCount(), 1);
    EXPECT_TRUE(history.Sort(kStartTimeColumn));
    EXPECT_EQ(ShownNames(), (std::vector<std::string>{"a.bin", "b.bin", "c.bin"}));
    history.Cancel();
    EXPECT_EQ(ShownNames(), (std::vector<std::string>{"b.bin", "a.bin", "c.bin"}));
}

TEST_F(History, HeaderClicksToggleTheProgramWideSortState) {
    Scanned({Entry("b.bin", 2), Entry("a.bin", 1), Entry("c.bin", 3)});
    history.Next();
    EXPECT_TRUE(history.Sort(kStartTimeColumn));
    EXPECT_EQ(ShownNames(), (std::vector<std::string>{"a.bin", "b.bin", "c.bin"}));
    EXPECT_TRUE(history.Sort(kStartTimeColumn));
    EXPECT_EQ(ShownNames(), (std::vector<std::string>{"c.bin", "b.bin", "a.bin"}));
    EXPECT_EQ(sortState.sortColumn, kStartTimeColumn);
    EXPECT_TRUE(sortState.sortDescending);

    // "Number" sorts nothing, but the next click elsewhere is ascending again.
    EXPECT_FALSE(history.Sort(kNumberColumn));
    EXPECT_EQ(ShownNames(), (std::vector<std::string>{"c.bin", "b.bin", "a.bin"}));
    EXPECT_FALSE(history.Sort(kHistoryColumnCount));
    EXPECT_TRUE(history.Sort(kStopTimeColumn));
    EXPECT_EQ(ShownNames(), (std::vector<std::string>{"a.bin", "b.bin", "c.bin"}));

    // The state belongs to its owner: another history lent the same state continues it.
    ArchiveEntries otherEntries;
    HistoryList other(otherEntries, sortState);
    other.ShowScanResult(StoreEntries(otherEntries, {Entry("x.bin", 1), Entry("y.bin", 2)}));
    other.Sort(kStopTimeColumn);
    EXPECT_TRUE(sortState.sortDescending);
    EXPECT_EQ(otherEntries.Lock().shownEntries.front().storedName, "y.bin");
}

TEST_F(History, TextColumnsSortIgnoringAsciiCase) {
    Scanned({Entry("1.bin", 0, u"beta"), Entry("2.bin", 0, u"Alpha"), Entry("3.bin", 0, u"alpha2"),
             Entry("4.bin", 0, u"Zulu"), Entry("5.bin", 0, u"")});
    history.Sort(kDeliveryCompanyColumn);
    EXPECT_EQ(ShownNames(),
              (std::vector<std::string>{"5.bin", "2.bin", "3.bin", "1.bin", "4.bin"}));
    history.Sort(kDeliveryCompanyColumn);
    EXPECT_EQ(ShownNames(),
              (std::vector<std::string>{"4.bin", "1.bin", "3.bin", "2.bin", "5.bin"}));
}

TEST_F(History, DeviceSerialSortsByTheHexadecimalSerialOfTheName) {
    // Read as leading decimal digits, 0000A000 (0) would come before 00001234 (1,234), and
    // FFFF0000 (0) before 00000009.
    Scanned({Entry("0000A000-1700000000.bin"), Entry("00001234-1700000000.bin"),
             Entry("report.bin"), Entry("FFFF0000-1.bin"), Entry("00000009-5.bin"),
             Entry("0a1b2c3d-2.bin"), Entry("0A1B2C3E-2.bin"), Entry("ab.bin"),
             Entry("1234567-.bin")});
    history.Sort(kDeviceSerialColumn);
    const std::vector<std::string> ascending = {
        "00000009-5.bin", "00001234-1700000000.bin", "0000A000-1700000000.bin", "0a1b2c3d-2.bin",
        "0A1B2C3E-2.bin", "FFFF0000-1.bin",
        // Not eight hexadecimal digits: after all serials, by the text of the column.
        "1234567-.bin", "ab.bin", "report.bin"};
    EXPECT_EQ(ShownNames(), ascending);
    history.Sort(kDeviceSerialColumn);
    EXPECT_EQ(ShownNames(), std::vector<std::string>(ascending.rbegin(), ascending.rend()));
}

TEST_F(History, RowsShowTheColumnsInLocalTime) {
    const testing::LocalZone zone("EST5");
    ArchiveEntry entry = Entry("0A1B2C3D-1700000000.bin");
    entry.startTime = 1'700'000'000;  // 2023-11-14 22:13:20 UTC
    entry.stopTime = 0;
    entry.deliveryDate = 1'700'000'000;
    entry.deliveryCompany = u"Nordvik";
    entry.receivingCompany = u"St. Brigid";
    entry.transportNumber = u"CF-1";
    ArchiveEntry cut = Entry("short");
    cut.readable = false;
    Scanned({Entry("x.bin"), entry, cut});
    const std::vector<HistoryRow> rows = history.PageRows();
    ASSERT_EQ(rows.size(), 3u);
    const std::array<std::u16string, kHistoryColumnCount> expected = {
        u"2",       u"0A1B2C3D",   u"2023-11-14_17:13:20", u"1969-12-31_19:00:00",
        u"Nordvik", u"2023-11-14", u"St. Brigid",          u"CF-1"};
    EXPECT_EQ(rows[1].texts, expected);
    EXPECT_EQ(rows[1].itemData, 1u);
    // A file that is no complete image says so instead of showing 1970.
    const std::array<std::u16string, kHistoryColumnCount> unreadable = {
        u"3", u"short", u"unreadable", u"", u"", u"", u"", u""};
    EXPECT_EQ(rows[2].texts, unreadable);
    EXPECT_EQ(std::string_view(kHistoryColumns[kDeliveryDateColumn].title.source),
              "Date Of Delivery");
}

TEST_F(History, LoadFindsTheStoredFileOfAShownEntry) {
    Scanned({Entry("b.bin", 2), Entry("a.bin", 1)});
    history.Sort(kStartTimeColumn);
    EXPECT_EQ(history.StoredImageOf("/archive", 0), std::filesystem::path("/archive/a.bin"));
    EXPECT_EQ(history.StoredImageOf("/archive", 2), std::nullopt);
}

}  // namespace
}  // namespace velka
