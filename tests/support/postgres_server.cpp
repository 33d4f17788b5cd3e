#include "postgres_server.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <grp.h>
#include <pwd.h>
#include <sstream>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace velka::testing {
namespace {

constexpr const char* kDefaultBinFolder = "/usr/lib/postgresql/15/bin";
constexpr const char* kPort = "5432";  // names the socket file only: there is no TCP

struct Account {
    bool change = false;
    uid_t uid = 0;
    gid_t gid = 0;
};

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// Runs a program to its end, as `account` when asked; its exit code (-1 when it could not run)
// with standard output and error in `log`.
int RunProgram(const std::vector<std::string>& argv, const Account& account,
               const std::string& log) {
    std::vector<char*> arguments;
    arguments.reserve(argv.size() + 1);
    for (const std::string& argument : argv)
        arguments.push_back(const_cast<char*>(argument.c_str()));
    arguments.push_back(nullptr);
    const pid_t pid = ::fork();
    if (pid < 0)
        return -1;
    if (pid == 0) {
        if (account.change && (::setgroups(0, nullptr) != 0 || ::setgid(account.gid) != 0 ||
                               ::setuid(account.uid) != 0))
            ::_exit(126);
        const int out = ::open(log.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        if (out >= 0) {
            ::dup2(out, 1);
            ::dup2(out, 2);
        }
        const int none = ::open("/dev/null", O_RDONLY);
        if (none >= 0)
            ::dup2(none, 0);
        ::execv(arguments[0], arguments.data());
        ::_exit(127);
    }
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string Quoted(const std::string& text) {
    return "'" + text + "'";  // our own temporary paths: no quote inside
}

}  // namespace

std::string PostgresBinary(const std::string& name) {
    const char* folder = std::getenv("VELKA_PG_BIN");
    const std::filesystem::path path =
        std::filesystem::path(folder != nullptr ? folder : kDefaultBinFolder) / name;
    return ::access(path.c_str(), X_OK) == 0 ? path.string() : std::string();
}

PostgresServer& PostgresServer::Shared() {
    static PostgresServer server;
    return server;
}

PostgresServer::PostgresServer() {
    try {
        Start();
    } catch (const std::exception& error) {
        problem_ = error.what();
    }
}

void PostgresServer::Start() {
    for (const char* program : {"initdb", "pg_ctl", "postgres", "psql"}) {
        if (PostgresBinary(program).empty())
            throw std::runtime_error(std::string("PostgreSQL 15's ") + program +
                                     " is not installed (postgresql-15)");
    }
    bin_ = std::filesystem::path(PostgresBinary("initdb")).parent_path().string();
    char pattern[] = "/tmp/velka-pg-XXXXXX";
    if (::mkdtemp(pattern) == nullptr)
        throw std::runtime_error("no temporary folder for PostgreSQL");
    folder_ = pattern;
    Account account;
    if (::geteuid() == 0) {
        const passwd* postgres = ::getpwnam("postgres");
        if (postgres == nullptr)
            throw std::runtime_error("run as root, and there is no postgres user to run the "
                                     "server as");
        account = {true, postgres->pw_uid, postgres->pw_gid};
        if (::chown(folder_.c_str(), account.uid, account.gid) != 0)
            throw std::runtime_error("cannot give " + folder_ + " to the postgres user");
    }

    // The watcher stops the server and removes the folder once this program has gone, however
    // it went: its end of the pipe then reads end of file.
    int pipeEnds[2];
    if (::pipe2(pipeEnds, O_CLOEXEC) != 0)
        throw std::runtime_error("no pipe for the PostgreSQL watcher");
    const std::string stop =
        "pid=$(head -n1 " + Quoted(folder_ + "/data/postmaster.pid") +
        " 2>/dev/null); if [ -n \"$pid\" ]; then kill -QUIT \"$pid\"; i=0; while kill -0 \"$pid\" "
        "2>/dev/null && [ $i -lt 100 ]; do sleep 0.1; i=$((i+1)); done; fi; rm -rf " +
        Quoted(folder_);
    const pid_t watcher = ::fork();
    if (watcher == 0) {
        ::close(pipeEnds[1]);
        ::setsid();  // a ^C to the tests does not reach it
        char byte;
        while (::read(pipeEnds[0], &byte, 1) != 0) {
        }
        ::execl("/bin/sh", "sh", "-c", stop.c_str(), static_cast<char*>(nullptr));
        ::_exit(127);
    }
    ::close(pipeEnds[0]);
    watcher_ = pipeEnds[1];

    const std::string data = folder_ + "/data";
    const std::string log = folder_ + "/command.log";
    if (RunProgram({bin_ + "/initdb", "-D", data, "-U", "velka_admin", "-A", "trust", "-E", "UTF8",
                    "--no-locale", "--no-sync"},
                   account, log) != 0)
        throw std::runtime_error("initdb failed: " + ReadAll(log));
    std::ofstream(data + "/postgresql.conf", std::ios::app)
        << "listen_addresses = ''\nunix_socket_directories = " << Quoted(folder_)
        << "\nport = " << kPort
        << "\nfsync = off\nsynchronous_commit = off\nfull_page_writes = off\n"
           "max_connections = 60\n";
    std::ofstream(data + "/pg_hba.conf", std::ios::trunc)
        << "local all velka_password scram-sha-256\nlocal all all trust\n";
    if (RunProgram({bin_ + "/pg_ctl", "-D", data, "-l", folder_ + "/server.log", "-w", "-t", "60",
                    "start"},
                   account, log) != 0)
        throw std::runtime_error("the PostgreSQL server did not start: " + ReadAll(log) +
                                 ReadAll(folder_ + "/server.log"));
}

PostgresServer::~PostgresServer() {
    if (watcher_ >= 0)
        ::close(watcher_);  // the watcher stops the server
}

std::string PostgresServer::Connection(const std::string& database, const std::string& user,
                                       const std::string& more) const {
    return "host=" + folder_ + " port=" + kPort + " dbname=" + database + " user=" + user +
           (more.empty() ? "" : " " + more);
}

std::string PostgresServer::NewDatabase() {
    std::string name = "test_" + std::to_string(::getpid()) + "_" + std::to_string(++databases_);
    Psql("postgres", "CREATE DATABASE " + name);
    return name;
}

std::string PostgresServer::Psql(const std::string& database, const std::string& sql) const {
    const TempDir outputs;
    const std::string log = (outputs / "psql.log").string();
    const int code =
        RunProgram({bin_ + "/psql", "-X", "-q", "-A", "-t", "-v", "ON_ERROR_STOP=1", "-h", folder_,
                    "-p", kPort, "-U", "velka_admin", "-d", database, "-c", sql},
                   {}, log);
    std::string output = ReadAll(log);
    if (code != 0)
        throw std::runtime_error("psql failed: " + output);
    return output;
}

}  // namespace velka::testing
