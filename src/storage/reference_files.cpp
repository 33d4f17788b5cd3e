#include "storage/reference_files.h"

#include "services/translation.h"
#include "storage/file_io.h"

namespace velka {

std::filesystem::path DefaultReferenceFolder() {
    return ProgramFile("reftable");
}

std::string LoadedReferenceTables::ProblemText() const {
    if (Usable())
        return {};
    return WithArguments(Tr("Files", "The reference tables in %1 cannot be used: %2"),
                         {MessagePath(folder), problem});
}

LoadedReferenceTables LoadReferenceTables(const std::filesystem::path& folder) {
    LoadedReferenceTables tables;
    tables.folder = folder;
    const std::pair<const char*, ReferenceTable*> files[] = {
        {"high.txt", &tables.high}, {"middle.txt", &tables.middle}, {"low.txt", &tables.low}};
    for (const auto& [name, table] : files) {
        std::error_code error;
        const auto text = ReadWholeFile(folder / name, kLargestTextFileBytes, &error);
        std::string problem;
        if (!text) {
            problem = error.message();
        } else if (const std::size_t rows = ParseReferenceTable(*text, *table);
                   rows < kReferenceRows) {
            problem = WithArguments(Tr("Files", "%1 of %2 rows"),
                                    {std::to_string(rows), std::to_string(kReferenceRows)});
        } else if (const auto rowProblem = ReferenceTableProblem(*table)) {
            problem = *rowProblem;
        }
        if (!problem.empty() && tables.problem.empty())
            tables.problem = std::string(name) + ": " + problem;
    }
    return tables;
}

bool WriteCurrentTable(const DataRoot& dataRoot, const ReferenceTable& currentTable) {
    const std::filesystem::path path = dataRoot.CurrentTablePath();
    std::error_code error;
    if (!std::filesystem::is_directory(dataRoot.Root(), error) ||
        !EnsureDirectory(path.parent_path()))
        return false;
    return !WriteFileAtomically(path, FormatReferenceTable(currentTable));
}

}  // namespace velka
