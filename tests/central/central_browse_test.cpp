// The history's central mode through the library: a query over one field, the order of any
// column and the pages of 25, answered by the server; and the delivery date an archive of the
// first layout takes from its images.

#include "central/central_query.h"
#include "central/central_recording.h"
#include "central_fixture.h"

#include <cstdio>

namespace velka::testing {
namespace {

constexpr int kRecordings = 30;

std::string SerialOf(int number) {
    char text[9] = {};
    std::snprintf(text, sizeof text, "%08X", 0x00C0FFEEU + static_cast<unsigned>(number));
    return text;
}

std::int64_t StartOf(int number) {
    return 1764547200 + static_cast<std::int64_t>(number) * 3600;
}

CentralBrowse Browse(std::optional<CentralFilter> filter, std::optional<CentralField> sortBy = {},
                     bool descending = false, std::int64_t page = 1) {
    CentralBrowse browse;
    browse.filter = std::move(filter);
    browse.sortBy = sortBy;
    browse.descending = descending;
    browse.page = page;
    return browse;
}

CentralBrowse Page(std::int64_t page) {
    return Browse({}, {}, false, page);
}

class CentralBrowseTest : public CentralTest {
protected:
    void SetUp() override {
        CentralTest::SetUp();
        if (IsSkipped())
            return;
        PgConnection admin(Admin());
        // Every third from one carrier; the sites take turns; a delivery a day.
        InTransaction(admin, [&] {
            for (int number = 0; number < kRecordings; ++number) {
                const LoggerImage image = Image(static_cast<std::uint32_t>(number), 4);
                CentralRecording summary = SummaryOf(image, DeliveredTables(), 0);
                summary.deliveryCompany = number % 3 == 0 ? "Polar Freight" : "nordkyl AB";
                summary.deliveryDate = 1765000000 + static_cast<std::int64_t>(number) * 86400;
                const UploadOrigin origin{number % 2 == 0 ? "North" : "South",
                                          "0f8e6a52-3b1c-4d2e-9f00-1a2b3c4d5e6f",
                                          "dock-" + std::to_string(number % 4)};
                InsertRecording(admin, summary, image, origin);
            }
        });
    }
};

TEST_F(CentralBrowseTest, FindsSortsAndPagesOnTheServer) {
    const auto text = [](CentralField field, std::string fragment) {
        return CentralFilter{field, 0, 0, std::move(fragment)};
    };
    const struct {
        const char* what;
        CentralBrowse browse;
        std::int64_t total;
        std::int64_t page;
        std::size_t rows;
        int first;  // the number of the first row's recording, -1 for none
    } cases[] = {
        {"all, newest first", Page(1), 30, 1, 25, 29},
        {"second page", Page(2), 30, 2, 5, 4},
        {"a page beyond the last shows the last", Page(9), 30, 2, 5, 4},
        {"carrier, either case", Browse(text(CentralField::DeliveryCompany, "POLAR")), 10, 1, 10,
         27},
        {"site", Browse(text(CentralField::Site, "south")), 15, 1, 15, 29},
        {"workstation's host", Browse(text(CentralField::Workstation, "dock-3")), 7, 1, 7, 27},
        {"part of the serial", Browse(text(CentralField::Serial, "c1000")), 12, 1, 12, 29},
        {"wildcards mean themselves", Browse(text(CentralField::Serial, "%")), 0, 0, 0, -1},
        {"start times, both ends in",
         Browse(CentralFilter{CentralField::StartTime, StartOf(5), StartOf(9), ""}), 5, 1, 5, 9},
        {"one delivery day",
         Browse(CentralFilter{CentralField::DeliveryDate, 1765000000 + 3 * 86400,
                              1765000000 + 4 * 86400 - 1, ""}),
         1, 1, 1, 3},
        {"serial ascending", Browse({}, CentralField::Serial), 30, 1, 25, 0},
        {"serial descending, last page", Browse({}, CentralField::Serial, true, 2), 30, 2, 5, 4},
        {"stop time descending", Browse({}, CentralField::StopTime, true), 30, 1, 25, 29},
        {"delivery date ascending", Browse({}, CentralField::DeliveryDate), 30, 1, 25, 0},
    };
    PgConnection reader(Admin());
    for (const auto& c : cases) {
        const CentralPage page = BrowseCentral(reader, c.browse);
        EXPECT_EQ(page.total, c.total) << c.what;
        EXPECT_EQ(page.page, c.page) << c.what;
        ASSERT_EQ(page.rows.size(), c.rows) << c.what;
        if (c.first >= 0) {
            EXPECT_EQ(page.rows.front().recording.serial, SerialOf(c.first)) << c.what;
        }
    }

    // Text sorts ignore case: "nordkyl AB" before "Polar Freight"; the sites' order both ways.
    const struct {
        CentralField field;
        bool descending;
        std::string first;
    } orders[] = {
        {CentralField::DeliveryCompany, false, "nordkyl AB"},
        {CentralField::DeliveryCompany, true, "Polar Freight"},
        {CentralField::Site, false, "North"},
        {CentralField::Site, true, "South"},
        {CentralField::Workstation, true, "dock-3"},
    };
    for (const auto& order : orders) {
        const CentralPage page = BrowseCentral(reader, Browse({}, order.field, order.descending));
        ASSERT_FALSE(page.rows.empty());
        const CentralRow& first = page.rows.front();
        const std::string shown = order.field == CentralField::DeliveryCompany
                                      ? first.recording.deliveryCompany
                                  : order.field == CentralField::Site ? first.site
                                                                      : first.host;
        EXPECT_EQ(shown, order.first) << static_cast<int>(order.field);
    }
}

TEST_F(CentralTest, AnArchiveOfTheFirstLayoutTakesItsDeliveryDatesFromItsImages) {
    PgConnection admin(Admin());
    LoggerImage image = Image(7);
    WriteU32(image, kDeliveryDateOffset, 1765432100);
    InTransaction(admin, [&] {
        InsertRecording(admin, SummaryOf(image, DeliveredTables(), 0), image,
                        {"North", "0f8e6a52-3b1c-4d2e-9f00-1a2b3c4d5e6f", "dock-1"});
    });
    // As the first layout left it: no column, version 1.
    Server().Psql(Database(), "ALTER TABLE velka.recording DROP COLUMN delivery_date; "
                              "DELETE FROM velka.schema_version; "
                              "INSERT INTO velka.schema_version (version) VALUES (1)");
    InitCentralSchema(admin);
    EXPECT_EQ(Server().Psql(Database(), "SELECT delivery_date FROM velka.recording"),
              "1765432100\n");
    EXPECT_EQ(Server().Psql(Database(), "SELECT max(version) FROM velka.schema_version"), "2\n");
    // And stored rows are guarded again afterwards.
    EXPECT_THROW(admin.Run("UPDATE velka.recording SET delivery_date = 0"), CentralError);
}

}  // namespace
}  // namespace velka::testing
