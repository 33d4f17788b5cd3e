// velka-cli verify: the archive against its manifest and the audit log's chain. One summary
// line and exit 0 when everything holds; otherwise one line a problem, naming the file or the
// audit line, and exit 1. The run is recorded in the audit log when it can be.

#include "archive/archive_verify.h"
#include "audit/audit_log.h"
#include "commands.h"
#include "storage/file_io.h"

#include <sstream>

namespace velka::cli {
namespace {

std::string CutLinesText(const std::vector<std::size_t>& lines) {
    if (lines.empty())
        return {};
    std::ostringstream text;
    text << " (line";
    if (lines.size() > 1)
        text << 's';
    for (std::size_t i = 0; i < lines.size(); ++i)
        text << (i == 0 ? " " : ", ") << lines[i];
    text << " cut short by a crash while written)";
    return text.str();
}

}  // namespace

int RunVerify(const Arguments& arguments, Context& context) {
    if (!arguments.positional.empty())
        throw UsageError{"verify takes no positional arguments"};
    std::error_code error;
    if (!std::filesystem::is_directory(context.dataRoot.Root(), error))
        throw CommandFailure{"velka-cli verify: the data root " +
                             MessagePath(context.dataRoot.Root()) + " does not exist"};

    const ArchiveCheck archive = CheckArchive(context.dataRoot, SleepFor);
    const FixedClock clock(context.now);
    AuditLog audit(context.dataRoot, AuditIdentity::OfThisProcess(ProgramName("velka-cli")), clock);
    const AuditCheck chain = CheckAuditLog(audit.File());

    std::vector<std::string> problems = archive.problems;
    for (const AuditFinding& finding : chain.problems)
        problems.push_back(std::string(kAuditLogName) +
                           (finding.line == 0 ? "" : " line " + std::to_string(finding.line)) +
                           ": " + finding.text);
    for (const std::string& problem : problems)
        context.out << problem << '\n';
    if (problems.empty())
        context.out << "verified: " << archive.recordings << " recordings match "
                    << "SHA256SUMS; the audit log's " << chain.lines << " lines are unbroken"
                    << CutLinesText(chain.cutLines) << '\n';

    // Its own run goes into the log too; a log that cannot take it changes nothing here.
    const std::string result =
        problems.empty()
            ? "ok"
            : std::to_string(problems.size()) + (problems.size() == 1 ? " problem" : " problems");
    audit.Append("verify", {{"result", result}});
    if (problems.empty())
        return kExitSuccess;
    context.err << "velka-cli verify: " << result << '\n';
    return kExitFailure;
}

}  // namespace velka::cli
