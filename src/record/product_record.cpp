#include "record/product_record.h"

#include <algorithm>

namespace velka {
namespace {

constexpr std::size_t kTextSlotBytes = 2 * kProductTextUnits;
constexpr std::size_t kBatchSlotBytes = 2 * kBatchTextUnits;

std::uint8_t ByteLength(const std::u16string& text, std::size_t slotUnits) {
    return static_cast<std::uint8_t>(2 * std::min(text.size(), slotUnits));
}

// A stored text of L bytes, copied into a zero-filled slot and ended at its first zero unit.
// An odd length leaves the low byte of one more unit.
std::u16string TextFromBytes(const std::uint8_t* bytes, std::size_t length) {
    std::u16string text;
    for (std::size_t i = 0; i < length; i += 2) {
        const std::uint16_t low = bytes[i];
        const std::uint16_t high = i + 1 < length ? bytes[i + 1] : 0;
        const char16_t unit = static_cast<char16_t>(low | (high << 8));
        if (unit == 0)
            break;
        text.push_back(unit);
    }
    return text;
}

// Writes the length byte and the first `length` bytes of the text's code units (zero beyond
// the text's end).
void WriteText(std::uint8_t* out, std::uint8_t length, const std::u16string& text) {
    out[0] = length;
    for (std::size_t i = 0; i < length; ++i) {
        const std::size_t unit = i / 2;
        const std::uint16_t value = unit < text.size() ? text[unit] : 0;
        out[1 + i] = static_cast<std::uint8_t>(i % 2 == 0 ? value : value >> 8);
    }
}

}  // namespace

ProductRecord MakeProductRecord(std::uint8_t id, std::u16string unit, std::int32_t quantity,
                                std::uint32_t validity, std::u16string number, std::u16string name,
                                std::u16string spec, std::u16string shipment,
                                std::u16string batch) {
    ProductRecord record;
    record.id = id;
    record.unit = std::move(unit);
    record.quantity = quantity;
    record.validity = validity;
    record.numberLength = ByteLength(number, kProductTextUnits);
    record.number = std::move(number);
    record.nameLength = ByteLength(name, kProductTextUnits);
    record.name = std::move(name);
    record.specLength = ByteLength(spec, kProductTextUnits);
    record.spec = std::move(spec);
    record.shipmentLength = ByteLength(shipment, kProductTextUnits);
    record.shipment = std::move(shipment);
    record.batchLength = ByteLength(batch, kBatchTextUnits);
    record.batch = std::move(batch);
    return record;
}

int EntrySize(const ProductRecord& record) {
    return static_cast<int>(kProductEntryFixedBytes) + record.numberLength + record.nameLength +
           record.specLength + record.shipmentLength + record.batchLength;
}

int TableUsedBytes(const std::vector<ProductRecord>& products) {
    int used = 0;
    for (const ProductRecord& record : products)
        used += EntrySize(record);
    return used;
}

ProductArea BuildProductTable(const std::vector<ProductRecord>& products) {
    ProductArea area{};
    std::size_t p = 0;
    for (const ProductRecord& source : products) {
        ProductRecord record = source;
        // A length beyond its slot is never produced by this system; never let one overrun.
        record.numberLength = std::min<std::uint8_t>(record.numberLength, kTextSlotBytes);
        record.nameLength = std::min<std::uint8_t>(record.nameLength, kTextSlotBytes);
        record.specLength = std::min<std::uint8_t>(record.specLength, kTextSlotBytes);
        record.shipmentLength = std::min<std::uint8_t>(record.shipmentLength, kTextSlotBytes);
        record.batchLength = std::min<std::uint8_t>(record.batchLength, kBatchSlotBytes);
        const auto size = static_cast<std::size_t>(EntrySize(record));
        if (p + size > kMaxProductTableBytes)
            break;

        std::uint8_t* entry = area.data() + p;
        entry[0] = record.id;
        for (std::size_t unit = 0; unit < kUnitStoredUnits; ++unit) {
            const std::uint16_t value = unit < record.unit.size() ? record.unit[unit] : 0;
            WriteU16(area, p + 1 + 2 * unit, value);
        }
        WriteU16(area, p + 5, static_cast<std::uint16_t>(record.quantity));
        WriteU32(area, p + 9, record.validity);
        std::size_t q = p + 13;
        for (const auto& [length, text] : {std::pair{record.numberLength, &record.number},
                                           {record.nameLength, &record.name},
                                           {record.specLength, &record.spec},
                                           {record.shipmentLength, &record.shipment},
                                           {record.batchLength, &record.batch}}) {
            WriteText(area.data() + q, length, *text);
            q += 1 + length;
        }
        p += size;
    }
    area[p] = 0x55;
    area[p + 1] = 0xAA;
    return area;
}

ParsedProducts ParseProductTable(std::span<const std::uint8_t, kProductAreaSize> area) {
    ParsedProducts parsed;
    std::size_t p = 0;
    // Every read below stays inside the 1,376-byte table; an entry that would leave it ends
    // the parse.
    const auto fits = [](std::size_t from, std::size_t count) {
        return from + count <= kProductTableSize;
    };
    while (p < kProductTableSize && area[p] >= 1 && area[p] <= kMaxProducts) {
        if (!fits(p, 14))
            break;
        ProductRecord record;
        record.id = area[p];
        for (std::size_t unit = 0; unit < kUnitStoredUnits; ++unit) {
            const char16_t value = static_cast<char16_t>(ReadU16(area, p + 1 + 2 * unit));
            if (value == 0)
                break;
            record.unit.push_back(value);
        }
        record.quantity = static_cast<std::int32_t>(ReadU32(area, p + 5));
        record.validity = ReadU32(area, p + 9);

        std::size_t q = p + 13;
        bool complete = true;
        const std::array<std::pair<std::uint8_t*, std::u16string*>, 5> texts{{
            {&record.numberLength, &record.number},
            {&record.nameLength, &record.name},
            {&record.specLength, &record.spec},
            {&record.shipmentLength, &record.shipment},
            {&record.batchLength, &record.batch},
        }};
        for (std::size_t t = 0; t < texts.size(); ++t) {
            const std::size_t slotBytes = t + 1 == texts.size() ? kBatchSlotBytes : kTextSlotBytes;
            if (!fits(q, 1)) {
                complete = false;
                break;
            }
            const std::uint8_t length = area[q];
            if (length > slotBytes || !fits(q + 1, length)) {
                complete = false;
                break;
            }
            *texts[t].first = length;
            *texts[t].second = TextFromBytes(area.data() + q + 1, length);
            q += 1 + length;
        }
        if (!complete)
            break;
        parsed.products.push_back(std::move(record));
        p = q;
        if (parsed.products.size() == kMaxProducts)
            break;
    }
    parsed.tableUsedBytes = static_cast<int>(p);
    return parsed;
}

}  // namespace velka
