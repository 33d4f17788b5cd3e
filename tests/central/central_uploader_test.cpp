// The background uploader: up to date after its first sync and after each request; while the
// server cannot be reached it counts what waits, tries again after growing pauses, and once the
// server is back nothing is lost.

#include "central/central_uploader.h"
#include "central_fixture.h"
#include "services/clock.h"
#include "temp_dir.h"

namespace velka::testing {
namespace {

TEST_F(CentralTest, TheUploaderKeepsTheArchiveUpToDateAndOutlastsAServerThatIsAway) {
    const TempDir folder;
    const DataRoot root(folder / "dock");
    for (std::uint32_t n = 1; n <= 3; ++n)
        Store(root.DataDirectory() / (std::to_string(n) + ".bin"), Image(n));
    const FixedClock clock(1765000000);
    const UploadOrigin origin{"North", "0f8e6a52-3b1c-4d2e-9f00-1a2b3c4d5e6f", "dock-1"};
    {
        CentralUploader uploader(Admin(), root, DeliveredTables(), origin, clock);
        ASSERT_TRUE(uploader.WaitForSync(std::chrono::seconds(30)) || uploader.Status().syncs > 0);
        EXPECT_TRUE(QueryWaits([&] { return uploader.Status().upToDate; }));
        EXPECT_EQ(Count("recording"), "3\n");
        Store(root.DataDirectory() / "4.bin", Image(4));
        uploader.Request();
        EXPECT_TRUE(QueryWaits([&] { return Count("recording") == "4\n"; }));
    }

    // A server that is not there yet (its database is made later): the uploader counts what
    // waits, names the failure and keeps trying with pauses that grow.
    const std::string later = "later_" + Database();
    std::vector<UploadStatus> seen;
    std::mutex seenMutex;
    Store(root.DataDirectory() / "5.bin", Image(5));
    CentralUploader uploader(Server().Connection(later), root, DeliveredTables(), origin, clock,
                             [&](const UploadStatus& status) {
                                 const std::lock_guard lock(seenMutex);
                                 seen.push_back(status);
                             },
                             {std::chrono::milliseconds(50), std::chrono::milliseconds(400)});
    EXPECT_TRUE(QueryWaits([&] { return uploader.Status().syncs >= 3; }));
    const UploadStatus away = uploader.Status();
    EXPECT_FALSE(away.upToDate);
    EXPECT_EQ(away.waiting, 5u);  // this uploader has sent nothing yet
    EXPECT_EQ(std::set<std::string>(away.waitingFiles.begin(), away.waitingFiles.end()),
              (std::set<std::string>{"1.bin", "2.bin", "3.bin", "4.bin", "5.bin"}));
    EXPECT_EQ(away.failingSince, 1765000000);
    EXPECT_NE(away.failure.find("does not exist"), std::string::npos) << away.failure;

    Server().Psql("postgres", "CREATE DATABASE " + later);
    PgConnection admin(Server().Connection(later));
    InitCentralSchema(admin);
    EXPECT_TRUE(QueryWaits([&] { return uploader.Status().upToDate; }, 10000));
    EXPECT_EQ(Server().Psql(later, "SELECT count(*) FROM velka.recording"), "5\n");
    const UploadStatus back = uploader.Status();
    EXPECT_EQ(back.waiting, 0u);
    EXPECT_FALSE(back.failingSince);
    EXPECT_EQ(back.failure, "");
    const std::lock_guard lock(seenMutex);
    EXPECT_EQ(seen.back(), back);  // the listener heard every change
}

}  // namespace
}  // namespace velka::testing
