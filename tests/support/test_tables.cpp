#include "test_tables.h"

#include "storage/reference_files.h"

#include <stdexcept>

namespace velka::testing {

std::filesystem::path ReferenceFolder() {
    return VELKA_TEST_REFTABLE_DIR;
}

const LoadedReferenceTables& DeliveredTables() {
    static const LoadedReferenceTables tables = [] {
        LoadedReferenceTables loaded = LoadReferenceTables(ReferenceFolder());
        if (!loaded.Usable())
            throw std::runtime_error(loaded.ProblemText());
        return loaded;
    }();
    return tables;
}

}  // namespace velka::testing
