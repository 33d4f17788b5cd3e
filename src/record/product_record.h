#pragma once
// The product information table of the image: up to ten variable-length entries, the end mark
// 0x55 0xAA, zeros to the end of its 1,376 bytes, then the two-byte tail.

#include "record/logger_image.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace velka {

constexpr std::size_t kMaxProducts = 10;
constexpr std::size_t kMaxProductTableBytes = 1374;  // entries only; the end mark always fits
constexpr std::size_t kProductEntryFixedBytes =
    18;  // id, unit, quantity, zero, validity, 5 lengths
// Longest texts in code units (the record's slots hold one more for the terminator).
constexpr std::size_t kProductTextUnits =
    20;  // Number, Product Name, Specification Model, Shipment Number
constexpr std::size_t kBatchTextUnits = 16;  // Product Batch Number
constexpr std::size_t kUnitStoredUnits = 2;  // the image keeps the first two units of the unit

// One product entry in decoded form. Each length is the byte length of its text as stored
// (twice the code units for texts this system writes); the lengths are kept with the record.
struct ProductRecord {
    std::uint8_t id = 0;
    std::u16string unit;
    std::int32_t quantity = 0;
    std::uint32_t validity = 0;  // seconds since 1970
    std::uint8_t numberLength = 0;
    std::u16string number;
    std::uint8_t nameLength = 0;
    std::u16string name;
    std::uint8_t specLength = 0;
    std::u16string spec;
    std::uint8_t shipmentLength = 0;
    std::u16string shipment;
    std::uint8_t batchLength = 0;
    std::u16string batch;

    bool operator==(const ProductRecord&) const = default;
};

// Builds a record whose length bytes match its texts.
ProductRecord MakeProductRecord(std::uint8_t id, std::u16string unit, std::int32_t quantity,
                                std::uint32_t validity, std::u16string number, std::u16string name,
                                std::u16string spec, std::u16string shipment, std::u16string batch);

int EntrySize(const ProductRecord& record);
int TableUsedBytes(const std::vector<ProductRecord>& products);

using ProductArea = std::array<std::uint8_t, kProductAreaSize>;

// The 1,378 bytes of the table and its tail. Entries are written in list order; one that would
// leave no room for the end mark is not written (callers refuse such lists beforehand).
ProductArea BuildProductTable(const std::vector<ProductRecord>& products);

struct ParsedProducts {
    std::vector<ProductRecord> products;
    int tableUsedBytes = 0;
};

// The inverse of BuildProductTable. Parsing stops at the first byte that is not an id 1…10, and
// at an entry that would run past the 1,376-byte table or whose length byte exceeds its slot
// (40 bytes, 32 for the batch number); the entries before it are kept.
ParsedProducts ParseProductTable(std::span<const std::uint8_t, kProductAreaSize> area);

}  // namespace velka
