#include "record/logger_settings.h"

#include "record/local_time.h"
#include "record/reference_table.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace velka {
namespace {

double ClampToScale(double temperature) {
    if (std::isnan(temperature))
        return kScaleColdEnd;
    return std::clamp<double>(temperature, kScaleColdEnd, kScaleWarmEnd);
}

}  // namespace

std::string SerialText(std::uint32_t serialNumber) {
    char text[16];
    std::snprintf(text, sizeof text, "%04X%04X", serialNumber >> 16, serialNumber & 0xFFFF);
    return text;
}

std::int64_t SampleTime(const LoggerSettings& settings, std::size_t k) {
    return RecordingStopTime(RecordingStartTime(settings.clockSetTime, settings.startOffset),
                             settings.logInterval, k);
}

std::string LogCycleText(std::uint16_t logInterval) {
    return std::to_string(logInterval / 10);
}

std::string DeliveryDateText(std::int64_t deliveryDate) {
    return FormatLocalTime(deliveryDate, kDateFormat);
}

LoggerSettings InitialSettings(std::int64_t now) {
    LoggerSettings settings;
    settings.deliveryDate = now;
    settings.deliveryDateText = DeliveryDateText(now);
    return settings;
}

void CopyTransportFields(const LoggerSettings& from, LoggerSettings& to) {
    to.deliveryDate = from.deliveryDate;
    to.deliveryDateText = from.deliveryDateText;
    to.transportCompany = from.transportCompany;
    to.transportNumber = from.transportNumber;
    to.deliveryCompany = from.deliveryCompany;
    to.receivingCompany = from.receivingCompany;
}

double LimitFromCode(std::uint16_t code, const ReferenceTable& currentTable) {
    const double a = code * 4.0;
    const double resistance = (4096 - a) * kDividerResistance / a;  // code 0: +infinity
    const double t = ClampToScale(LookupTemperature(resistance, currentTable).temperature);
    // Move 0.2 away from zero, then truncate: 29.8 becomes 30, 29.7 becomes 29.
    return t >= 0 ? std::trunc(t + 0.2) : std::trunc(t - 0.2);
}

std::uint16_t CodeFromLimit(double limit, const ReferenceTable& currentTable) {
    const double t = ClampToScale(limit);
    const auto row = static_cast<std::size_t>(std::trunc((t + 30) * 10));
    const double resistance = currentTable.rows[std::min(row, kReferenceRows - 1)].resistance;
    const double reading = std::trunc(20889.6 / (resistance + kDividerResistance));
    // A table with wild values must not turn into an undefined conversion.
    if (!(reading >= 0.0 && reading < 4294967296.0))
        return 0;
    return static_cast<std::uint16_t>(static_cast<std::uint32_t>(reading) >> 2);
}

LoggerSettings DecodeSettings(const LoggerImage& image, const ReferenceTable& currentTable,
                              std::int64_t now) {
    LoggerSettings s;
    s.writeProtectFlag = image[kWriteProtectFlagOffset];
    s.startOffset = ReadU32(image, kStartOffsetOffset);
    s.calibrationA = ReadU16(image, kCalibrationAOffset);
    s.calibrationB = ReadU16(image, kCalibrationBOffset);
    s.logInterval = ReadU16(image, kLogIntervalOffset);
    s.logCycleText = LogCycleText(s.logInterval);
    s.startDelay = ReadU16(image, kStartDelayOffset);
    s.lowerLimitCode = ReadU16(image, kLowerLimitCodeOffset);
    s.upperLimitCode = ReadU16(image, kUpperLimitCodeOffset);
    s.lowerLimit = LimitFromCode(s.lowerLimitCode, currentTable);
    s.upperLimit = LimitFromCode(s.upperLimitCode, currentTable);
    s.alarmDelayCount = image[kAlarmDelayCountOffset];
    s.ledBlinkInterval = image[kLedBlinkIntervalOffset];
    s.clockSetTime = ReadU32(image, kClockSetTimeOffset);
    s.serialNumber = ReadU32(image, kSerialNumberOffset);
    s.serialText = SerialText(s.serialNumber);
    const std::uint32_t deliveryDate = ReadU32(image, kDeliveryDateOffset);
    s.deliveryDate = deliveryDate == 0 ? now : static_cast<std::int64_t>(deliveryDate);
    s.deliveryDateText = DeliveryDateText(s.deliveryDate);
    s.transportCompany = ReadSlotText(image, kTransportCompanyOffset, kCompanySlotBytes);
    s.transportNumber = ReadSlotText(image, kTransportNumberOffset, kTransportNumberSlotBytes);
    s.deliveryCompany = ReadSlotText(image, kDeliveryCompanyOffset, kCompanySlotBytes);
    s.receivingCompany = ReadSlotText(image, kReceivingCompanyOffset, kCompanySlotBytes);
    return s;
}

void EncodeSettings(const LoggerSettings& s, LoggerImage& image, const ReferenceTable& currentTable,
                    std::int64_t now) {
    WriteU32(image, kStartOffsetOffset, s.startOffset);
    WriteU16(image, kCalibrationAOffset, s.calibrationA);
    WriteU16(image, kLogIntervalOffset, s.logInterval);
    WriteU16(image, kStartDelayOffset, s.startDelay);
    WriteU16(image, kLowerLimitCodeOffset, CodeFromLimit(s.lowerLimit, currentTable));
    WriteU16(image, kUpperLimitCodeOffset, CodeFromLimit(s.upperLimit, currentTable));
    image[kAlarmDelayCountOffset] = s.alarmDelayCount;
    image[kLedBlinkIntervalOffset] = s.ledBlinkInterval;
    WriteU32(image, kClockSetTimeOffset, static_cast<std::uint32_t>(now));
    WriteU32(image, kSerialNumberOffset, s.serialNumber);
    WriteU32(image, kDeliveryDateOffset, static_cast<std::uint32_t>(s.deliveryDate));
    WriteSlotText(image, kTransportCompanyOffset, kCompanySlotBytes, s.transportCompany);
    WriteSlotText(image, kTransportNumberOffset, kTransportNumberSlotBytes, s.transportNumber);
    WriteSlotText(image, kDeliveryCompanyOffset, kCompanySlotBytes, s.deliveryCompany);
    WriteSlotText(image, kReceivingCompanyOffset, kCompanySlotBytes, s.receivingCompany);
}

ParsedProducts ParseImageProducts(const LoggerImage& image) {
    return ParseProductTable(std::span<const std::uint8_t, kProductAreaSize>(
        image.data() + kProductTableOffset, kProductAreaSize));
}

void StoreProductTable(const std::vector<ProductRecord>& products, LoggerImage& image) {
    const ProductArea area = BuildProductTable(products);
    std::copy(area.begin(), area.end(), image.begin() + kProductTableOffset);
}

}  // namespace velka
