// The central archive on a local PostgreSQL (started here, as the tests start theirs): upload
// throughput of one velka-cli sync and of eight at once, where eight docks of 500 recordings
// each share 50 and the archive must end with exactly 8 × 450 + 50 of them; and the history's
// queries over 1,000,000 summary rows (loaded with COPY; images for 10,000 of them).

#include "central/central_query.h"
#include "central/central_schema.h"
#include "central/pg_connection.h"
#include "child_process.h"
#include "cli_runner.h"
#include "postgres_server.h"
#include "record/synthetic_recording.h"
#include "storage/file_io.h"
#include "test_tables.h"

#include <benchmark/benchmark.h>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sys/stat.h>

namespace velka {
namespace {

using testing::PostgresServer;

constexpr std::uint32_t kDocks = 8;
constexpr std::uint32_t kPerDock = 500;
constexpr std::uint32_t kShared = 50;
constexpr int kSummaryRows = 1'000'000;
constexpr int kImageRows = 10'000;

LoggerImage Image(std::uint32_t number) {
    SyntheticRecordingOptions options;
    options.serialNumber = 0x10000000 + number;
    options.startTime = 1'700'000'000 + static_cast<std::int64_t>(number) * 600;
    options.sampleCount = 2016;
    options.seed = number + 1;
    return SynthesizeRecording(options, testing::DeliveredTables()).image;
}

// Data roots "dock0" … in a temporary folder: the shared recordings in each, then its own.
class Docks {
public:
    explicit Docks(std::uint32_t docks) {
        for (std::uint32_t dock = 0; dock < docks; ++dock) {
            const std::filesystem::path data = Root(dock) / "Data";
            std::filesystem::create_directories(data);
            for (std::uint32_t n = 0; n < kPerDock; ++n) {
                const std::uint32_t number = n < kShared ? n : kShared + dock * kPerDock + n;
                WriteFileAtomically(data / (std::to_string(number) + ".bin"), Image(number));
            }
        }
    }
    std::filesystem::path Root(std::uint32_t dock) const {
        return folder_ / ("dock" + std::to_string(dock));
    }

private:
    testing::TempDir folder_;
};

std::vector<std::string> SyncArguments(const std::string& db, const std::filesystem::path& root) {
    return {"central",     "sync",        "--db",       db,
            "--data-root", root.string(), "--reftable", testing::ReferenceFolder().string()};
}

// `docks` velka-cli syncs at once into a new database; the images a second in the counters.
void UploadBench(benchmark::State& state, std::uint32_t docks) {
    PostgresServer& server = PostgresServer::Shared();
    if (!server.Problem().empty()) {
        state.SkipWithError(server.Problem().c_str());
        return;
    }
    const Docks roots(docks);
    for (auto _ : state) {
        state.PauseTiming();
        const std::string database = server.NewDatabase();
        const std::string db = server.Connection(database);
        PgConnection admin(db);
        InitCentralSchema(admin);
        state.ResumeTiming();
        const auto start = std::chrono::steady_clock::now();
        std::vector<std::unique_ptr<testing::ChildProcess>> syncs;
        for (std::uint32_t dock = 0; dock < docks; ++dock)
            syncs.push_back(std::make_unique<testing::ChildProcess>(
                testing::CliPath(), SyncArguments(db, roots.Root(dock))));
        for (const auto& sync : syncs) {
            if (sync->Wait(600000) != 0)
                state.SkipWithError(("a sync failed: " + sync->Err()).c_str());
        }
        const double seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        state.PauseTiming();
        const std::int64_t expected = docks * (kPerDock - kShared) + kShared;
        const std::int64_t stored = admin.Run("SELECT count(*) FROM velka.recording").Integer(0, 0);
        const std::int64_t wrong = admin
                                       .Run("SELECT count(*) FROM velka.recording_image "
                                            "WHERE encode(sha256(image), 'hex') <> sha256")
                                       .Integer(0, 0);
        if (stored != expected || wrong != 0)
            state.SkipWithError("the archive does not hold each recording once, intact");
        state.counters["recordings"] = static_cast<double>(stored);
        state.counters["images_per_second"] = static_cast<double>(stored) / seconds;
        state.ResumeTiming();
    }
}

void BM_UploadOneDock(benchmark::State& state) {
    UploadBench(state, 1);
}
void BM_UploadEightDocksAtOnce(benchmark::State& state) {
    UploadBench(state, kDocks);
}
BENCHMARK(BM_UploadOneDock)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_UploadEightDocksAtOnce)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();

// 1,000,000 summary rows of 2,000 loggers, a recording every few hours each, loaded once.
class LargeArchive {
public:
    static LargeArchive& Shared() {
        static LargeArchive archive;
        return archive;
    }
    PgConnection& Connection() { return *connection_; }
    const std::string& Problem() const { return problem_; }

private:
    LargeArchive() {
        PostgresServer& server = PostgresServer::Shared();
        if (!server.Problem().empty()) {
            problem_ = server.Problem();
            return;
        }
        const std::string database = server.NewDatabase();
        connection_ = std::make_unique<PgConnection>(server.Connection(database));
        InitCentralSchema(*connection_);
        const std::string rows = server.Folder() + "/rows.csv";
        {
            std::ofstream out(rows);
            for (int i = 0; i < kSummaryRows; ++i) {
                char serial[9];
                std::snprintf(serial, sizeof serial, "%08X", 0x20000000 + i % 2000);
                out << std::hex;
                out.width(64);
                out.fill('0');
                out << i << std::dec << ',' << serial << ',' << 1'600'000'000LL + i * 600LL << ','
                    << 1'600'000'000LL + i * 600LL + 604800 << ",300,2,8,2016,"
                    << "Nordvik Pharma AS,St. Brigid Hospital,CF-" << i
                    << ",North,0f8e6a52-3b1c-4d2e-9f00-1a2b3c4d5e6f\n";
            }
        }
        ::chmod(rows.c_str(), 0644);  // the server reads it
        connection_->RunScript(
            "COPY velka.recording (sha256, serial, start_time, stop_time, interval_seconds, "
            "lower_limit, upper_limit, samples, delivery_company, receiving_company, "
            "transport_number, site, workstation) FROM '" +
            rows + "' WITH (FORMAT csv)");
        connection_->Run(
            "INSERT INTO velka.recording_image (sha256, image) SELECT sha256, "
            "decode(repeat('00', 16384), 'hex') FROM velka.recording ORDER BY sha256 LIMIT $1",
            {kImageRows});
        connection_->RunScript("ANALYZE");
        std::filesystem::remove(rows);
    }

    std::unique_ptr<PgConnection> connection_;
    std::string problem_;
};

void QueryBench(benchmark::State& state, const CentralQuery& query) {
    LargeArchive& archive = LargeArchive::Shared();
    if (!archive.Problem().empty()) {
        state.SkipWithError(archive.Problem().c_str());
        return;
    }
    std::size_t rows = 0;
    for (auto _ : state)
        rows = QueryCentral(archive.Connection(), query).size();
    state.counters["rows"] = static_cast<double>(rows);
}

// One logger's recordings in a month: the dock asking "what did this logger record?".
void BM_QueryBySerialAndTimeRange(benchmark::State& state) {
    QueryBench(state, {"20000123", 1'600'000'000, 1'600'000'000 + 30LL * 86400 * 200, {}, 1000});
}
// The history's first page: 35 rows, newest first.
void BM_PageOf35NewestFirst(benchmark::State& state) {
    QueryBench(state, {{}, {}, {}, {}, 35});
}
BENCHMARK(BM_QueryBySerialAndTimeRange)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PageOf35NewestFirst)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace velka

BENCHMARK_MAIN();
