#pragma once
// The audit log, DATA-ROOT/audit.jsonl: one JSON object a line, only ever appended, each line
// carrying the SHA-256 of the line before it ("prev"; 64 zeros on the first), so that a line
// changed, removed or moved breaks the chain where it happened. Appends hold flock on the log
// from reading its last line to the fsync of the new one, so two programs never fork the chain.
// It gives tamper evidence, not access control: whoever may write the file may also rewrite the
// whole chain.

#include "services/clock.h"
#include "storage/data_root.h"
#include "storage/exclusive_lock.h"

#include <cstddef>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

namespace velka {

inline constexpr const char* kAuditLogName = "audit.jsonl";
// The "prev" of the first line.
inline const std::string kFirstPrev(64, '0');

// The program and its version as each line names them: "velka 1.0".
std::string ProgramName(std::string_view program);

// Who writes the lines: the login name, the machine and the program with its version.
struct AuditIdentity {
    std::string user;
    std::string host;
    std::string program;

    // This process's user and machine.
    static AuditIdentity OfThisProcess(std::string program);
};

class AuditLog {
public:
    // Every argument must outlive the log; `clock` gives each line's time.
    AuditLog(const DataRoot& root, AuditIdentity identity, const Clock& clock,
             LockWait wait = SleepFor);

    const std::filesystem::path& File() const { return file_; }
    // The program the lines name (velka-cli's session is the window's code under another name).
    void SetProgram(std::string program) { identity_.program = std::move(program); }

    // Appends {"time", "user", "host", "program", "event", the details in their order, "prev"}.
    // A last line cut short by a crash is ended first, so the new line starts a line of its own.
    // The data root must exist; nothing is created above the log.
    std::error_code Append(std::string_view event, const nlohmann::ordered_json& details) const;

private:
    std::filesystem::path file_;
    AuditIdentity identity_;
    const Clock& clock_;
    LockWait wait_;
};

struct AuditFinding {
    std::size_t line = 0;  // 1 for the first line
    std::string text;
};

struct AuditCheck {
    std::size_t lines = 0;
    std::vector<AuditFinding> problems;  // the chain broken: a line changed, removed or moved
    std::vector<std::size_t> cutLines;   // lines cut short by a crash; the chain goes on past them
};

// Follows the chain of the log; a log that does not exist has no lines and no problems. An error
// (the log cannot be read) is one problem at line 0.
AuditCheck CheckAuditLog(const std::filesystem::path& file);

// "2026-12-04T10:21:00Z".
std::string IsoUtcTime(std::int64_t seconds);

}  // namespace velka
