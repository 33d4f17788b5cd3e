// velka-cli central as a black box: data roots sharing one archive through sync, the queries of
// any dock, the failures' one line, docks syncing at once and a sync killed midway.

#include "audit/audit_log.h"
#include "central_fixture.h"
#include "child_process.h"
#include "cli_runner.h"
#include "device/device_watcher.h"
#include "services/clock.h"
#include "storage/sha256.h"
#include "temp_dir.h"

#include <algorithm>
#include <csignal>
#include <fstream>
#include <nlohmann/json.hpp>
#include <thread>

namespace velka::testing {
namespace {

class CentralCli : public CentralTest {
protected:
    std::vector<std::string> Arguments(std::vector<std::string> arguments, const std::string& root,
                                       const std::optional<std::string>& db) const {
        arguments.insert(arguments.begin(), "central");
        if (db)
            arguments.insert(arguments.end(), {"--db", *db});
        arguments.insert(arguments.end(),
                         {"--data-root", (dir_ / root).string(), "--reftable",
                          ReferenceFolder().string(), "--config", (dir_ / "config.ini").string()});
        return arguments;
    }
    CliResult Central(std::vector<std::string> arguments, const std::string& root = "a") const {
        return RunCli(Arguments(std::move(arguments), root, Admin()));
    }
    nlohmann::json Json(const CliResult& result) const {
        EXPECT_EQ(result.exitCode, 0) << result.err;
        return nlohmann::json::parse(result.out, nullptr, false);
    }
    // Images `first` … `end - 1` in the root's archive folder.
    void Fill(const std::string& root, std::uint32_t first, std::uint32_t end) const {
        for (std::uint32_t n = first; n < end; ++n)
            Store(dir_ / root / "Data" / (std::to_string(n) + ".bin"), Image(n));
    }
    std::string Read(const std::filesystem::path& path) const {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    TempDir dir_;
};

TEST_F(CentralCli, DocksShareOneArchiveThatEveryDockQueries) {
    Fill("a", 1, 4);
    Fill("b", 3, 5);  // 3 is received at both docks
    const FixedClock clock(1765000000);
    const DataRoot rootA(dir_ / "a");
    const AuditLog log(rootA, {"qa", "dock-1", "velka-test"}, clock);
    ASSERT_FALSE(log.Append("download", {{"serial", "00C0FFEF"}}));
    ASSERT_FALSE(log.Append("erase", {{"serial", "00C0FFEF"}}));
    EXPECT_EQ(Json(Central({"init"})), nlohmann::json::parse(R"({"schemaVersion":2})"));

    const struct {
        std::string root;
        std::size_t uploaded, alreadyThere, auditLines;
    } syncs[] = {{"a", 3, 0, 2}, {"b", 1, 1, 0}, {"a", 0, 3, 0}};
    for (const auto& [root, uploaded, alreadyThere, auditLines] : syncs) {
        const nlohmann::json report = Json(Central({"sync", "--site", "Dock " + root}, root));
        EXPECT_EQ(report["uploaded"], uploaded) << report;
        EXPECT_EQ(report["alreadyThere"], alreadyThere) << report;
        EXPECT_EQ(report["auditLines"], auditLines) << report;
    }
    EXPECT_EQ(Count("audit_event"), "2\n");

    const nlohmann::json all = Json(Central({"query"}));
    ASSERT_EQ(all.size(), 4u);
    for (std::size_t i = 1; i < all.size(); ++i)
        EXPECT_GT(all[i - 1]["startTime"], all[i]["startTime"]);  // newest first
    EXPECT_EQ(all[0]["serial"], "00C0FFF2");
    EXPECT_EQ(all[0]["site"], "Dock b");
    EXPECT_EQ(all[1]["site"], "Dock a");  // the shared one, as its first dock sent it
    EXPECT_NE(all[0]["workstation"], all[1]["workstation"]);
    EXPECT_EQ(all[0]["uploadedBy"], "velka_admin");
    const struct {
        std::vector<std::string> filter;
        std::size_t rows;
    } queries[] = {
        {{"--serial", "00c0ffef"}, 1},
        {{"--text", "FFEF"}, 1},
        {{"--text", "nordvik"}, 4},
        {{"--text", "%"}, 0},  // data, never a pattern or a statement
        {{"--text", "'; DROP TABLE velka.recording; --"}, 0},
        {{"--from", std::to_string(all[2]["startTime"].get<long long>()), "--to",
          std::to_string(all[1]["startTime"].get<long long>())},
         2},
        {{"--limit", "3"}, 3},
    };
    for (const auto& [filter, rows] : queries) {
        std::vector<std::string> arguments = {"query"};
        arguments.insert(arguments.end(), filter.begin(), filter.end());
        EXPECT_EQ(Json(Central(arguments)).size(), rows) << filter[1];
    }

    // An image back, byte for byte; an existing file only with --force.
    const std::string sha = Sha256Hex(Read(dir_ / "a" / "Data" / "2.bin"));
    const std::string out = (dir_ / "got.bin").string();
    EXPECT_EQ(Json(Central({"get", sha, "--out", out}))["sha256"], sha);
    EXPECT_EQ(Read(out), Read(dir_ / "a" / "Data" / "2.bin"));
    EXPECT_EQ(Central({"get", sha, "--out", out}).exitCode, 1);
    EXPECT_EQ(Central({"get", sha, "--out", out, "--force"}).exitCode, 0);

    EXPECT_EQ(Json(Central({"verify"}))["images"], 4);
    // Whoever gets round the triggers is found out by verify.
    Server().Psql(Database(),
                  "ALTER TABLE velka.recording_image DISABLE TRIGGER refuse_change; "
                  "UPDATE velka.recording_image SET image = overlay(image placing '\\x01'::bytea "
                  "from 9000) WHERE sha256 = '" +
                      sha + "'");
    const CliResult tampered = Central({"verify"});
    EXPECT_EQ(tampered.exitCode, 1);
    EXPECT_NE(tampered.err.find(sha), std::string::npos) << tampered.err;

    // A local audit log changed after its upload is reported, and nothing is sent over it.
    std::string audit = Read(dir_ / "a" / kAuditLogName);
    audit.replace(audit.find("download"), 8, "upload!!");
    std::ofstream(dir_ / "a" / kAuditLogName, std::ios::binary) << audit;
    const CliResult changed = Central({"sync"});
    EXPECT_EQ(changed.exitCode, 1);
    EXPECT_NE(changed.err.find("differs from the central archive's copy at line 1"),
              std::string::npos)
        << changed.err;
}

TEST_F(CentralCli, AFailureIsOneLineNamingItsCauseAndLeavesTheArchiveAlone) {
    Fill("a", 1, 3);
    Server().Psql(Database(), "DO $$ BEGIN IF NOT EXISTS (SELECT FROM pg_roles WHERE rolname = "
                              "'velka_password') THEN CREATE ROLE velka_password LOGIN PASSWORD "
                              "'right'; END IF; END $$");
    Server().Psql(Database(), "CREATE ROLE stranger_" + Database() + " LOGIN");
    const std::string bare = Server().NewDatabase();  // no init
    const struct {
        std::optional<std::string> db;
        std::string cause;
    } failures[] = {
        {std::nullopt, "no central archive: give --db"},
        {"host=/nonexistent-velka dbname=x", "the central archive cannot be reached"},
        {Server().Connection(Database(), "velka_password", "password=wrong"),
         "refused the login (wrong or missing password)"},
        {Server().Connection(Database(), "nobody_" + Database()), "does not know this login role"},
        {Server().Connection(bare), "has no schema (run velka-cli central init)"},
        {Server().Connection(Database(), "stranger_" + Database()), "lacks the right"},
    };
    const std::string before = Read(dir_ / "a" / "Data" / "1.bin");
    for (const auto& [db, cause] : failures) {
        const CliResult result = RunCli(Arguments({"sync"}, "a", db));
        EXPECT_EQ(result.exitCode, 1) << cause;
        EXPECT_NE(result.err.find(cause), std::string::npos) << result.err;
        EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1) << result.err;
    }
    EXPECT_EQ(Read(dir_ / "a" / "Data" / "1.bin"), before);
    EXPECT_EQ(Count("recording"), "0\n");
}

// config.ini's "Central Archive" and "Site" stand in for --db and --site, and a libpq service
// file works inside the string as for any PostgreSQL program; libpq's PG* variables alone never
// start an upload.
TEST_F(CentralCli, TheConfigFileAndAServiceFileNameTheArchivePgVariablesAloneDoNot) {
    Fill("a", 1, 3);
    // A service is the connection's key=value pairs a line each.
    std::string service = "[velka]\n" + Server().Connection(Database()) + "\n";
    std::replace(service.begin(), service.end(), ' ', '\n');
    std::ofstream(dir_ / "pg_service.conf") << service;
    const std::string serviceFile = "PGSERVICEFILE=" + (dir_ / "pg_service.conf").string();
    const auto run = [&](const std::vector<std::string>& environment) {
        std::vector<std::string> arguments = environment;
        arguments.push_back(CliPath());
        const std::vector<std::string> sync = Arguments({"sync"}, "a", std::nullopt);
        arguments.insert(arguments.end(), sync.begin(), sync.end());
        return RunProgram("/usr/bin/env", arguments);
    };
    const CliResult unnamed = run({serviceFile, "PGSERVICE=velka", "PGDATABASE=" + Database()});
    EXPECT_EQ(unnamed.exitCode, 1);
    EXPECT_NE(unnamed.err.find("no central archive"), std::string::npos) << unnamed.err;
    EXPECT_EQ(Count("recording"), "0\n");

    std::ofstream(dir_ / "config.ini") << "[Velka]\nCentral Archive=service=velka\nSite=Oslo\n";
    const CliResult named = run({serviceFile});
    EXPECT_EQ(named.exitCode, 0) << named.err;
    EXPECT_EQ(Server().Psql(Database(), "SELECT DISTINCT site FROM velka.recording"), "Oslo\n");
}

TEST_F(CentralCli, DocksSyncingAtOnceStoreEachRecordingOnce) {
    constexpr std::uint32_t kDocks = 4;
    constexpr std::uint32_t kOwn = 9;
    std::vector<std::unique_ptr<ChildProcess>> syncs;
    for (std::uint32_t dock = 0; dock < kDocks; ++dock) {
        const std::string root = "dock" + std::to_string(dock);
        Fill(root, 100, 103);  // at every dock
        Fill(root, 200 + dock * kOwn, 200 + (dock + 1) * kOwn);
    }
    for (std::uint32_t dock = 0; dock < kDocks; ++dock)
        syncs.push_back(std::make_unique<ChildProcess>(
            CliPath(), Arguments({"sync"}, "dock" + std::to_string(dock), Admin())));
    for (const auto& sync : syncs)
        EXPECT_EQ(sync->Wait(60000), 0) << sync->Err();
    EXPECT_EQ(Count("recording"), std::to_string(kDocks * kOwn + 3) + "\n");
    EXPECT_EQ(Count("recording_image"), std::to_string(kDocks * kOwn + 3) + "\n");
    EXPECT_EQ(Json(Central({"verify"}))["problems"].size(), 0u);
}

TEST_F(CentralCli, ASyncKilledMidwayLosesAndRepeatsNothing) {
    constexpr std::uint32_t kImages = 300;
    Fill("a", 1, kImages + 1);
    PgConnection watch(Admin());
    const auto stored = [&] {
        return watch.Run("SELECT count(*) FROM velka.recording").Integer(0, 0);
    };
    ChildProcess sync(CliPath(), Arguments({"sync"}, "a", Admin()));
    // Killed once the first images are in, or whenever it has got to by then.
    for (int i = 0; i < 2000 && !sync.Wait(0) && stored() == 0; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    sync.Signal(SIGKILL);
    sync.Wait(10000);
    const std::string before = Count("recording");
    EXPECT_EQ(Count("recording_image"), before);  // never a summary without its image
    const nlohmann::json resumed = Json(Central({"sync"}));
    EXPECT_EQ(resumed["uploaded"].get<std::size_t>() + std::stoul(before), kImages) << resumed;
    EXPECT_EQ(Count("recording"), std::to_string(kImages) + "\n");
    EXPECT_EQ(Json(Central({"verify"}))["problems"].size(), 0u);
}

// An unattended dock: watch --read --sync uploads what the data root holds, says each try on a
// line of its own, and keeps trying until the server (here: its database) is there.
TEST_F(CentralCli, AWatchingDockUploadsOnceTheServerIsThere) {
    if (!DeviceWatcher().Available())
        GTEST_SKIP() << "hot-plug events cannot be received on this machine";
    // Named on the command line, or (as the intake service runs) by the configuration file.
    for (const bool fromConfig : {false, true}) {
        const std::string root = fromConfig ? "configured" : "given";
        const std::string later = "later_" + root + "_" + Database();
        Fill(root, 1, 3);
        const std::filesystem::path config = dir_ / (root + ".ini");
        std::ofstream(config) << "[Velka]\nCentral Archive=" << Server().Connection(later)
                              << "\nSite=North\n";
        std::vector<std::string> arguments = {"watch", "--read", "--sync-if-configured"};
        if (!fromConfig)
            arguments = {"watch",  "--read", "--sync", "--db", Server().Connection(later),
                         "--site", "North"};
        arguments.insert(arguments.end(), {"--data-root", (dir_ / root).string(), "--reftable",
                                           ReferenceFolder().string(), "--config",
                                           (fromConfig ? config : dir_ / "config.ini").string()});
        ChildProcess watch(CliPath(), arguments);
        const auto central = [&](std::size_t index) {
            const std::vector<std::string> lines = watch.WaitForLines(index + 1, 30000);
            return lines.size() > index ? nlohmann::json::parse(lines[index], nullptr, false)
                                        : nlohmann::json::object();
        };
        const nlohmann::json away = central(0);
        EXPECT_EQ(away.value("event", ""), "central") << watch.Out() << watch.Err();
        EXPECT_EQ(away.value("upToDate", true), false) << away;
        EXPECT_EQ(away.value("waiting", 0), 2) << away;
        EXPECT_NE(away.value("error", "").find("does not exist"), std::string::npos) << away;

        Server().Psql("postgres", "CREATE DATABASE " + later);
        PgConnection admin(Server().Connection(later));
        InitCentralSchema(admin);
        // The next try, after a pause of 2 s (then 4 s): all there.
        nlohmann::json back = nlohmann::json::object();
        for (std::size_t line = 1; line < 4 && !back.value("upToDate", false); ++line)
            back = central(line);
        EXPECT_EQ(back.value("waiting", -1), 0) << back;
        EXPECT_EQ(Server().Psql(later, "SELECT count(*) || ' ' || min(site) FROM velka.recording"),
                  "2 North\n");
        watch.Signal(SIGTERM);
        EXPECT_EQ(watch.Wait(30000), 0) << watch.Err();
    }
}

}  // namespace
}  // namespace velka::testing
