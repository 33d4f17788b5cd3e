#pragma once
// A database of its own on the tests' PostgreSQL server for each test, the central archive's
// tables in it, and logger images to upload.

#include "central/central_schema.h"
#include "central/pg_connection.h"
#include "postgres_server.h"
#include "record/synthetic_recording.h"
#include "storage/file_io.h"
#include "test_tables.h"

#include <chrono>
#include <gtest/gtest.h>
#include <string>
#include <thread>

namespace velka::testing {

class CentralTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!Server().Problem().empty())
            GTEST_SKIP() << Server().Problem();
        database_ = Server().NewDatabase();
        PgConnection admin(Admin());
        InitCentralSchema(admin);
    }

    static PostgresServer& Server() { return PostgresServer::Shared(); }
    const std::string& Database() const { return database_; }
    std::string Admin() const { return Server().Connection(database_); }
    // A login role of this test's own (roles belong to the whole server) in `group`.
    std::string Login(const std::string& name, const std::string& group) const {
        const std::string role = name + "_" + database_;
        Server().Psql(database_, "CREATE ROLE " + role + " LOGIN IN ROLE " + group);
        return role;
    }
    std::string Count(const std::string& table) const {
        return Server().Psql(database_, "SELECT count(*) FROM velka." + table);
    }

    // A week-long synthetic recording; `number` tells serial and start apart.
    static LoggerImage Image(std::uint32_t number, std::size_t samples = 96) {
        SyntheticRecordingOptions options;
        options.serialNumber = 0x00C0FFEE + number;
        options.startTime = 1764547200 + static_cast<std::int64_t>(number) * 3600;
        options.sampleCount = samples;
        options.seed = number + 1;
        return SynthesizeRecording(options, DeliveredTables()).image;
    }
    // Waits at most `timeoutMs` for `condition`; whether it came true.
    template <typename Condition>
    static bool QueryWaits(Condition condition, int timeoutMs = 5000) {
        for (int waited = 0; waited < timeoutMs; waited += 10) {
            if (condition())
                return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return condition();
    }
    static void Store(const std::filesystem::path& path, const LoggerImage& image) {
        std::filesystem::create_directories(path.parent_path());
        ASSERT_FALSE(WriteFileAtomically(path, image));
    }

private:
    std::string database_;
};

}  // namespace velka::testing
