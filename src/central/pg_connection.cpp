#include "central/pg_connection.h"

#include <cstdlib>
#include <libpq-fe.h>

namespace velka {
namespace {

// The line of a libpq message that says what happened: the server's "FATAL:  …" or libpq's
// own last line, without the "connection to server … failed:" framing.
std::string CauseLine(std::string_view message) {
    std::string line;
    std::size_t start = 0;
    while (start < message.size()) {
        std::size_t end = message.find('\n', start);
        if (end == std::string_view::npos)
            end = message.size();
        std::string_view piece = message.substr(start, end - start);
        start = end + 1;
        if (const std::size_t failed = piece.find(" failed: ");
            failed != std::string_view::npos && piece.starts_with("connection to"))
            piece.remove_prefix(failed + 9);
        while (!piece.empty() && (piece.front() == ' ' || piece.front() == '\t'))
            piece.remove_prefix(1);
        if (!piece.empty())
            line = piece;
    }
    return line.empty() ? std::string("no reason given") : line;
}

bool Contains(std::string_view text, std::string_view part) {
    return text.find(part) != std::string_view::npos;
}

std::string ConnectionFailure(std::string_view message) {
    const std::string cause = CauseLine(message);
    if (Contains(cause, "password authentication failed") || Contains(cause, "no password"))
        return "the central archive refused the login (wrong or missing password): " + cause;
    if (Contains(cause, "role") && Contains(cause, "does not exist"))
        return "the central archive does not know this login role: " + cause;
    if (Contains(cause, "database") && Contains(cause, "does not exist"))
        return "the central archive's database does not exist: " + cause;
    return "the central archive cannot be reached: " + cause;
}

std::string StatementFailure(const PGresult* result, pg_conn* connection) {
    const char* state = result != nullptr ? PQresultErrorField(result, PG_DIAG_SQLSTATE) : nullptr;
    const char* primary =
        result != nullptr ? PQresultErrorField(result, PG_DIAG_MESSAGE_PRIMARY) : nullptr;
    const std::string message =
        primary != nullptr ? std::string(primary) : CauseLine(PQerrorMessage(connection));
    const std::string code = state != nullptr ? state : "";
    if (PQstatus(connection) == CONNECTION_BAD)
        return "the connection to the central archive was lost: " + message;
    if (code == "42P01" || code == "3F000" || code == "42883")
        return "the central archive has no schema (run velka-cli central init): " + message;
    if (code == "42501")
        return "the central archive refused (the login role lacks the right): " + message;
    return "the central archive refused: " + message;
}

// The result of a statement the server carried out; throws CentralError for any other.
PgResult Checked(pg_result* raw, pg_conn* connection) {
    PgResult result(raw);
    const ExecStatusType status = PQresultStatus(raw);
    if (raw == nullptr || (status != PGRES_COMMAND_OK && status != PGRES_TUPLES_OK))
        throw CentralError(StatementFailure(raw, connection));
    return result;
}

}  // namespace

PgResult::PgResult(pg_result* result) : result_(result, PQclear) {}

int PgResult::Rows() const {
    return PQntuples(result_.get());
}

bool PgResult::IsNull(int row, int column) const {
    return PQgetisnull(result_.get(), row, column) != 0;
}

std::string PgResult::Text(int row, int column) const {
    return std::string(PQgetvalue(result_.get(), row, column),
                       static_cast<std::size_t>(PQgetlength(result_.get(), row, column)));
}

std::int64_t PgResult::Integer(int row, int column) const {
    return std::strtoll(PQgetvalue(result_.get(), row, column), nullptr, 10);
}

double PgResult::Number(int row, int column) const {
    // The server writes numbers with a point whatever the client's locale; strtod would read
    // them by LC_NUMERIC.
    return std::stod(Text(row, column));
}

PgConnection::PgConnection(const std::string& connection) : connection_(nullptr, PQfinish) {
    // The user's string comes last, so that its own connect_timeout or application_name win.
    const char* const keywords[] = {"connect_timeout", "application_name", "dbname", nullptr};
    const char* const values[] = {"10", "velka", connection.c_str(), nullptr};
    connection_.reset(PQconnectdbParams(keywords, values, 1));
    if (connection_ == nullptr)
        throw CentralError("the central archive cannot be reached: out of memory");
    if (PQstatus(connection_.get()) != CONNECTION_OK)
        throw CentralError(ConnectionFailure(PQerrorMessage(connection_.get())));
    // The server's notices ("already exists, skipping") are no concern of the user's.
    PQsetNoticeProcessor(
        connection_.get(), [](void*, const char*) {}, nullptr);
}

PgResult PgConnection::Run(std::string_view statement, const std::vector<PgParam>& params,
                           bool binaryResult) {
    std::vector<const char*> values;
    std::vector<int> lengths;
    std::vector<int> formats;
    for (const PgParam& param : params) {
        values.push_back(param.value ? param.value->data() : nullptr);
        lengths.push_back(param.value ? static_cast<int>(param.value->size()) : 0);
        formats.push_back(param.binary ? 1 : 0);
    }
    const std::string text(statement);
    return Checked(PQexecParams(connection_.get(), text.c_str(), static_cast<int>(params.size()),
                                nullptr, values.data(), lengths.data(), formats.data(),
                                binaryResult ? 1 : 0),
                   connection_.get());
}

void PgConnection::RunScript(std::string_view statements) {
    const std::string text(statements);
    Checked(PQexec(connection_.get(), text.c_str()), connection_.get());
}

std::string PgConnection::User() const {
    return PQuser(connection_.get());
}

}  // namespace velka
