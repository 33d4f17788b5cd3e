#pragma once
// A real PostgreSQL 15 for the tests of the central archive: initdb and pg_ctl in a temporary
// folder, reached only through a Unix socket there (no TCP), stopped and removed at the end,
// also when the test program dies (a watcher process outlives it for that). PostgreSQL refuses
// to run as root: run as root, the server runs as the "postgres" user the package creates.
//
// Logins: "velka_admin" (the superuser, trusted), and any role the tests create; the role
// "velka_password" must give its password (scram-sha-256).

#include "temp_dir.h"

#include <memory>
#include <string>

namespace velka::testing {

class PostgresServer {
public:
    // The one server of this test program, started on first use.
    static PostgresServer& Shared();

    // Empty when the server runs; else why not (the binaries are missing, initdb failed).
    const std::string& Problem() const { return problem_; }

    // A libpq connection string to `database` as `user` (more options may follow, "a=b").
    std::string Connection(const std::string& database, const std::string& user = "velka_admin",
                           const std::string& more = "") const;
    // The folder of the server's data, socket and log; the server may read files put there.
    const std::string& Folder() const { return folder_; }
    // A new empty database for one test: its name.
    std::string NewDatabase();
    // Runs SQL as the superuser in `database` through psql; its output, or throws.
    std::string Psql(const std::string& database, const std::string& sql) const;

    ~PostgresServer();

private:
    PostgresServer();
    void Start();

    std::string bin_;
    std::string folder_;  // holds data/, the socket and the log
    std::string problem_;
    int databases_ = 0;
    int watcher_ = -1;  // the pipe the watcher waits on
};

// The psql program beside the server's, or empty.
std::string PostgresBinary(const std::string& name);

}  // namespace velka::testing
