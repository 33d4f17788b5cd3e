// velka-cli scan: the archive folder's entries as JSON, in listing order.

#include "archive/archive_listing.h"
#include "archive_fixtures.h"
#include "cli_runner.h"
#include "temp_dir.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

namespace velka {
namespace {

namespace fs = std::filesystem;

using testing::CliResult;
using testing::RunCli;

TEST(ScanCommand, PrintsEveryStoredImageInListingOrder) {
    testing::TempDir temp;
    const fs::path data = temp / "root" / "Data";
    fs::create_directories(data);
    testing::ImageFields fields;
    fields.clockSetTime = 1'700'000'000;
    fields.startOffset = 600;
    fields.logInterval = 300;
    fields.sampleCount = 10;
    fields.deliveryDate = 1'700'086'400;
    fields.deliveryCompany = u"Kühlkette AG";
    testing::WriteBytes(data / "0A1B2C3D-1.bin", testing::MakeImage(fields));
    testing::WriteBytes(data / "0A1B2C3E-2.bin", testing::MakeImage(fields));
    testing::WriteBytes(data / "short.bin", std::vector<std::uint8_t>(100, 1));
    testing::WriteBytes(data / "caf\xe9.bin", testing::MakeImage(fields));  // Latin-1, not UTF-8
    testing::WriteBytes(data / "caf\xe8.bin", testing::MakeImage(fields));  // shown alike
    testing::WriteBytes(data / "notes.txt", {});

    const CliResult result = RunCli({"scan", "--data-root", (temp / "root").string()});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_TRUE(result.err.empty());
    const nlohmann::json list = nlohmann::json::parse(result.out);
    const std::vector<std::string> listing = ListArchiveFiles(data);
    ASSERT_EQ(list.size(), listing.size());
    ASSERT_EQ(list.size(), 5u);
    for (std::size_t i = 0; i < listing.size(); ++i) {
        const nlohmann::json& entry = list[i];
        const bool readable = listing[i] != "short.bin";
        // A name that is not UTF-8 is told apart from the other by its exact bytes.
        const bool utf8 = !listing[i].starts_with("caf");
        EXPECT_EQ(entry.size(), utf8 ? 7u : 8u);
        EXPECT_EQ(entry["fileName"], utf8 ? listing[i] : "caf\uFFFD.bin");
        if (!utf8) {
            EXPECT_EQ(testing::FromBase64(entry["fileNameBase64"]), listing[i]);
        }
        EXPECT_EQ(entry["startTime"], readable ? 1'700'000'600u : 0u);
        EXPECT_EQ(entry["stopTime"], readable ? 1'700'003'600u : 0u);
        EXPECT_EQ(entry["deliveryDate"], readable ? 1'700'086'400u : 0u);
        EXPECT_EQ(entry["deliveryCompany"], readable ? "Kühlkette AG" : "");
        EXPECT_EQ(entry["receivingCompany"], readable ? "St. Brigid" : "");
        EXPECT_EQ(entry["transportNumber"], readable ? "CF-20417" : "");
    }
    // The fields come in the order of the entry.
    EXPECT_LT(result.out.find("\"fileName\""), result.out.find("\"startTime\""));
    EXPECT_LT(result.out.find("\"transportNumber\""), result.out.find("\"deliveryDate\""));
}

// A data root without its archive folder holds an empty archive; a data root that is missing
// or cannot be listed is a failure, and nothing is made for it.
TEST(ScanCommand, ListsOnlyAnArchiveInAnExistingDataRoot) {
    testing::TempDir temp;
    fs::create_directory(temp / "new");
    testing::WriteBytes(temp / "blocked", {});  // a file where the data root should be
    const struct {
        const char* root;
        int exitCode;
        std::string out;
        std::string err;
    } cases[] = {
        {"new", 0, "[]\n", ""},
        {"missing", 1, "",
         "velka-cli scan: the data root " + (temp / "missing").string() + " does not exist\n"},
        {"blocked", 1, "",
         "cannot list " + (temp / "blocked" / "Data").string() + ": Not a directory\n"},
    };
    for (const auto& c : cases) {
        const CliResult result = RunCli({"scan", "--data-root", (temp / c.root).string()});
        EXPECT_EQ(result.exitCode, c.exitCode) << c.root;
        EXPECT_EQ(result.out, c.out) << c.root;
        EXPECT_EQ(result.err, c.err);
    }
    EXPECT_TRUE(fs::is_directory(temp / "new" / "Data"));
    EXPECT_FALSE(fs::exists(temp / "missing"));

    EXPECT_EQ(RunCli({"scan", "extra"}).exitCode, 2);
}

}  // namespace
}  // namespace velka
