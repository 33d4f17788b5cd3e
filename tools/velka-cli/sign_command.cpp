// velka-cli sign: a report signed with a certificate from an NSS database, as a copy beside it;
// the signing goes into the audit log of the data root when there is one.

#include "audit/audit_log.h"
#include "commands.h"
#include "export_targets.h"
#include "signing/report_signing.h"
#include "storage/file_io.h"

namespace velka::cli {
namespace {

// A password never goes on the command line, where other users see it: a file holds it, its
// first line without the line end.
std::optional<std::string> PasswordFromFile(const Arguments& arguments) {
    const std::optional<std::string> path = arguments.Value("--password-file");
    if (!path)
        return std::nullopt;
    std::error_code error;
    const std::optional<std::string> text = ReadWholeFile(*path, 4096, &error);
    if (!text)
        throw CommandFailure{"velka-cli sign: cannot read " + DescribeFileError(*path, error)};
    return text->substr(0, text->find_first_of("\r\n"));
}

}  // namespace

int RunSign(const Arguments& arguments, Context& context) {
    if (arguments.positional.size() != 1)
        throw UsageError{"sign takes one REPORT.pdf"};
    SigningRequest request;
    request.report = arguments.positional[0];
    request.output = arguments.RequiredValue("--out");
    request.nickname = arguments.RequiredValue("--cert");
    request.reason = arguments.RequiredValue("--reason");
    if (request.reason.empty())
        throw UsageError{"--reason needs the meaning of the signature"};
    request.nssDatabase = arguments.Value("--nssdb").value_or(DefaultNssDatabase(HomeFolder()));
    request.password = PasswordFromFile(arguments);
    CheckExportTargets(request.report, {{"--out", request.output}},
                       KeptFiles{context.dataRoot, context.referenceFolder, context.settingsFile},
                       arguments.Flag("--force"));

    const SigningOutcome outcome = SignReport(request);
    if (!outcome.signedReport)
        throw CommandFailure{"velka-cli sign: " + outcome.failure};
    std::error_code error;
    if (std::filesystem::is_directory(context.dataRoot.Root(), error)) {
        const FixedClock clock(outcome.time);
        const AuditLog audit(context.dataRoot,
                             AuditIdentity::OfThisProcess(ProgramName("velka-cli")), clock);
        if (const std::error_code failed = audit.Append(
                "sign", {{"report", std::filesystem::absolute(request.output, error).string()},
                         {"signer", outcome.signer},
                         {"reason", request.reason},
                         {"sha256", outcome.sha256}}))
            context.err << "velka-cli sign: the audit log cannot be written: "
                        << DescribeFileError(audit.File(), failed) << std::endl;
    }
    context.out << nlohmann::ordered_json{{"signed", request.output.string()},
                                          {"signer", outcome.signer},
                                          {"time", outcome.time},
                                          {"reason", request.reason},
                                          {"sha256", outcome.sha256}}
                       .dump()
                << '\n';
    return kExitSuccess;
}

}  // namespace velka::cli
