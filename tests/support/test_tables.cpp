#include "test_tables.h"

#include "storage/reference_files.h"

#include <stdexcept>

namespace velka::testing {

std::filesystem::path ReferenceFolder() {
    return VELKA_TEST_REFTABLE_DIR;
}

const ReferenceTables& DeliveredTables() {
    static const ReferenceTables tables = [] {
        ReferenceTables loaded = LoadReferenceTables(ReferenceFolder());
        if (loaded.middle.rows[0].resistance == 0.0)
            throw std::runtime_error("the delivered reference tables are missing");
        return loaded;
    }();
    return tables;
}

}  // namespace velka::testing
