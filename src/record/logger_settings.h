#pragma once
// The decoded status and settings fields of the image and their conversions.

#include "record/logger_image.h"
#include "record/product_record.h"
#include "record/reference_table.h"

#include <cstdint>
#include <string>
#include <vector>

namespace velka {

struct LoggerSettings {
    std::uint32_t serialNumber = 0;
    std::string serialText;  // "%04X%04X": eight upper-case hexadecimal digits
    std::uint8_t writeProtectFlag = 0;
    std::uint32_t startOffset = 0;  // seconds from clockSetTime to the first sample
    std::uint16_t calibrationA = 0;
    std::uint16_t calibrationB = 0;
    std::uint16_t logInterval = 30;  // seconds
    std::string logCycleText = "3";  // logInterval / 10
    std::uint16_t startDelay = 0;    // seconds
    std::uint16_t lowerLimitCode = 0;
    std::uint16_t upperLimitCode = 0;
    double lowerLimit = 0.0;  // whole °C
    double upperLimit = 30.0;
    std::uint8_t alarmDelayCount = 0;  // in log intervals
    std::uint8_t ledBlinkInterval = 0;
    std::uint32_t clockSetTime = 0;  // seconds since 1970, when the settings were last written
    std::int64_t deliveryDate = 0;   // the current time when the image holds 0
    std::string deliveryDateText;    // "%Y-%m-%d", local time
    std::u16string deliveryCompany;
    std::u16string receivingCompany;
    std::u16string transportCompany;
    std::u16string transportNumber;
    std::vector<ProductRecord> products;
    int tableUsedBytes = 0;
};

// The settings before any image is decoded.
LoggerSettings InitialSettings(std::int64_t now);

// The delivery date and the four transport texts of `from`: what a stored file's import takes
// over.
void CopyTransportFields(const LoggerSettings& from, LoggerSettings& to);

// Alarm limits through the calibrated table: a 10-bit code and a whole °C value.
double LimitFromCode(std::uint16_t code, const ReferenceTable& currentTable);
std::uint16_t CodeFromLimit(double limit, const ReferenceTable& currentTable);

// Decodes every field but the products; the limits go through currentTable, and a delivery
// date of 0 becomes `now`.
LoggerSettings DecodeSettings(const LoggerImage& image, const ReferenceTable& currentTable,
                              std::int64_t now);

// Writes the settings back into the status and settings blocks, with clockSetTime = now.
// The sample region and the product table are untouched. startOffset, calibrationA,
// serialNumber and ledBlinkInterval go back as decoded; calibrationB is not written.
void EncodeSettings(const LoggerSettings& settings, LoggerImage& image,
                    const ReferenceTable& currentTable, std::int64_t now);

// The decoded products of the image's table.
ParsedProducts ParseImageProducts(const LoggerImage& image);
// Stores the table and its tail into the image.
void StoreProductTable(const std::vector<ProductRecord>& products, LoggerImage& image);

std::string SerialText(std::uint32_t serialNumber);
// The log cycle in days as shown: logInterval / 10 in decimal ("3" for 30 s).
std::string LogCycleText(std::uint16_t logInterval);
// "%Y-%m-%d" of the delivery date in local time.
std::string DeliveryDateText(std::int64_t deliveryDate);

}  // namespace velka
