#pragma once
// The delivered reference tables and the calibrated "current.txt" on disk.

#include "record/reference_table.h"
#include "storage/data_root.h"

#include <filesystem>
#include <string>

namespace velka {

// The three delivered tables as read from their folder, with the verdict: temperatures from
// tables that are missing, short or hold no numbers would be nonsense, and limits encoded
// through them would be written to a logger, so such tables are refused as a whole.
struct LoadedReferenceTables : ReferenceTables {
    std::filesystem::path folder;
    // Empty for usable tables; otherwise the first problem, "middle.txt: No such file or
    // directory", "low.txt: 10 of 1001 rows", "high.txt: row 12 holds no resistance".
    std::string problem;

    bool Usable() const { return problem.empty(); }
    // The one line a user reads: "The reference tables in FOLDER cannot be used: PROBLEM".
    std::string ProblemText() const;
};

// Reads high.txt, middle.txt and low.txt from `folder` (by default ProgramFile("reftable")),
// each a regular file of at most 1 MB, and checks them.
LoadedReferenceTables LoadReferenceTables(const std::filesystem::path& folder);
std::filesystem::path DefaultReferenceFolder();

// Writes the calibrated table as DATA-ROOT/reftable/current.txt, into a data root that exists
// only: the file is for inspection, and decoding a file must not make a data root appear.
// Failure is silent to the user; the result tells the caller.
bool WriteCurrentTable(const DataRoot& dataRoot, const ReferenceTable& currentTable);

}  // namespace velka
