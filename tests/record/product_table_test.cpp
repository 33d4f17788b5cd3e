#include "record/product_record.h"

#include <gtest/gtest.h>
#include <vector>

namespace velka {
namespace {

ProductArea AreaWith(std::initializer_list<std::uint8_t> prefix) {
    ProductArea area{};
    std::copy(prefix.begin(), prefix.end(), area.begin());
    return area;
}

ProductRecord LongestProduct(std::uint8_t id) {
    return MakeProductRecord(id, u"unit", 1, 0, std::u16string(20, u'n'), std::u16string(20, u'p'),
                             std::u16string(20, u's'), std::u16string(20, u'h'),
                             std::u16string(16, u'b'));
}

// Seven entries that take exactly 1,374 bytes, the last one 114 bytes with an empty batch number.
std::vector<ProductRecord> FullTableProducts() {
    std::vector<ProductRecord> products;
    for (std::uint8_t id = 1; id <= 6; ++id)
        products.push_back(LongestProduct(id));
    products.push_back(MakeProductRecord(7, u"", 0, 0, std::u16string(20, u'a'),
                                         std::u16string(20, u'b'), std::u16string(8, u'c'), u"",
                                         u""));
    return products;
}

TEST(ProductTable, BuildsTheDocumentedEntryBytes) {
    const ProductArea area =
        BuildProductTable({MakeProductRecord(1, u"kg", 100, 0, u"N1", u"AB", u"", u"", u"B")});
    const std::vector<std::uint8_t> expected = {
        0x01, 0x6B, 0x00, 0x67, 0x00, 0x64, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x04, 0x4E,
        0x00, 0x31, 0x00, 0x04, 0x41, 0x00, 0x42, 0x00, 0x00, 0x00, 0x02, 0x42, 0x00, 0x55, 0xAA};
    EXPECT_EQ(std::vector<std::uint8_t>(area.begin(), area.begin() + 30), expected);
    EXPECT_TRUE(std::all_of(area.begin() + 30, area.end(), [](std::uint8_t b) { return b == 0; }));
    EXPECT_EQ(EntrySize(MakeProductRecord(1, u"kg", 100, 0, u"N1", u"AB", u"", u"", u"B")), 28);
}

TEST(ProductTable, EmptyListIsJustTheEndMark) {
    const ProductArea area = BuildProductTable({});
    EXPECT_EQ(area[0], 0x55);
    EXPECT_EQ(area[1], 0xAA);
    EXPECT_TRUE(std::all_of(area.begin() + 2, area.end(), [](std::uint8_t b) { return b == 0; }));
}

TEST(ProductTable, TablesWithoutAFirstIdAreEmpty) {
    for (const std::uint8_t first : {0x55, 0x00, 0xFF, 11}) {
        const ParsedProducts parsed = ParseProductTable(AreaWith({first, 0xAA}));
        EXPECT_TRUE(parsed.products.empty()) << int(first);
        EXPECT_EQ(parsed.tableUsedBytes, 0);
    }
}

TEST(ProductTable, RoundTripKeepsEveryField) {
    const std::vector<ProductRecord> products = {
        MakeProductRecord(3, u"kg", 65535, 4000000000u, u"N-1", u"Vaccine", u"10 ml", u"S1", u"B1"),
        MakeProductRecord(1, u"", 0, 0, u"", u"名称", u"", u"", u""), LongestProduct(7)};
    const ParsedProducts parsed = ParseProductTable(BuildProductTable(products));
    ASSERT_EQ(parsed.products.size(), 3u);
    EXPECT_EQ(parsed.products[0], products[0]);
    EXPECT_EQ(parsed.products[1], products[1]);
    // The unit keeps its first two code units in the image.
    ProductRecord longest = products[2];
    longest.unit = u"un";
    EXPECT_EQ(parsed.products[2], longest);
    EXPECT_EQ(parsed.tableUsedBytes, TableUsedBytes(products));
}

TEST(ProductTable, ImageKeepsTwoUnitCharactersAndSixteenQuantityBits) {
    const ParsedProducts parsed = ParseProductTable(
        BuildProductTable({MakeProductRecord(1, u"pcs.", 70000, 0, u"", u"x", u"", u"", u"")}));
    ASSERT_EQ(parsed.products.size(), 1u);
    EXPECT_EQ(parsed.products[0].unit, u"pc");
    EXPECT_EQ(parsed.products[0].quantity, 4464);
}

TEST(ProductTable, FullTableLeavesTheEndMarkInTheLastTwoBytes) {
    const std::vector<ProductRecord> products = FullTableProducts();
    ASSERT_EQ(TableUsedBytes(products), 1374);
    const ProductArea area = BuildProductTable(products);
    EXPECT_EQ(area[1374], 0x55);
    EXPECT_EQ(area[1375], 0xAA);
    EXPECT_EQ(area[1376], 0);
    EXPECT_EQ(area[1377], 0);
    const ParsedProducts parsed = ParseProductTable(area);
    EXPECT_EQ(parsed.products.size(), 7u);
    EXPECT_EQ(parsed.tableUsedBytes, 1374);
}

TEST(ProductTable, BuildNeverOverrunsTheArea) {
    // Callers refuse such lists; should one get through, the entries that don't fit are left
    // out instead of writing past the table.
    std::vector<ProductRecord> products;
    for (std::uint8_t id = 1; id <= 10; ++id)
        products.push_back(LongestProduct(id));
    const ProductArea area = BuildProductTable(products);
    const ParsedProducts parsed = ParseProductTable(area);
    EXPECT_EQ(parsed.products.size(), 6u);
    EXPECT_EQ(area[6 * 210], 0x55);
}

// A stored table this system never writes: the parse stops at the entry that does not fit its
// slot or the area, and keeps those before it.
TEST(ProductTable, OversizedLengthEndsTheParse) {
    std::vector<ProductRecord> products = {
        MakeProductRecord(1, u"kg", 5, 0, u"A", u"B", u"", u"", u""),
        MakeProductRecord(2, u"kg", 6, 0, u"C", u"D", u"", u"", u"")};
    ProductArea area = BuildProductTable(products);
    const int second = EntrySize(products[0]);
    area[second + 13] = 41;  // Number length beyond its 40-byte slot
    ParsedProducts parsed = ParseProductTable(area);
    ASSERT_EQ(parsed.products.size(), 1u);
    EXPECT_EQ(parsed.products[0], products[0]);
    EXPECT_EQ(parsed.tableUsedBytes, second);

    area = BuildProductTable(products);
    // Batch number length: 32 is its slot, 33 is beyond it.
    const int batchLengthAt = second + 13 + 3 + 3 + 1 + 1;
    ASSERT_EQ(area[batchLengthAt], 0);
    area[batchLengthAt] = 33;
    EXPECT_EQ(ParseProductTable(area).products.size(), 1u);
    area[batchLengthAt] = 32;
    EXPECT_EQ(ParseProductTable(area).products.size(), 2u);
}

TEST(ProductTable, EntryRunningPastTheTableEndsTheParse) {
    ProductArea area = BuildProductTable(FullTableProducts());
    // An id where the end mark was: its fixed part would run past byte 1,375.
    area[1374] = 8;
    ParsedProducts parsed = ParseProductTable(area);
    EXPECT_EQ(parsed.products.size(), 7u);
    EXPECT_EQ(parsed.tableUsedBytes, 1374);

    // The last entry's batch number grown by two bytes ends exactly at the table's end: kept.
    area = BuildProductTable(FullTableProducts());
    ASSERT_EQ(area[1373], 0);
    area[1373] = 2;
    area[1374] = 0x43;
    area[1375] = 0;
    parsed = ParseProductTable(area);
    ASSERT_EQ(parsed.products.size(), 7u);
    EXPECT_EQ(parsed.products[6].batch, u"C");
    EXPECT_EQ(parsed.tableUsedBytes, 1376);

    // Four bytes would reach into the tail: the entry is dropped, the six before it kept.
    area[1373] = 4;
    parsed = ParseProductTable(area);
    EXPECT_EQ(parsed.products.size(), 6u);
    EXPECT_EQ(parsed.tableUsedBytes, 1260);
}

TEST(ProductTable, AtMostTenEntriesAreRead) {
    ProductArea area{};
    // Bytes of 1 everywhere read as 23-byte entries with one-byte texts, far more than ten.
    std::fill(area.begin(), area.end(), 1);
    const ParsedProducts parsed = ParseProductTable(area);
    EXPECT_EQ(parsed.products.size(), 10u);
    EXPECT_EQ(parsed.tableUsedBytes, 230);
}

TEST(ProductTable, OddLengthKeepsTheLowByteOfTheLastUnit) {
    ProductArea area =
        BuildProductTable({MakeProductRecord(1, u"", 0, 0, u"AB", u"", u"", u"", u"")});
    area[13] = 3;  // "A" and the low byte of "B"
    // Shift the rest of the entry one byte left so the lengths still line up.
    std::copy(area.begin() + 18, area.end(), area.begin() + 17);
    const ParsedProducts parsed = ParseProductTable(area);
    ASSERT_EQ(parsed.products.size(), 1u);
    EXPECT_EQ(parsed.products[0].number, u"AB");
    EXPECT_EQ(parsed.products[0].numberLength, 3);
    EXPECT_EQ(EntrySize(parsed.products[0]), 21);
}

}  // namespace
}  // namespace velka
