// velka-cli read, erase and write-settings run as a black box against the emulated logger:
// exit codes, output, the archive, and the logger's memory dumped afterwards.

#include "device/hid_report.h"
#include "device/hidapi_transport.h"
#include "device_test_images.h"
#include "storage/file_io.h"
#include "temp_dir.h"
#include "test_tables.h"

#include <cstdio>
#include <fstream>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <sys/wait.h>

namespace velka {
namespace {

constexpr std::int64_t kStart = 1525424825;

struct Outcome {
    int exitCode = -1;
    std::string out;
    std::string err;
};

class CliDeviceCommands : public ::testing::Test {
  protected:
    CliDeviceCommands() {
        original = testing::SyntheticLoggerImage(kStart);
        EXPECT_FALSE(WriteFileAtomically(dir / "logger.bin", original));
    }

    Outcome Run(const std::string& arguments) {
        const std::string errPath = (dir / "stderr.txt").string();
        const std::string command = std::string("TZ=UTC0 '") + VELKA_CLI + "' " + arguments +
                                    " --data-root '" + (dir / "root").string() + "' --reftable '" +
                                    testing::ReferenceFolder().string() + "' --now 1700000000 2>'" +
                                    errPath + "'";
        Outcome outcome;
        FILE* pipe = ::popen(command.c_str(), "r");
        if (pipe == nullptr)
            return outcome;
        char buffer[4096];
        std::size_t got = 0;
        while ((got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0)
            outcome.out.append(buffer, got);
        const int status = ::pclose(pipe);
        outcome.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        outcome.err = ReadWholeFile(errPath).value_or("");
        return outcome;
    }

    std::string Emulate(const std::string& extra = "") const {
        return "--emulate '" + (dir / "logger.bin").string() + "' --dump '" +
               (dir / "dump.bin").string() + "' " + extra;
    }

    LoggerImage Dump() const {
        LoggerImage image{};
        EXPECT_EQ(ReadImageFile(dir / "dump.bin", image), kImageSize);
        return image;
    }

    std::size_t ArchiveCount() const {
        std::error_code error;
        std::size_t count = 0;
        for ([[maybe_unused]] const auto& entry :
             std::filesystem::directory_iterator(dir / "root" / "Data", error))
            ++count;
        return count;
    }

    testing::TempDir dir;
    LoggerImage original{};
};

TEST_F(CliDeviceCommands, ReadArchivesAndPrintsTheDecode) {
    const Outcome outcome = Run("read " + Emulate());
    ASSERT_EQ(outcome.exitCode, 0) << outcome.err;
    EXPECT_EQ(outcome.err, "");
    const auto json = nlohmann::json::parse(outcome.out);
    EXPECT_EQ(json["serialText"], "0A1B2C3D");
    EXPECT_EQ(json["samples"].size(), 2016u);
    const std::string archivePath = json["archivePath"];
    EXPECT_EQ(std::filesystem::path(archivePath).filename(), "0A1B2C3D_2018-05-04_09-07-05.bin");
    LoggerImage archived{};
    ASSERT_EQ(ReadImageFile(archivePath, archived), kImageSize);
    EXPECT_TRUE(std::equal(archived.begin() + kSampleRegionOffset, archived.end(),
                           original.begin() + kSampleRegionOffset));
    EXPECT_EQ(Dump(), original);
}

TEST_F(CliDeviceCommands, ReadWithoutLoggerSaysSo) {
    HidapiProvider provider;
    if (provider.FindLogger())
        GTEST_SKIP() << "a logger is plugged in";
    const Outcome outcome = Run("read");
    EXPECT_EQ(outcome.exitCode, 1);
    EXPECT_EQ(outcome.err, "Please make sure device is connected correctly\n");
    EXPECT_EQ(outcome.out, "");
}

TEST_F(CliDeviceCommands, ReadBrokenOffArchivesNothing) {
    const Outcome outcome = Run("read " + Emulate("--scenario removed:50"));
    EXPECT_EQ(outcome.exitCode, 1);
    EXPECT_EQ(outcome.err, "Data read FAILED: the logger was unplugged during the transfer\n");
    EXPECT_EQ(outcome.out, "");
    EXPECT_EQ(ArchiveCount(), 0u);
    EXPECT_EQ(Dump(), original);
}

TEST_F(CliDeviceCommands, EraseArchivesFirstThenEmptiesTheRecord) {
    const Outcome outcome = Run("erase " + Emulate());
    ASSERT_EQ(outcome.exitCode, 0) << outcome.err;
    EXPECT_EQ(ArchiveCount(), 1u);
    const LoggerImage erased = Dump();
    EXPECT_TRUE(std::equal(erased.begin(), erased.begin() + kSampleRegionOffset, original.begin()));
    EXPECT_TRUE(std::all_of(erased.begin() + kSampleRegionOffset, erased.begin() + kSampleRegionEnd,
                            [](std::uint8_t byte) { return byte == 0; }));
    EXPECT_EQ(ReadU32(erased, kSerialNumberOffset), ReadU32(original, kSerialNumberOffset));
    EXPECT_TRUE(
        std::equal(kEraseCode.begin(), kEraseCode.begin() + 6, erased.begin() + kClearCodeOffset));
    EXPECT_TRUE(std::equal(erased.begin() + kSettingsBlockOffset,
                           erased.begin() + kDeliveryDateOffset,
                           original.begin() + kSettingsBlockOffset));
    EXPECT_TRUE(std::all_of(erased.begin() + kDeliveryDateOffset, erased.end(),
                            [](std::uint8_t byte) { return byte == 0; }));
}

TEST_F(CliDeviceCommands, FailedEraseIsReportedAndWritesNoSettings) {
    // Reports 1…394 are the acquisition; the erase's read-back starts at report 399.
    const Outcome outcome = Run("erase " + Emulate("--scenario error:420"));
    EXPECT_EQ(outcome.exitCode, 1);
    EXPECT_EQ(outcome.err, "Erase FAILED\n");
    const LoggerImage dump = Dump();
    EXPECT_TRUE(std::equal(dump.begin() + kSettingsBlockOffset, dump.end(),
                           original.begin() + kSettingsBlockOffset));
    EXPECT_TRUE(std::equal(dump.begin(), dump.begin() + kStatusBlockOffset, original.begin()));
}

TEST_F(CliDeviceCommands, WriteSettingsWritesWhatApplySettingsComputes) {
    std::ofstream(dir / "settings.json")
        << R"({"logInterval": 60, "alarmDelay": 300, "upperLimit": 8,
        "lowerLimit": 2, "deliveryCompany": "North Cold Store", "receivingCompany": "Harbour Pharma",
        "products": [{"name": "Vaccine", "unit": "kg", "quantity": 12}]})";
    const std::string settings = "'" + (dir / "settings.json").string() + "'";
    const Outcome outcome = Run("write-settings " + settings + " " + Emulate());
    ASSERT_EQ(outcome.exitCode, 0) << outcome.err;
    const Outcome applied = Run("apply-settings '" + (dir / "logger.bin").string() + "' " +
                                settings + " --out '" + (dir / "applied.bin").string() + "'");
    ASSERT_EQ(applied.exitCode, 0) << applied.err;
    LoggerImage expected{};
    ASSERT_EQ(ReadImageFile(dir / "applied.bin", expected), kImageSize);

    // The settings area as the Write encodes it; the status block and the record untouched.
    const LoggerImage dump = Dump();
    EXPECT_TRUE(std::equal(dump.begin() + kSettingsBlockOffset, dump.end(),
                           expected.begin() + kSettingsBlockOffset));
    EXPECT_TRUE(std::equal(dump.begin(), dump.begin() + kSettingsBlockOffset, original.begin()));
    EXPECT_EQ(ReadU16(dump, kLogIntervalOffset), 60);
}

TEST_F(CliDeviceCommands, RefusedSettingsWriteNothing) {
    std::ofstream(dir / "settings.json") << R"({"products": []})";
    const Outcome outcome =
        Run("write-settings '" + (dir / "settings.json").string() + "' " + Emulate());
    EXPECT_EQ(outcome.exitCode, 1);
    EXPECT_EQ(outcome.err, "Please Add Product Information\n");
    EXPECT_EQ(Dump(), original);
}

TEST_F(CliDeviceCommands, DumpWithoutEmulatedLoggerIsWrongUse) {
    EXPECT_EQ(Run("read --dump '" + (dir / "dump.bin").string() + "'").exitCode, 2);
    EXPECT_EQ(Run("read " + Emulate("--scenario sideways")).exitCode, 2);
}

} // namespace
} // namespace velka
