// velka-cli central: the central archive on PostgreSQL (init, sync, query, get, verify).

#include "central/central_query.h"
#include "central/central_schema.h"
#include "central/central_sync.h"
#include "central_options.h"
#include "commands.h"
#include "path_json.h"
#include "storage/file_io.h"
#include "storage/sha256.h"

#include <nlohmann/json.hpp>
#include <set>
#include <string_view>

namespace velka::cli {
namespace {

// The logger's times are unsigned 32-bit seconds since 1970.
constexpr long long kLatestTime = 0xFFFFFFFFLL;

// What each action takes besides the connection.
struct Action {
    std::string_view name;
    std::size_t positional;  // after the action's name
    std::set<std::string> options;
};

const Action kActions[] = {
    {"init", 0, {}},
    {"sync", 0, {"--site"}},
    {"query", 0, {"--serial", "--from", "--to", "--text", "--limit"}},
    {"get", 1, {"--out", "--force"}},
    {"verify", 0, {}},
};

const Action& CheckedAction(const Arguments& arguments) {
    if (arguments.positional.empty())
        throw UsageError{"central needs an action: init, sync, query, get or verify"};
    const std::string& name = arguments.positional[0];
    const Action* action = nullptr;
    for (const Action& candidate : kActions)
        action = candidate.name == name ? &candidate : action;
    if (action == nullptr)
        throw UsageError{"unknown central action \"" + name + "\""};
    if (arguments.positional.size() != action->positional + 1)
        throw UsageError{"central " + name + " takes " + std::to_string(action->positional) +
                         " argument" + (action->positional == 1 ? "" : "s")};
    // The global options (--data-root, --config …) go to every action.
    std::set<std::string> own;
    for (const Action& candidate : kActions)
        own.insert(candidate.options.begin(), candidate.options.end());
    const auto check = [&](const std::string& option) {
        if (own.contains(option) && !action->options.contains(option))
            throw UsageError{"central " + name + " takes no " + option};
    };
    for (const auto& entry : arguments.values)
        check(entry.first);
    for (const std::string& flag : arguments.flags)
        check(flag);
    return *action;
}

LoadedReferenceTables UsableTables(const Context& context) {
    LoadedReferenceTables tables = LoadReferenceTables(context.referenceFolder);
    if (!tables.Usable())
        throw CommandFailure{"velka-cli central: " + tables.ProblemText()};
    return tables;
}

nlohmann::ordered_json Optional(const auto& value) {
    return value ? nlohmann::ordered_json(*value) : nlohmann::ordered_json(nullptr);
}

nlohmann::ordered_json RowJson(const CentralRow& row) {
    const CentralRecording& r = row.recording;
    return {{"sha256", r.sha256},
            {"serial", r.serial},
            {"startTime", r.startTime},
            {"stopTime", r.stopTime},
            {"interval", r.intervalSeconds},
            {"samples", r.samples},
            {"lowerLimit", r.lowerLimit},
            {"upperLimit", r.upperLimit},
            {"highest", Optional(r.highest)},
            {"lowest", Optional(r.lowest)},
            {"average", Optional(r.average)},
            {"mkt", Optional(r.mkt)},
            {"secondsAbove", Optional(r.secondsAbove)},
            {"secondsBelow", Optional(r.secondsBelow)},
            {"deliveryCompany", JsonText(r.deliveryCompany)},
            {"receivingCompany", JsonText(r.receivingCompany)},
            {"transportCompany", JsonText(r.transportCompany)},
            {"transportNumber", JsonText(r.transportNumber)},
            {"deliveryDate", r.deliveryDate},
            {"site", JsonText(row.site)},
            {"workstation", row.workstation},
            {"host", JsonText(row.host)},
            {"uploadedBy", JsonText(row.uploadedBy)},
            {"uploadedAt", row.uploadedAt}};
}

int Sync(const Arguments& arguments, Context& context, PgConnection& connection) {
    const LoadedReferenceTables tables = UsableTables(context);
    const UploadOrigin origin = CentralOrigin(arguments, context);
    const SyncReport report =
        SyncToCentral(connection, context.dataRoot, tables, origin, context.now);
    nlohmann::ordered_json skipped = nlohmann::ordered_json::array();
    for (const std::string& file : report.skipped)
        skipped.push_back(JsonText(file));
    context.out << nlohmann::ordered_json{{"workstation", origin.workstation},
                                          {"site", JsonText(origin.site)},
                                          {"images", report.images},
                                          {"uploaded", report.uploaded},
                                          {"alreadyThere", report.alreadyThere},
                                          {"auditLines", report.auditLines},
                                          {"skipped", skipped}}
                       .dump()
                << '\n';
    return kExitSuccess;
}

int Query(const Arguments& arguments, Context& context, PgConnection& connection) {
    CentralQuery query;
    query.serial = arguments.Value("--serial");
    if (const auto from = arguments.Integer("--from", 0, kLatestTime))
        query.from = *from;
    if (const auto to = arguments.Integer("--to", 0, kLatestTime))
        query.to = *to;
    query.text = arguments.Value("--text");
    query.limit =
        static_cast<int>(arguments.Integer("--limit", 1, 1000000).value_or(kDefaultQueryLimit));
    nlohmann::ordered_json list = nlohmann::ordered_json::array();
    for (const CentralRow& row : QueryCentral(connection, query))
        list.push_back(RowJson(row));
    context.out << list.dump() << '\n';
    return kExitSuccess;
}

int Get(const Arguments& arguments, Context& context, PgConnection& connection) {
    const std::string& sha256 = arguments.positional[1];
    if (!IsSha256Hex(sha256))
        throw UsageError{"central get takes a SHA-256 of 64 lower-case hexadecimal digits"};
    const std::filesystem::path out = arguments.RequiredValue("--out");
    const std::optional<LoggerImage> image = FetchCentralImage(connection, sha256);
    if (!image)
        throw CommandFailure{"velka-cli central: the central archive holds no recording " + sha256};
    const std::error_code error = arguments.Flag("--force") ? WriteFileAtomically(out, *image)
                                                            : WriteNewFileAtomically(out, *image);
    if (error == std::errc::file_exists)
        throw CommandFailure{"velka-cli central: " + MessagePath(out) +
                             " exists (--force replaces it)"};
    if (error)
        throw CommandFailure{"velka-cli central: cannot write " + DescribeFileError(out, error)};
    nlohmann::ordered_json json{{"sha256", sha256}};
    PutPath(json, "out", out);
    context.out << json.dump() << '\n';
    return kExitSuccess;
}

int Verify(Context& context, PgConnection& connection) {
    const LoadedReferenceTables tables = UsableTables(context);
    const CentralCheck check = VerifyCentral(connection, tables, context.now);
    nlohmann::ordered_json problems = nlohmann::ordered_json::array();
    for (const CentralProblem& problem : check.problems) {
        problems.push_back({{"sha256", problem.sha256}, {"problem", problem.problem}});
        context.err << "velka-cli central: " << problem.sha256 << ": " << problem.problem << '\n';
    }
    context.out << nlohmann::ordered_json{{"images", check.images}, {"problems", problems}}.dump()
                << '\n';
    return check.problems.empty() ? kExitSuccess : kExitFailure;
}

}  // namespace

int RunCentral(const Arguments& arguments, Context& context) {
    const Action& action = CheckedAction(arguments);
    PgConnection connection(CentralConnection(arguments, context, "central"));
    if (action.name == "init") {
        InitCentralSchema(connection);
        context.out << nlohmann::ordered_json{{"schemaVersion", kCentralSchemaVersion}}.dump()
                    << '\n';
        return kExitSuccess;
    }
    if (action.name == "sync")
        return Sync(arguments, context, connection);
    if (action.name == "query")
        return Query(arguments, context, connection);
    if (action.name == "get")
        return Get(arguments, context, connection);
    return Verify(context, connection);
}

}  // namespace velka::cli
