// The analysis choice in config.ini: what each value a hand or another version may have left
// there gives, and a write that keeps the rest of the file.

#include "config/analysis_settings.h"
#include "storage/data_root.h"
#include "storage/file_io.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

namespace velka {
namespace {

TEST(AnalysisSettings, EachValueGivesItselfOrTheDefault) {
    struct Case {
        const char* lines;
        AnalysisChoice expected;
    };
    const Case cases[] = {
        {"", {83.144, "logger"}},
        {"MKT Activation Energy=100.5\nAlarm Profile=usp-crt\n", {100.5, "usp-crt"}},
        {"mkt activation energy = 40\nalarm profile = who-pqs-2\n", {40, "who-pqs-2"}},
        {"MKT Activation Energy=150\n", {150, "logger"}},
        {"MKT Activation Energy=1e2\n", {100, "logger"}},
        // Outside 40…150, a comma, a unit or nothing at all: the default.
        {"MKT Activation Energy=39.99\n", {83.144, "logger"}},
        {"MKT Activation Energy=150.01\n", {83.144, "logger"}},
        {"MKT Activation Energy=90,5\n", {83.144, "logger"}},
        {"MKT Activation Energy=90 kJ/mol\n", {83.144, "logger"}},
        {"MKT Activation Energy=nan\n", {83.144, "logger"}},
        {"MKT Activation Energy=\n", {83.144, "logger"}},
        // Profile names are exact.
        {"Alarm Profile=WHO-PQS-1\n", {83.144, "logger"}},
        {"Alarm Profile=none\n", {83.144, "logger"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ReadAnalysisChoice(ProfileFile::Parse(std::string("[Velka]\n") + c.lines)),
                  c.expected)
            << c.lines;
}

TEST(AnalysisSettings, SavingKeepsTheRestOfTheFileAndReadsBack) {
    testing::TempDir dir;
    const auto config = dir / "velka" / "config.ini";
    EXPECT_EQ(LoadAnalysisChoice(config), AnalysisChoice{});

    ASSERT_TRUE(EnsureDirectory(config.parent_path()));
    ASSERT_FALSE(WriteFileAtomically(config, std::string("; mine\n[Velka]\nCheck WP Enable=1\n"
                                                         "Alarm Profile=logger\n")));
    ASSERT_FALSE(SaveAnalysisChoice(config, {112.25, "who-pqs-1"}));
    EXPECT_EQ(ReadWholeFile(config), "; mine\n[Velka]\nCheck WP Enable=1\nAlarm Profile=who-pqs-1\n"
                                     "MKT Activation Energy=112.25\n");
    EXPECT_EQ(LoadAnalysisChoice(config), (AnalysisChoice{112.25, "who-pqs-1"}));
}

}  // namespace
}  // namespace velka
