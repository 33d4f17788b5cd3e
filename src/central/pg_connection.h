#pragma once
// One connection to the central archive's PostgreSQL server through libpq, and the results of
// its statements. Every value goes as a bound parameter, never into the statement's text.

#include <cstdint>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

struct pg_conn;
struct pg_result;

namespace velka {

// Why the central archive could not do what was asked, in one line that names the cause
// (cannot be reached, the password, a missing role or right, no schema).
class CentralError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A statement's parameter: text, binary bytes (a bytea), or NULL.
struct PgParam {
    std::optional<std::string> value;
    bool binary = false;

    PgParam() = default;
    PgParam(std::string text) : value(std::move(text)) {}  // NOLINT: parameters read as values
    PgParam(const char* text) : value(text) {}             // NOLINT
    PgParam(std::int64_t number) : value(std::to_string(number)) {}  // NOLINT
    PgParam(int number) : value(std::to_string(number)) {}           // NOLINT
    static PgParam Bytes(std::string_view bytes) { return {std::string(bytes), true}; }
    static PgParam Null() { return {}; }

private:
    PgParam(std::string bytes, bool isBinary) : value(std::move(bytes)), binary(isBinary) {}
};

class PgResult {
public:
    explicit PgResult(pg_result* result);
    int Rows() const;
    bool IsNull(int row, int column) const;
    // The column's text (or, in a binary result, its bytes).
    std::string Text(int row, int column) const;
    std::int64_t Integer(int row, int column) const;
    double Number(int row, int column) const;

private:
    std::unique_ptr<pg_result, void (*)(pg_result*)> result_;
};

class PgConnection {
public:
    // Connects with a libpq connection string or "service=NAME"; a server that does not answer
    // gives up after 10 seconds unless the string says otherwise. Throws CentralError.
    explicit PgConnection(const std::string& connection);

    // Runs one statement; throws CentralError when the server refuses it. `binaryResult` returns
    // every column as bytes (for an image).
    PgResult Run(std::string_view statement, const std::vector<PgParam>& params = {},
                 bool binaryResult = false);
    // Runs statements without parameters, several separated by semicolons.
    void RunScript(std::string_view statements);

    // The role the session runs as.
    std::string User() const;

private:
    std::unique_ptr<pg_conn, void (*)(pg_conn*)> connection_;
};

// Runs `work` in a transaction: committed when it returns, rolled back when it throws.
template <typename Work> auto InTransaction(PgConnection& connection, Work&& work) {
    connection.RunScript("BEGIN");
    try {
        if constexpr (std::is_void_v<decltype(work())>) {
            work();
            connection.RunScript("COMMIT");
        } else {
            auto result = work();
            connection.RunScript("COMMIT");
            return result;
        }
    } catch (...) {
        try {
            connection.RunScript("ROLLBACK");
        } catch (const CentralError&) {
            // The connection is gone; the server rolls the transaction back itself.
        }
        throw;
    }
}

}  // namespace velka
