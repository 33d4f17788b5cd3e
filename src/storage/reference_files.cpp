#include "storage/reference_files.h"

#include "storage/file_io.h"

namespace velka {

std::filesystem::path DefaultReferenceFolder() {
    return ModuleDirectory() / "reftable";
}

ReferenceTables LoadReferenceTables(const std::filesystem::path& folder) {
    ReferenceTables tables;
    const std::pair<const char*, ReferenceTable*> files[] = {
        {"high.txt", &tables.high}, {"middle.txt", &tables.middle}, {"low.txt", &tables.low}};
    for (const auto& [name, table] : files) {
        if (const auto text = ReadWholeFile(folder / name))
            ParseReferenceTable(*text, *table);
    }
    return tables;
}

bool WriteCurrentTable(const DataRoot& dataRoot, const ReferenceTable& currentTable) {
    const std::filesystem::path path = dataRoot.CurrentTablePath();
    if (!EnsureDirectory(path.parent_path()))
        return false;
    return !WriteFileAtomically(path, FormatReferenceTable(currentTable));
}

}  // namespace velka
