#pragma once
// Writing one report file: the writer library is handed a temporary path beside the report,
// and the file takes the report's name only once it is complete, so a failed export leaves no
// partial file and an earlier report at the same path survives it.

#include "reports/report_inputs.h"

#include <filesystem>
#include <functional>
#include <stdexcept>
#include <string>
#include <system_error>

namespace velka {

// Thrown by a writer that gives up; its text becomes the failure's message.
class ReportFailure : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// "cannot write <path>: <reason>", in the user's language.
std::string CannotWriteText(const std::filesystem::path& path, std::error_code error);

ExportResult WriteReportFile(const std::filesystem::path& reportPath,
                             const std::function<void(const std::filesystem::path&)>& write);

}  // namespace velka
