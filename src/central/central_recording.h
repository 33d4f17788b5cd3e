#pragma once
// One recording as the central archive keeps it: the summary row that queries read, beside the
// image it was made from.

#include "central/pg_connection.h"
#include "record/logger_image.h"
#include "record/reference_table.h"

#include <cstdint>
#include <optional>
#include <string>

namespace velka {

// Where an upload comes from.
struct UploadOrigin {
    std::string site;
    std::string workstation;  // WorkstationId
    std::string host;
};

struct CentralRecording {
    std::string sha256;  // of the image's 16,384 bytes, lower-case hex
    std::string serial;  // "0A1B2C3D"
    std::int64_t startTime = 0;
    std::int64_t stopTime = 0;
    int intervalSeconds = 0;
    double lowerLimit = 0.0;
    double upperLimit = 0.0;
    int samples = 0;
    // None for a recording without samples (or with a sample no table converts).
    std::optional<double> highest;
    std::optional<double> lowest;
    std::optional<double> average;
    // The logger profile's analysis: MKT at the default activation energy, and the time beyond
    // the recording's own upper and lower limit.
    std::optional<double> mkt;
    std::optional<std::int64_t> secondsAbove;
    std::optional<std::int64_t> secondsBelow;
    std::string deliveryCompany;
    std::string receivingCompany;
    std::string transportCompany;
    std::string transportNumber;
    // As the image holds it: Unix seconds, 0 when the logger was given none.
    std::int64_t deliveryDate = 0;
};

// The summary of an image, decoded through `tables` (`now` stands in for a delivery date the
// image does not hold, which the summary does not keep).
CentralRecording SummaryOf(const LoggerImage& image, const ReferenceTables& tables,
                           std::int64_t now);

// Stores the summary and the image unless the archive holds them already (by the SHA-256: a
// recording received at two docks is stored once). True when they were new. Run it inside a
// transaction: the row and its image land together or not at all.
bool InsertRecording(PgConnection& connection, const CentralRecording& recording,
                     const LoggerImage& image, const UploadOrigin& origin);

}  // namespace velka
