// Arbitrary bytes as a stored product table: the parse must stay inside the area, and whatever
// it reads must build back into the same entries.
#include "record/product_record.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    velka::ProductArea area{};
    std::memcpy(area.data(), data, std::min(size, area.size()));
    const velka::ParsedProducts parsed = velka::ParseProductTable(area);
    if (parsed.tableUsedBytes < 0 || parsed.tableUsedBytes > 1376 || parsed.products.size() > 10)
        std::abort();
    if (parsed.tableUsedBytes != velka::TableUsedBytes(parsed.products))
        std::abort();
    if (parsed.tableUsedBytes <= 1374) {
        // The table keeps 16 bits of the quantity and zeros after them; a stored table may
        // hold other bytes there, which the parse reads as part of a 32-bit quantity.
        std::vector<velka::ProductRecord> expected = parsed.products;
        for (velka::ProductRecord& record : expected)
            record.quantity &= 0xFFFF;
        const velka::ParsedProducts again =
            velka::ParseProductTable(velka::BuildProductTable(parsed.products));
        if (again.products != expected || again.tableUsedBytes != parsed.tableUsedBytes)
            std::abort();
    }
    return 0;
}
