#include "central/central_query.h"

#include "central/central_schema.h"
#include "storage/sha256.h"

#include <algorithm>
#include <cstring>

namespace velka {
namespace {

// Images a verification reads at a time.
constexpr int kImagesPerFetch = 500;

std::optional<double> OptionalNumber(const PgResult& rows, int row, int column) {
    return rows.IsNull(row, column) ? std::nullopt : std::optional(rows.Number(row, column));
}

std::optional<std::int64_t> OptionalInteger(const PgResult& rows, int row, int column) {
    return rows.IsNull(row, column) ? std::nullopt : std::optional(rows.Integer(row, column));
}

PgParam Optional(const std::optional<std::string>& value) {
    return value ? PgParam(*value) : PgParam::Null();
}

PgParam Optional(const std::optional<std::int64_t>& value) {
    return value ? PgParam(*value) : PgParam::Null();
}

std::string Upper(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return text;
}

bool ToImage(const std::string& bytes, LoggerImage& image) {
    if (bytes.size() != image.size())
        return false;
    std::memcpy(image.data(), bytes.data(), image.size());
    return true;
}

// The columns every row of a query reads, in the order ReadRow takes them.
constexpr const char* kRowColumns =
    "sha256, serial, start_time, stop_time, interval_seconds, lower_limit, upper_limit, samples, "
    "highest, lowest, average, mkt, seconds_above, seconds_below, delivery_company, "
    "receiving_company, transport_company, transport_number, site, workstation, host, "
    "uploaded_by, extract(epoch FROM uploaded_at)::bigint, coalesce(delivery_date, 0)";

CentralRow ReadRow(const PgResult& rows, int row) {
    CentralRow item;
    CentralRecording& r = item.recording;
    r.sha256 = rows.Text(row, 0);
    r.serial = rows.Text(row, 1);
    r.startTime = rows.Integer(row, 2);
    r.stopTime = rows.Integer(row, 3);
    r.intervalSeconds = static_cast<int>(rows.Integer(row, 4));
    r.lowerLimit = rows.Number(row, 5);
    r.upperLimit = rows.Number(row, 6);
    r.samples = static_cast<int>(rows.Integer(row, 7));
    r.highest = OptionalNumber(rows, row, 8);
    r.lowest = OptionalNumber(rows, row, 9);
    r.average = OptionalNumber(rows, row, 10);
    r.mkt = OptionalNumber(rows, row, 11);
    r.secondsAbove = OptionalInteger(rows, row, 12);
    r.secondsBelow = OptionalInteger(rows, row, 13);
    r.deliveryCompany = rows.Text(row, 14);
    r.receivingCompany = rows.Text(row, 15);
    r.transportCompany = rows.Text(row, 16);
    r.transportNumber = rows.Text(row, 17);
    item.site = rows.Text(row, 18);
    item.workstation = rows.Text(row, 19);
    item.host = rows.Text(row, 20);
    item.uploadedBy = rows.Text(row, 21);
    item.uploadedAt = rows.Integer(row, 22);
    r.deliveryDate = rows.Integer(row, 23);
    return item;
}

std::vector<CentralRow> ReadRows(const PgResult& rows) {
    std::vector<CentralRow> found;
    found.reserve(static_cast<std::size_t>(rows.Rows()));
    for (int row = 0; row < rows.Rows(); ++row)
        found.push_back(ReadRow(rows, row));
    return found;
}

// The column behind each field; the names come from this table only, never from a caller.
struct FieldColumn {
    CentralField field;
    const char* column;
    bool text;
};

constexpr FieldColumn kFieldColumns[] = {
    {CentralField::StartTime, "start_time", false},
    {CentralField::StopTime, "stop_time", false},
    {CentralField::DeliveryDate, "coalesce(delivery_date, 0)", false},
    {CentralField::Serial, "serial", true},
    {CentralField::DeliveryCompany, "delivery_company", true},
    {CentralField::ReceivingCompany, "receiving_company", true},
    {CentralField::TransportNumber, "transport_number", true},
    {CentralField::Site, "site", true},
    {CentralField::Workstation, "host", true},
};

const FieldColumn& ColumnOf(CentralField field) {
    for (const FieldColumn& column : kFieldColumns)
        if (column.field == field)
            return column;
    throw std::logic_error("a central field without a column");
}

}  // namespace

std::vector<CentralRow> QueryCentral(PgConnection& connection, const CentralQuery& query) {
    CheckCentralSchema(connection);
    // Every value is a parameter; the text is compared with strpos, so that no character of
    // it means anything but itself.
    const PgResult rows = connection.Run(
        std::string("SELECT ") + kRowColumns +
            " FROM velka.recording "
            "WHERE ($1::text IS NULL OR serial = $1) "
            "AND ($2::bigint IS NULL OR start_time >= $2) "
            "AND ($3::bigint IS NULL OR start_time <= $3) "
            "AND ($4::text IS NULL OR strpos(lower(serial), lower($4)) > 0 "
            "OR strpos(lower(delivery_company), lower($4)) > 0 "
            "OR strpos(lower(receiving_company), lower($4)) > 0 "
            "OR strpos(lower(transport_company), lower($4)) > 0 "
            "OR strpos(lower(transport_number), lower($4)) > 0) "
            "ORDER BY start_time DESC, sha256 LIMIT $5",
        {query.serial ? PgParam(Upper(*query.serial)) : PgParam::Null(), Optional(query.from),
         Optional(query.to), Optional(query.text), query.limit});
    return ReadRows(rows);
}

CentralPage BrowseCentral(PgConnection& connection, const CentralBrowse& browse) {
    CheckCentralSchema(connection);
    std::string where;
    std::vector<PgParam> params;
    if (browse.filter) {
        const FieldColumn& column = ColumnOf(browse.filter->field);
        if (column.text) {
            where = std::string(" WHERE strpos(lower(") + column.column + "), lower($1)) > 0";
            params = {browse.filter->text};
        } else {
            where = std::string(" WHERE ") + column.column + " BETWEEN $1 AND $2";
            params = {browse.filter->from, browse.filter->to};
        }
    }
    CentralPage page;
    page.pageSize = std::max<std::int64_t>(browse.pageSize, 1);
    // The count and the rows in one snapshot: an upload between them cannot shift the page.
    return InTransaction(connection, [&] {
        connection.RunScript("SET TRANSACTION ISOLATION LEVEL REPEATABLE READ, READ ONLY");
        page.total =
            connection.Run("SELECT count(*) FROM velka.recording" + where, params).Integer(0, 0);
        page.pageCount = (page.total + page.pageSize - 1) / page.pageSize;
        page.page = std::clamp<std::int64_t>(browse.page, std::min<std::int64_t>(page.pageCount, 1),
                                             page.pageCount);
        if (page.page == 0)
            return page;
        std::string order = " ORDER BY start_time DESC, sha256";
        if (browse.sortBy) {
            const FieldColumn& column = ColumnOf(*browse.sortBy);
            const char* direction = browse.descending ? " DESC" : " ASC";
            order = std::string(" ORDER BY ") +
                    (column.text ? std::string("lower(") + column.column + ") COLLATE \"C\""
                                 : std::string(column.column)) +
                    direction + ", sha256" + direction;
        }
        const auto limit = static_cast<int>(params.size()) + 1;
        params.emplace_back(static_cast<std::int64_t>(page.pageSize));
        params.emplace_back((page.page - 1) * page.pageSize);
        page.rows = ReadRows(connection.Run(
            "SELECT " + std::string(kRowColumns) + " FROM velka.recording" + where + order +
                " LIMIT $" + std::to_string(limit) + " OFFSET $" + std::to_string(limit + 1),
            params));
        return page;
    });
}

std::optional<LoggerImage> FetchCentralImage(PgConnection& connection, const std::string& sha256) {
    CheckCentralSchema(connection);
    const PgResult rows =
        connection.Run("SELECT image FROM velka.recording_image WHERE sha256 = $1", {sha256}, true);
    if (rows.Rows() == 0)
        return std::nullopt;
    LoggerImage image{};
    if (!ToImage(rows.Text(0, 0), image) || Sha256Hex(image) != sha256)
        throw CentralError("the central archive's image " + sha256 +
                           " is not the recording its key names (run velka-cli central verify)");
    return image;
}

CentralCheck VerifyCentral(PgConnection& connection, const ReferenceTables& tables,
                           std::int64_t now) {
    CheckCentralSchema(connection);
    CentralCheck check;
    // Page by key, so that the images never all sit in memory.
    std::string after;
    for (;;) {
        const PgResult rows = connection.Run(
            "SELECT i.sha256, i.image, r.serial, r.start_time::text, r.interval_seconds::text, "
            "r.samples::text FROM velka.recording_image i JOIN velka.recording r USING (sha256) "
            "WHERE i.sha256 > $1 ORDER BY i.sha256 LIMIT $2",
            {after, kImagesPerFetch}, true);
        for (int row = 0; row < rows.Rows(); ++row) {
            ++check.images;
            const std::string key = rows.Text(row, 0);
            const auto problem = [&](std::string text) {
                check.problems.push_back({key, std::move(text)});
            };
            LoggerImage image{};
            if (!ToImage(rows.Text(row, 1), image)) {
                problem("the image is " + std::to_string(rows.Text(row, 1).size()) +
                        " bytes, not 16384");
                continue;
            }
            if (Sha256Hex(image) != key) {
                problem("the image's SHA-256 is " + Sha256Hex(image));
                continue;
            }
            const CentralRecording decoded = SummaryOf(image, tables, now);
            if (decoded.serial != rows.Text(row, 2) ||
                std::to_string(decoded.startTime) != rows.Text(row, 3) ||
                std::to_string(decoded.intervalSeconds) != rows.Text(row, 4) ||
                std::to_string(decoded.samples) != rows.Text(row, 5))
                problem("the image does not decode to its summary row (serial " + decoded.serial +
                        ", start " + std::to_string(decoded.startTime) + ", " +
                        std::to_string(decoded.samples) + " samples)");
        }
        if (rows.Rows() < kImagesPerFetch)
            break;
        after = rows.Text(rows.Rows() - 1, 0);
    }
    return check;
}

}  // namespace velka
