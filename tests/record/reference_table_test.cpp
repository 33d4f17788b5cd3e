#include "comma_locale.h"
#include "record/reference_table.h"
#include "temp_dir.h"
#include "test_tables.h"

#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <gtest/gtest.h>
#include <random>
#include <sstream>

namespace velka {
namespace {

using testing::DeliveredTables;

// The lookup as the rules state it, row by row, to hold the fast one against.
LookupResult RowScanLookup(double r, const ReferenceTable& table) {
    std::size_t i = 0;
    while (i < kReferenceRows && !(table.rows[i].resistance <= r))
        ++i;
    if (i == 0)
        return {table.rows[0].temperature, table.rows[0].resistance, 0};
    int row = kLastReferenceRow;
    if (i < kReferenceRows)
        row = table.rows[i - 1].resistance - r > r - table.rows[i].resistance
                  ? static_cast<int>(i)
                  : static_cast<int>(i - 1);
    return {row * 0.1 - 30.0, table.rows[static_cast<std::size_t>(row)].resistance, row};
}

void ExpectSame(const LookupResult& a, const LookupResult& b, double r) {
    EXPECT_EQ(a.row, b.row) << "R = " << r;
    // Bit-identical, NaN included.
    EXPECT_EQ(std::memcmp(&a.temperature, &b.temperature, sizeof(double)), 0) << "R = " << r;
    EXPECT_EQ(std::memcmp(&a.resistance, &b.resistance, sizeof(double)), 0) << "R = " << r;
}

ReferenceTable TableFromResistances(double first, double step) {
    ReferenceTable table;
    for (std::size_t i = 0; i < kReferenceRows; ++i)
        table.rows[i] = {RowTemperature(static_cast<int>(i)),
                         first - step * static_cast<double>(i)};
    return table;
}

TEST(Lookup, NearestRowWithTiesToTheColderRow) {
    const ReferenceTable table = TableFromResistances(2000.0, 1.0);  // row i has 2000 - i
    EXPECT_EQ(LookupTemperature(1500.0, table).row, 500);            // exact row
    EXPECT_EQ(LookupTemperature(1499.5, table).row, 500);            // halfway: colder row
    EXPECT_EQ(LookupTemperature(1499.4, table).row, 501);
    EXPECT_EQ(LookupTemperature(1499.6, table).row, 500);
    EXPECT_DOUBLE_EQ(LookupTemperature(1500.0, table).temperature, 20.0);
    EXPECT_EQ(LookupTemperature(1500.0, table).resistance, 1500.0);
}

TEST(Lookup, BeyondTheEndsOfTheTable) {
    ReferenceTable table = TableFromResistances(2000.0, 1.0);
    table.rows[0].temperature = -30.04;  // the file's own value is returned for row 0
    const LookupResult cold = LookupTemperature(5000.0, table);
    EXPECT_EQ(cold.row, 0);
    EXPECT_EQ(cold.temperature, -30.04);
    EXPECT_EQ(LookupTemperature(INFINITY, table).row, 0);
    // Hotter than +70.0 °C, zero and NaN: the warm end.
    for (const double r : {999.9, 0.0, -1.0, std::nan("")}) {
        const LookupResult warm = LookupTemperature(r, table);
        EXPECT_EQ(warm.row, 1000) << r;
        EXPECT_EQ(warm.temperature, 70.0) << r;
        EXPECT_EQ(warm.resistance, 1000.0) << r;
    }
    // The zero table gives row 0 with 0.0 °C for every positive resistance.
    EXPECT_EQ(LookupTemperature(12.0, ReferenceTable{}).temperature, 0.0);
}

TEST(Lookup, RowTemperatureIsComputedWithoutFusedMultiplyAdd) {
    EXPECT_EQ(RowTemperature(242), 242 * 0.1 - 30.0);
    EXPECT_NE(RowTemperature(242), -5.8);
    EXPECT_EQ(RowTemperature(0), -30.0);
    EXPECT_EQ(RowTemperature(1000), 70.0);
}

TEST(Lookup, FastLookupAgreesWithTheRowScanOnEveryKindOfTable) {
    std::mt19937 engine(20261209);
    std::uniform_real_distribution<double> uniform(0.0, 1.0);
    std::vector<ReferenceTable> tables = {DeliveredTables().middle, DeliveredTables().high,
                                          DeliveredTables().low, ReferenceTable{}};
    // Plateaus of equal resistances.
    ReferenceTable plateau = TableFromResistances(100.0, 0.1);
    for (std::size_t i = 300; i < 400; ++i)
        plateau.rows[i].resistance = 70.0;
    tables.push_back(plateau);
    // Not monotone: a bump, a rising table, NaN rows, random noise.
    ReferenceTable bump = DeliveredTables().middle;
    bump.rows[500].resistance = bump.rows[100].resistance;
    tables.push_back(bump);
    tables.push_back(TableFromResistances(0.0, -1.0));
    ReferenceTable withNan = DeliveredTables().middle;
    withNan.rows[700].resistance = std::nan("");
    tables.push_back(withNan);
    ReferenceTable noise;
    for (auto& row : noise.rows)
        row.resistance = uniform(engine) * 100.0;
    tables.push_back(noise);

    for (const ReferenceTable& table : tables) {
        const bool monotone = IsNonIncreasing(table);
        std::vector<double> probes = {0.0, -1.0, 1e300, INFINITY, std::nan("")};
        for (const auto& row : table.rows) {
            probes.push_back(row.resistance);
            probes.push_back(std::nextafter(row.resistance, 0.0));
            probes.push_back(std::nextafter(row.resistance, INFINITY));
        }
        for (int k = 0; k < 2000; ++k)
            probes.push_back(uniform(engine) * 250.0);
        for (const double r : probes) {
            ExpectSame(LookupTemperature(r, table), RowScanLookup(r, table), r);
            ExpectSame(LookupTemperature(r, table, monotone), RowScanLookup(r, table), r);
        }
    }
}

TEST(Lookup, DividerResistances) {
    EXPECT_EQ(ResistanceFromCalibration(0), 0.0);
    EXPECT_DOUBLE_EQ(ResistanceFromCalibration(32768), 5.1);
    EXPECT_EQ(ResistanceFromCalibration(65535), 65535 * 5.1 / 1);
    EXPECT_DOUBLE_EQ(ResistanceFromSample(512), 5.1);
    EXPECT_EQ(ResistanceFromSample(1023), (4096 - 4092) * 5.1 / 4092);
}

// Calibration words whose resistances are given: w = R x 65536 / (R + 5.1), rounded.
std::uint16_t WordFor(double resistance) {
    return static_cast<std::uint16_t>(std::lround(resistance * 65536.0 / (resistance + 5.1)));
}

TEST(CurrentTable, BlendsBetweenTheMiddleAndOneEdge) {
    const ReferenceTables& tables = DeliveredTables();
    const std::uint16_t a = WordFor(12.689);  // about 20 °C
    const int k = LookupTemperature(ResistanceFromCalibration(a), tables.middle).row;
    const double resA = tables.middle.rows[static_cast<std::size_t>(k)].resistance;

    // B's resistance equal to row k's: the middle table. (Row k is moved onto A's resistance
    // exactly, which the words can express.)
    ReferenceTables aligned = tables;
    aligned.middle.rows[static_cast<std::size_t>(k)].resistance = ResistanceFromCalibration(a);
    ReferenceTable current = BuildCurrentTable(aligned, a, a);
    for (std::size_t j = 0; j < kReferenceRows; j += 50)
        EXPECT_EQ(current.rows[j].resistance, aligned.middle.rows[j].resistance);

    // B beyond the high edge: the high table; beyond the low edge: the low table.
    current = BuildCurrentTable(tables, a, WordFor(40.0));
    for (std::size_t j = 0; j < kReferenceRows; j += 50)
        EXPECT_DOUBLE_EQ(current.rows[j].resistance, tables.high.rows[j].resistance);
    current = BuildCurrentTable(tables, a, WordFor(5.0));
    for (std::size_t j = 0; j < kReferenceRows; j += 50)
        EXPECT_DOUBLE_EQ(current.rows[j].resistance, tables.low.rows[j].resistance);

    // In between: row k takes B's resistance, every row moves the same fraction.
    const std::uint16_t b = WordFor(12.75);
    const double rb = ResistanceFromCalibration(b);
    ASSERT_GT(rb, resA);
    current = BuildCurrentTable(tables, a, b);
    EXPECT_NEAR(current.rows[static_cast<std::size_t>(k)].resistance, rb, 1e-12);
    const double f =
        (rb - resA) / (tables.high.rows[static_cast<std::size_t>(k)].resistance - resA);
    for (std::size_t j = 0; j < kReferenceRows; j += 37) {
        const double middle = tables.middle.rows[j].resistance;
        EXPECT_EQ(current.rows[j].resistance,
                  middle + (tables.high.rows[j].resistance - middle) * f);
        EXPECT_EQ(current.rows[j].temperature, tables.middle.rows[j].temperature);
    }
}

TEST(CurrentTable, DegenerateCalibrations) {
    const ReferenceTables& tables = DeliveredTables();
    // calibrationA 65535 lies above every row: k = 0, and B as high blends the high table.
    ReferenceTable current = BuildCurrentTable(tables, 65535, 65535);
    EXPECT_DOUBLE_EQ(current.rows[0].resistance, tables.high.rows[0].resistance);
    EXPECT_DOUBLE_EQ(current.rows[600].resistance, tables.high.rows[600].resistance);
    // calibrationA 0 (after an arrival) is resistance 0: k = 1000, and B above it blends high.
    current = BuildCurrentTable(tables, 0, 65535);
    EXPECT_DOUBLE_EQ(current.rows[1000].resistance, tables.high.rows[1000].resistance);

    // Edge equal to the middle at row k: the factor would divide by zero; it is 0 instead.
    ReferenceTables flat = tables;
    flat.high = flat.middle;
    flat.low = flat.middle;
    for (const std::uint16_t b : {std::uint16_t{0}, std::uint16_t{65535}}) {
        current = BuildCurrentTable(flat, WordFor(12.689), b);
        for (std::size_t j = 0; j < kReferenceRows; ++j)
            ASSERT_EQ(current.rows[j].resistance, tables.middle.rows[j].resistance) << j;
    }
}

TEST(TableFile, ReadsAtMostOneThousandAndOneLines) {
    std::ostringstream text;
    for (int i = 0; i < 1005; ++i)
        text << (i * 0.1 - 30.0) << "    " << (1000.0 - i) << "\r\n";
    ReferenceTable table;
    ParseReferenceTable(text.str(), table);
    EXPECT_FLOAT_EQ(static_cast<float>(table.rows[1000].resistance), 0.0f);
    EXPECT_FLOAT_EQ(static_cast<float>(table.rows[999].resistance), 1.0f);
    EXPECT_FLOAT_EQ(static_cast<float>(table.rows[0].temperature), -30.0f);
}

TEST(TableFile, ShortAndBrokenFilesLeaveTheOtherRowsAlone) {
    ReferenceTable table = TableFromResistances(5000.0, 1.0);
    ParseReferenceTable("1.5 2.5\n3.5 4.5\nnot a row\n7.5\n9.5    10.5", table);
    EXPECT_EQ(table.rows[0].resistance, 2.5);
    EXPECT_EQ(table.rows[1].temperature, 3.5);
    EXPECT_EQ(table.rows[2].resistance, 4998.0);  // not two numbers: row kept
    EXPECT_EQ(table.rows[3].resistance, 4997.0);
    EXPECT_EQ(table.rows[4].resistance, 10.5);
    EXPECT_EQ(table.rows[5].resistance, 4995.0);
    // Values are read in single precision, then widened.
    ParseReferenceTable("0    200.2039\n", table);
    EXPECT_EQ(table.rows[0].resistance, static_cast<double>(200.2039f));
}

TEST(TableFile, CurrentTableTextHasOneLinePerRow) {
    ReferenceTable table = DeliveredTables().middle;
    table.rows[3].resistance = 1e300;
    table.rows[4].resistance = std::nan("");
    const std::string text = FormatReferenceTable(table);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 1001);
    EXPECT_EQ(text.substr(0, text.find('\n') + 1), "-30.0    200.204\n");
    const std::string last = text.substr(text.rfind('\n', text.size() - 2) + 1);
    EXPECT_EQ(last, "70.0    1.760\n");
}

// The files are read as scanf's "%f    %f" reads them in the "C" locale, and written as
// printf's "%.1f    %.3f" writes them there, whatever the locale the program runs under: Qt
// sets the user's locale when the window starts, and a German desktop would make scanf read
// "-30.0" as -30 and stop, and printf write "-30,0".
TEST(TableFile, ReadAndWrittenAsInTheCLocaleUnderAnyLocale) {
    const char* const lines[] = {
        "-30.0    200.2039",
        "  5.5\t10.25 and a note",
        "+1.5 2",
        "1.5abc 2",
        "abc 1",
        "1e3    -2E-2",
        "inf nan",
        "1.    .5",
        "-.25",
        "",
        "7,5    3,25",
        "- 1    2",
    };
    std::vector<ReferenceRow> expected;
    for (const char* line : lines) {
        float temperature = 0.0f;
        float resistance = 0.0f;
        if (std::sscanf(line, "%f    %f", &temperature, &resistance) == 2)
            expected.push_back({temperature, resistance});
        else
            expected.push_back({});
    }
    const std::string delivered = FormatReferenceTable(DeliveredTables().middle);
    std::string wholeText;
    for (const char* line : lines) {
        wholeText += line;
        wholeText += '\n';
    }

    testing::TempDir folder;
    const testing::CommaLocale comma = testing::BuildCommaDecimalLocale(folder.Path());
    std::vector<std::string> locales = {"C"};
    if (comma.unavailable.empty())
        locales.push_back(comma.name);
    for (const std::string& locale : locales) {
        ASSERT_NE(std::setlocale(LC_ALL, locale.c_str()), nullptr) << locale;
        ReferenceTable table;
        ParseReferenceTable(wholeText, table);
        for (std::size_t i = 0; i < std::size(lines); ++i) {
            // Bit for bit: NaN compares unequal to itself.
            EXPECT_EQ(std::memcmp(&table.rows[i], &expected[i], sizeof(ReferenceRow)), 0)
                << locale << ": \"" << lines[i] << "\" read as " << table.rows[i].temperature
                << ", " << table.rows[i].resistance;
        }
        EXPECT_EQ(FormatReferenceTable(DeliveredTables().middle), delivered) << locale;
    }
    std::setlocale(LC_ALL, "C");
    if (!comma.unavailable.empty())
        GTEST_SKIP() << "only the C locale: " << comma.unavailable;
}

}  // namespace
}  // namespace velka
