#include "audit/audit_log.h"

#include "storage/file_io.h"
#include "storage/sha256.h"

#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <limits.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>
#include <unordered_map>

namespace velka {
namespace {

constexpr std::chrono::milliseconds kAuditLockPatience{30000};
// An audit line is a few hundred bytes; a settings write with every product changed a few KB.
constexpr std::size_t kLongestLineBytes = std::size_t{1} << 20;
// The whole log is read only by the check; years of work stay far below this.
constexpr std::size_t kLargestLogBytes = std::size_t{1} << 30;

std::error_code LastError() {
    return {errno, std::generic_category()};
}

struct Descriptor {
    int fd = -1;
    ~Descriptor() {
        if (fd >= 0)
            ::close(fd);
    }
};

// The last line of the log (without its newline) and whether the file ends with a newline.
struct LastLine {
    std::string bytes;
    bool empty = true;     // the log holds nothing yet
    bool complete = true;  // the file ends with a newline
};

std::error_code ReadLastLine(int fd, LastLine& last) {
    struct stat status {};
    if (::fstat(fd, &status) != 0)
        return LastError();
    const off_t size = status.st_size;
    if (size == 0)
        return {};
    last.empty = false;
    const off_t start = size > static_cast<off_t>(kLongestLineBytes + 1)
                            ? size - static_cast<off_t>(kLongestLineBytes + 1)
                            : 0;
    std::string tail(static_cast<std::size_t>(size - start), '\0');
    std::size_t done = 0;
    while (done < tail.size()) {
        const ssize_t count =
            ::pread(fd, tail.data() + done, tail.size() - done, start + static_cast<off_t>(done));
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0)
            return count < 0 ? LastError() : std::make_error_code(std::errc::io_error);
        done += static_cast<std::size_t>(count);
    }
    last.complete = tail.back() == '\n';
    if (last.complete)
        tail.pop_back();
    const std::size_t newline = tail.rfind('\n');
    last.bytes = newline == std::string::npos ? tail : tail.substr(newline + 1);
    return {};
}

std::error_code WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t count = ::write(fd, bytes.data(), bytes.size());
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0)
            return LastError();
        bytes.remove_prefix(static_cast<std::size_t>(count));
    }
    return {};
}

std::vector<std::string_view> SplitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t newline = text.find('\n');
        lines.push_back(text.substr(0, newline));
        if (newline == std::string_view::npos)
            break;
        text.remove_prefix(newline + 1);
    }
    return lines;
}

}  // namespace

std::string ProgramName(std::string_view program) {
    return std::string(program) + " " VELKA_VERSION;
}

AuditIdentity AuditIdentity::OfThisProcess(std::string program) {
    AuditIdentity identity{{}, {}, std::move(program)};
    if (const passwd* entry = ::getpwuid(::getuid()); entry != nullptr && entry->pw_name != nullptr)
        identity.user = entry->pw_name;
    else
        identity.user = std::to_string(::getuid());
    char host[HOST_NAME_MAX + 1] = {};
    if (::gethostname(host, sizeof host - 1) == 0)
        identity.host = host;
    return identity;
}

AuditLog::AuditLog(const DataRoot& root, AuditIdentity identity, const Clock& clock, LockWait wait)
    : file_(root.Root() / kAuditLogName), identity_(std::move(identity)), clock_(clock),
      wait_(std::move(wait)) {}

std::error_code AuditLog::Append(std::string_view event,
                                 const nlohmann::ordered_json& details) const {
    // Never through a link, never into anything but a regular file.
    Descriptor log{
        ::open(file_.c_str(),
               O_RDWR | O_CREAT | O_APPEND | O_CLOEXEC | O_NOFOLLOW | O_NOCTTY | O_NONBLOCK, 0666)};
    if (log.fd < 0)
        return LastError();
    struct stat status {};
    if (::fstat(log.fd, &status) != 0)
        return LastError();
    if (!S_ISREG(status.st_mode))
        return make_error_code(FileReadError::NotRegularFile);
    const ExclusiveLock lock = WaitForLock(file_, kAuditLockPatience, wait_);
    if (!lock.Held())
        return lock.Busy() ? std::make_error_code(std::errc::resource_unavailable_try_again)
                           : lock.Error();

    LastLine last;
    if (const std::error_code error = ReadLastLine(log.fd, last))
        return error;
    nlohmann::ordered_json line{{"time", IsoUtcTime(clock_.Now())},
                                {"user", identity_.user},
                                {"host", identity_.host},
                                {"program", identity_.program},
                                {"event", std::string(event)}};
    for (const auto& [key, value] : details.items())
        line[key] = value;
    line["prev"] = last.empty ? kFirstPrev : Sha256Hex(last.bytes);
    // Invalid UTF-8 in a detail (a file name) is written replaced, never refused.
    std::string text = (last.complete ? "" : "\n") +
                       line.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace) +
                       "\n";
    if (const std::error_code error = WriteAll(log.fd, text))
        return error;
    return ::fsync(log.fd) == 0 ? std::error_code() : LastError();
}

AuditCheck CheckAuditLog(const std::filesystem::path& file) {
    AuditCheck check;
    std::error_code error;
    if (!std::filesystem::exists(std::filesystem::symlink_status(file, error)))
        return check;
    const std::optional<std::string> text = ReadWholeFile(file, kLargestLogBytes, &error);
    if (!text) {
        check.problems.push_back({0, "cannot be read: " + DescribeFileError(file, error)});
        return check;
    }
    const std::vector<std::string_view> lines = SplitLines(*text);
    check.lines = lines.size();
    std::vector<std::string> hashes;
    hashes.reserve(lines.size());
    std::unordered_map<std::string, std::size_t> lineOfHash;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        hashes.push_back(Sha256Hex(lines[i]));
        lineOfHash.emplace(hashes.back(), i + 1);
    }
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::size_t number = i + 1;
        const nlohmann::json record = nlohmann::json::parse(lines[i], nullptr, false);
        const bool whole =
            record.is_object() && record.contains("prev") && record["prev"].is_string();
        if (!whole) {
            // A crash cuts the last line; the next append ends it and goes on from it.
            const bool lastAndOpen = number == lines.size() && !text->ends_with('\n');
            const bool chainGoesOn =
                number < lines.size() &&
                nlohmann::json::parse(lines[i + 1], nullptr, false).value("prev", "") == hashes[i];
            if (lastAndOpen || chainGoesOn)
                check.cutLines.push_back(number);
            else
                check.problems.push_back({number, "is not an audit record"});
            continue;
        }
        const std::string prev = record["prev"];
        const std::string& expected = i == 0 ? kFirstPrev : hashes[i - 1];
        if (prev == expected)
            continue;
        if (const auto found = lineOfHash.find(prev); found != lineOfHash.end())
            check.problems.push_back(
                {number, "was moved: it belongs after line " + std::to_string(found->second)});
        else if (i == 0)
            check.problems.push_back({number, "does not start the log: lines before it were "
                                              "removed"});
        else
            check.problems.push_back(
                {number - 1, "was changed, or lines after it were removed (line " +
                                 std::to_string(number) + " does not follow it)"});
    }
    return check;
}

std::string IsoUtcTime(std::int64_t seconds) {
    const auto time = static_cast<std::time_t>(seconds);
    std::tm utc{};
    ::gmtime_r(&time, &utc);
    char text[32] = {};
    std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%SZ", &utc);
    return text;
}

}  // namespace velka
