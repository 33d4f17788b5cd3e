#include "central/central_sync.h"

#include "archive/archive_listing.h"
#include "audit/audit_log.h"
#include "central/central_schema.h"
#include "storage/file_io.h"
#include "storage/sha256.h"

#include <fstream>
#include <nlohmann/json.hpp>
#include <set>

namespace velka {
namespace {

// Images a transaction carries: few enough that a cut-off sync loses little work, many enough
// that the commits do not dominate.
constexpr std::size_t kImagesPerTransaction = 50;
constexpr std::size_t kAuditLinesPerTransaction = 500;
// SHA-256 values a question about which the server holds carries.
constexpr std::size_t kDigestsPerQuestion = 1000;

// "{a,b,c}": a text array parameter (digests need no quoting).
std::string ArrayLiteral(const std::vector<std::string>& digests, std::size_t first,
                         std::size_t end) {
    std::string text = "{";
    for (std::size_t i = first; i < end; ++i)
        text += (i > first ? "," : "") + digests[i];
    return text + "}";
}

std::set<std::string> HeldByServer(PgConnection& connection,
                                   const std::vector<std::string>& digests) {
    std::set<std::string> held;
    for (std::size_t first = 0; first < digests.size(); first += kDigestsPerQuestion) {
        const std::size_t end = std::min(digests.size(), first + kDigestsPerQuestion);
        const PgResult rows =
            connection.Run("SELECT sha256 FROM velka.recording WHERE sha256 = ANY($1::text[])",
                           {ArrayLiteral(digests, first, end)});
        for (int row = 0; row < rows.Rows(); ++row)
            held.insert(rows.Text(row, 0));
    }
    return held;
}

struct LocalImage {
    std::filesystem::path path;
    std::string sha256;
};

// The complete images of the archive folder; the others named in `skipped`.
std::vector<LocalImage> ArchivedImages(const DataRoot& root, std::vector<std::string>& skipped) {
    const std::filesystem::path folder = root.DataDirectory();
    std::vector<LocalImage> images;
    for (const std::string& name : ListArchiveFiles(folder)) {
        const std::filesystem::path path = folder / name;
        LoggerImage image{};
        std::error_code error;
        if (!ReadImageFile(path, image, &error)) {
            skipped.push_back(DescribeFileError(path, error));
            continue;
        }
        images.push_back({path, Sha256Hex(image)});
    }
    return images;
}

void UploadImages(PgConnection& connection, const std::vector<LocalImage>& missing,
                  const ReferenceTables& tables, const UploadOrigin& origin, std::int64_t now,
                  SyncReport& report) {
    for (std::size_t first = 0; first < missing.size(); first += kImagesPerTransaction) {
        const std::size_t end = std::min(missing.size(), first + kImagesPerTransaction);
        InTransaction(connection, [&] {
            for (std::size_t i = first; i < end; ++i) {
                LoggerImage image{};
                std::error_code error;
                if (!ReadImageFile(missing[i].path, image, &error)) {
                    report.skipped.push_back(DescribeFileError(missing[i].path, error));
                    continue;
                }
                // Read again for the upload: the digest is of the bytes that go.
                if (InsertRecording(connection, SummaryOf(image, tables, now), image, origin))
                    ++report.uploaded;
                else
                    ++report.alreadyThere;
            }
        });
    }
}

struct AuditLine {
    std::string text;
    std::string sha256;
};

// The complete lines of the audit log; a last line still being written (no line end) waits
// for the next sync.
std::vector<AuditLine> CompleteAuditLines(const std::filesystem::path& file) {
    std::vector<AuditLine> lines;
    std::ifstream in(file, std::ios::binary);
    std::string line;
    while (std::getline(in, line)) {
        if (in.eof())
            break;  // no line end after it
        lines.push_back({line, Sha256Hex(line)});
    }
    return lines;
}

void UploadAuditLines(PgConnection& connection, const DataRoot& root, const UploadOrigin& origin,
                      SyncReport& report) {
    const std::filesystem::path file = root.Root() / kAuditLogName;
    const std::vector<AuditLine> lines = CompleteAuditLines(file);
    // The central copy is the evidence: a local log that no longer holds what was sent is
    // reported, and nothing is sent over it.
    const PgResult sent = connection.Run(
        "SELECT line, sha256 FROM velka.audit_event WHERE workstation = $1 ORDER BY line",
        {origin.workstation});
    for (int row = 0; row < sent.Rows(); ++row) {
        const auto line = static_cast<std::size_t>(sent.Integer(row, 0));
        if (line > lines.size() || lines[line - 1].sha256 != sent.Text(row, 1))
            throw CentralError("the audit log " + MessagePath(file) +
                               " differs from the central archive's copy at line " +
                               std::to_string(line) + ": it was changed after it was uploaded");
    }
    const std::size_t uploaded = static_cast<std::size_t>(sent.Rows());
    for (std::size_t first = uploaded; first < lines.size(); first += kAuditLinesPerTransaction) {
        const std::size_t end = std::min(lines.size(), first + kAuditLinesPerTransaction);
        InTransaction(connection, [&] {
            for (std::size_t i = first; i < end; ++i) {
                const nlohmann::json parsed = nlohmann::json::parse(lines[i].text, nullptr, false);
                const bool hasPrev =
                    parsed.is_object() && parsed.contains("prev") && parsed["prev"].is_string();
                connection.Run(
                    "INSERT INTO velka.audit_event (workstation, line, text, prev, sha256, site, "
                    "host) VALUES ($1, $2, $3, $4, $5, $6, $7) "
                    "ON CONFLICT (workstation, line) DO NOTHING",
                    {origin.workstation, static_cast<std::int64_t>(i + 1), lines[i].text,
                     hasPrev ? PgParam(parsed["prev"].get<std::string>()) : PgParam::Null(),
                     lines[i].sha256, origin.site, origin.host});
                ++report.auditLines;
            }
        });
    }
}

}  // namespace

std::vector<ArchivedDigest> ArchivedDigests(const DataRoot& root) {
    std::vector<std::string> skipped;
    std::vector<ArchivedDigest> digests;
    for (const LocalImage& image : ArchivedImages(root, skipped))
        digests.push_back({image.path.filename().string(), image.sha256});
    return digests;
}

SyncReport SyncToCentral(PgConnection& connection, const DataRoot& root,
                         const ReferenceTables& tables, const UploadOrigin& origin,
                         std::int64_t now) {
    CheckCentralSchema(connection);
    SyncReport report;
    std::vector<LocalImage> images = ArchivedImages(root, report.skipped);
    report.images = images.size();
    for (const LocalImage& image : images)
        report.digests.push_back(image.sha256);
    const std::set<std::string> held = HeldByServer(connection, report.digests);
    std::vector<LocalImage> missing;
    std::set<std::string> queued;
    for (const LocalImage& image : images) {
        if (held.contains(image.sha256) || !queued.insert(image.sha256).second)
            ++report.alreadyThere;
        else
            missing.push_back(image);
    }
    UploadImages(connection, missing, tables, origin, now, report);
    UploadAuditLines(connection, root, origin, report);
    return report;
}

}  // namespace velka
