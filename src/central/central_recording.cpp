#include "central/central_recording.h"

#include "analysis/recording_analysis.h"
#include "record/recording.h"
#include "record/text_encoding.h"
#include "storage/sha256.h"

#include <charconv>
#include <cmath>

namespace velka {
namespace {

std::optional<double> Finite(double value) {
    return std::isfinite(value) ? std::optional<double>(value) : std::nullopt;
}

// The shortest text that reads back as the same double, with a point whatever the locale.
PgParam NumberParam(std::optional<double> value) {
    if (!value)
        return PgParam::Null();
    char text[32];
    const auto result = std::to_chars(text, text + sizeof text, *value);
    return PgParam(std::string(text, result.ptr));
}

PgParam IntegerParam(std::optional<std::int64_t> value) {
    return value ? PgParam(*value) : PgParam::Null();
}

}  // namespace

CentralRecording SummaryOf(const LoggerImage& image, const ReferenceTables& tables,
                           std::int64_t now) {
    const Recording recording = DecodeRecording(image, tables, now);
    const LoggerSettings& settings = recording.settings;
    CentralRecording row;
    row.sha256 = Sha256Hex(image);
    row.serial = settings.serialText;
    row.startTime = recording.StartTime();
    row.stopTime = recording.StopTime();
    row.intervalSeconds = settings.logInterval;
    row.lowerLimit = settings.lowerLimit;
    row.upperLimit = settings.upperLimit;
    row.samples = static_cast<int>(recording.record.samples.size());
    if (row.samples > 0) {
        row.highest = Finite(recording.record.summary.highest);
        row.lowest = Finite(recording.record.summary.lowest);
        row.average = Finite(recording.record.summary.average);
    }
    if (const std::optional<RecordingAnalysis> analysis =
            AnalyseRecording(recording, AnalysisChoice{})) {
        row.mkt = Finite(analysis->limits.mkt);
        const std::vector<RuleResult>& rules = analysis->limits.rules;
        row.secondsAbove = rules.at(0).outcome.seconds;
        row.secondsBelow = rules.at(1).outcome.seconds;
    }
    row.deliveryCompany = Utf8FromUtf16(settings.deliveryCompany);
    row.receivingCompany = Utf8FromUtf16(settings.receivingCompany);
    row.transportCompany = Utf8FromUtf16(settings.transportCompany);
    row.transportNumber = Utf8FromUtf16(settings.transportNumber);
    row.deliveryDate = ReadU32(image, kDeliveryDateOffset);
    return row;
}

bool InsertRecording(PgConnection& connection, const CentralRecording& row,
                     const LoggerImage& image, const UploadOrigin& origin) {
    const PgResult inserted = connection.Run(
        "INSERT INTO velka.recording (sha256, serial, start_time, stop_time, interval_seconds, "
        "lower_limit, upper_limit, samples, highest, lowest, average, mkt, seconds_above, "
        "seconds_below, delivery_company, receiving_company, transport_company, transport_number, "
        "site, workstation, host, delivery_date) VALUES ($1, $2, $3, $4, $5, $6, $7, $8, $9, $10, "
        "$11, $12, $13, $14, $15, $16, $17, $18, $19, $20, $21, $22) ON CONFLICT (sha256) DO "
        "NOTHING RETURNING 1",
        {row.sha256,
         row.serial,
         row.startTime,
         row.stopTime,
         row.intervalSeconds,
         NumberParam(row.lowerLimit),
         NumberParam(row.upperLimit),
         row.samples,
         NumberParam(row.highest),
         NumberParam(row.lowest),
         NumberParam(row.average),
         NumberParam(row.mkt),
         IntegerParam(row.secondsAbove),
         IntegerParam(row.secondsBelow),
         row.deliveryCompany,
         row.receivingCompany,
         row.transportCompany,
         row.transportNumber,
         origin.site,
         origin.workstation,
         origin.host,
         row.deliveryDate});
    if (inserted.Rows() == 0)
        return false;
    connection.Run("INSERT INTO velka.recording_image (sha256, image) VALUES ($1, $2)",
                   {row.sha256, PgParam::Bytes(std::string_view(
                                    reinterpret_cast<const char*>(image.data()), image.size()))});
    return true;
}

}  // namespace velka
