// The central archive's rules, through the library: a recording is stored once whoever sends
// it, the server says who sent it, and no uploader, reader or owner can change or remove it.

#include "central/central_query.h"
#include "central/central_recording.h"
#include "central/workstation_id.h"
#include "central_fixture.h"
#include "temp_dir.h"

namespace velka::testing {
namespace {

const UploadOrigin kDock{"North", "0f8e6a52-3b1c-4d2e-9f00-1a2b3c4d5e6f", "dock-1"};

TEST_F(CentralTest, ARecordingIsStoredOnceAndNothingStoredCanBeChanged) {
    // init again changes nothing.
    PgConnection admin(Admin());
    InitCentralSchema(admin);
    EXPECT_EQ(Server().Psql(Database(), "SELECT count(*) FROM velka.schema_version"), "1\n");

    const std::string uploader = Login("dock", "velka_upload");
    const std::string reader = Login("office", "velka_read");
    PgConnection dock(Server().Connection(Database(), uploader));
    const LoggerImage image = Image(1);
    const CentralRecording summary = SummaryOf(image, DeliveredTables(), 0);
    EXPECT_TRUE(InTransaction(dock, [&] { return InsertRecording(dock, summary, image, kDock); }));
    EXPECT_FALSE(InTransaction(dock, [&] { return InsertRecording(dock, summary, image, kDock); }));
    const std::vector<CentralRow> rows = QueryCentral(dock, {});
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].uploadedBy, uploader);  // the server's word, not the client's
    EXPECT_EQ(rows[0].recording.serial, "00C0FFEF");
    EXPECT_EQ(rows[0].recording.samples, 96);
    EXPECT_EQ(FetchCentralImage(dock, summary.sha256), image);

    PgConnection office(Server().Connection(Database(), reader));
    const struct {
        PgConnection& as;
        std::string statement;
    } refused[] = {
        {dock, "UPDATE velka.recording SET site = 'South'"},
        {dock, "DELETE FROM velka.recording"},
        {dock, "TRUNCATE velka.recording CASCADE"},
        {dock, "UPDATE velka.recording_image SET image = image"},
        {dock, "DELETE FROM velka.recording_image"},
        {dock, "TRUNCATE velka.recording_image"},
        {dock, "DELETE FROM velka.audit_event"},
        {dock, "TRUNCATE velka.audit_event"},
        {office, "INSERT INTO velka.audit_event (workstation, line, text, sha256) VALUES "
                 "('0f8e6a52-3b1c-4d2e-9f00-1a2b3c4d5e6f', 1, '{}', 'x')"},
        {office, "UPDATE velka.recording SET site = 'South'"},
        // Not even the owner, whose rights nothing revokes.
        {admin, "UPDATE velka.recording SET site = 'South'"},
        {admin, "DELETE FROM velka.recording_image"},
        {admin, "TRUNCATE velka.audit_event"},
    };
    for (const auto& [as, statement] : refused)
        EXPECT_THROW(as.Run(statement), CentralError) << statement;
    EXPECT_EQ(Count("recording"), "1\n");
    EXPECT_EQ(Server().Psql(Database(), "SELECT site FROM velka.recording"), "North\n");
}

TEST_F(CentralTest, EachDataRootKeepsOneWorkstationId) {
    const TempDir folder;
    const DataRoot first(folder / "first");
    const std::string id = WorkstationId(first);
    EXPECT_TRUE(IsWorkstationId(id)) << id;
    EXPECT_EQ(WorkstationId(first), id);
    EXPECT_NE(WorkstationId(DataRoot(folder / "second")), id);
    // A file that holds something else is named, never replaced.
    std::filesystem::create_directories(folder / "third");
    ASSERT_FALSE(WriteFileAtomically(folder / "third" / kWorkstationIdName, "not an id\n"));
    EXPECT_THROW(WorkstationId(DataRoot(folder / "third")), std::runtime_error);
}

}  // namespace
}  // namespace velka::testing
