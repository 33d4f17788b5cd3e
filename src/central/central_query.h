#pragma once
// Reading the central archive: the recordings a query finds, newest first; one image by its
// SHA-256; and a check of every stored image against its key and its summary.

#include "central/central_recording.h"
#include "central/pg_connection.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace velka {

inline constexpr int kDefaultQueryLimit = 1000;

struct CentralQuery {
    std::optional<std::string> serial;  // the 8 hexadecimal digits, either case
    std::optional<std::int64_t> from;   // start time at or after
    std::optional<std::int64_t> to;     // start time at or before
    // Found case-insensitively inside the serial, the three companies or the transport number.
    std::optional<std::string> text;
    int limit = kDefaultQueryLimit;
};

struct CentralRow {
    CentralRecording recording;
    std::string site;
    std::string workstation;
    std::string host;
    std::string uploadedBy;
    std::int64_t uploadedAt = 0;  // Unix seconds
};

// Newest start first (ties by SHA-256), at most `query.limit` rows.
std::vector<CentralRow> QueryCentral(PgConnection& connection, const CentralQuery& query);

// The fields the history's central mode queries and sorts by: its columns, with the site and the
// workstation (its host name) of the upload.
enum class CentralField {
    StartTime,
    StopTime,
    DeliveryDate,
    Serial,
    DeliveryCompany,
    ReceivingCompany,
    TransportNumber,
    Site,
    Workstation,
};

// A time field within [from, to] (both included), or a text field holding `text` (case
// ignored).
struct CentralFilter {
    CentralField field = CentralField::StartTime;
    std::int64_t from = 0;
    std::int64_t to = 0;
    std::string text;
};

struct CentralBrowse {
    std::optional<CentralFilter> filter;  // none: every recording
    std::optional<CentralField> sortBy;   // none: newest start first
    bool descending = false;
    std::int64_t page = 1;  // 1-based; clamped to the pages there are
    std::int64_t pageSize = 25;
};

struct CentralPage {
    std::vector<CentralRow> rows;
    std::int64_t total = 0;      // recordings the filter finds
    std::int64_t page = 0;       // the page given, 0 when there is none
    std::int64_t pageCount = 0;  // pages of pageSize rows
    std::int64_t pageSize = 25;
};

// One page of what `browse` finds, ties in any order broken by the SHA-256.
CentralPage BrowseCentral(PgConnection& connection, const CentralBrowse& browse);

// The image stored under `sha256`; none when the archive has no such recording. Throws
// CentralError when the stored bytes are not the image the key names.
std::optional<LoggerImage> FetchCentralImage(PgConnection& connection, const std::string& sha256);

struct CentralProblem {
    std::string sha256;
    std::string problem;
};

struct CentralCheck {
    std::size_t images = 0;
    std::vector<CentralProblem> problems;
};

// Every stored image: its bytes must hash to its key, and decoded through `tables` they must give
// the summary row's serial, start time, interval and number of samples.
CentralCheck VerifyCentral(PgConnection& connection, const ReferenceTables& tables,
                           std::int64_t now);

}  // namespace velka
