#include "record/synthetic_recording.h"

#include "record/logger_settings.h"
#include "record/sample_decoding.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <random>

namespace velka {
namespace {

constexpr double kLowerLimit = 2.0;
constexpr double kUpperLimit = 8.0;
constexpr std::uint16_t kStartDelaySeconds = 600;

// Uniform in [0, 1) from the engine's raw output: std::mt19937 is the same everywhere, the
// standard distributions are not.
double Uniform(std::mt19937& engine) {
    return engine() / 4294967296.0;
}

// The calibration word whose divider resistance is nearest to `resistance`.
std::uint16_t CalibrationWordFor(double resistance) {
    const double word = resistance * 65536.0 / (resistance + kDividerResistance);
    return static_cast<std::uint16_t>(std::clamp(std::lround(word), 1L, 65535L));
}

// The limit code whose decoded value is the wanted whole degree, searched around the code
// that the settings write would store.
std::uint16_t LimitCodeFor(double limit, const ReferenceTable& table) {
    const std::uint16_t code = CodeFromLimit(limit, table);
    for (int delta = 0; delta < 8; ++delta) {
        for (const int candidate : {code + delta, code - delta}) {
            if (candidate > 0 && candidate < 1024 &&
                LimitFromCode(static_cast<std::uint16_t>(candidate), table) == limit)
                return static_cast<std::uint16_t>(candidate);
        }
    }
    return code;
}

// The shipment's temperature at hour h: a fridge cycling around 5 °C, a slow drift with the
// time of day, and excursions at fixed fractions of the journey.
double ProfileTemperature(double fraction, double hours, bool excursions, std::mt19937& engine) {
    double t = 5.0 + 1.2 * std::sin(2 * std::numbers::pi * hours / 24.0) +
               0.5 * std::sin(2 * std::numbers::pi * hours / 0.75) + 0.3 * (Uniform(engine) - 0.5);
    const auto bump = [fraction](double centre, double width) {
        const double x = (fraction - centre) / width;
        return std::exp(-x * x);
    };
    if (!excursions)
        return t;
    t += 5.5 * bump(0.22, 0.015);  // a door left open at a transfer: above the upper limit
    t -= 4.0 * bump(0.58, 0.02);   // too close to the evaporator: below the lower limit
    t += 4.2 * bump(0.86, 0.01);   // unloading in the sun
    return t;
}

}  // namespace

SyntheticRecording SynthesizeRecording(const SyntheticRecordingOptions& options,
                                       const ReferenceTables& tables) {
    SyntheticRecording result;
    LoggerImage& image = result.image;
    std::mt19937 engine(options.seed);

    // A logger slightly off the nominal curve, towards the high edge of the band.
    constexpr std::size_t kTwentyDegreesRow = 500;
    const double nominalAt20 = tables.middle.rows[kTwentyDegreesRow].resistance;
    const std::uint16_t calibrationA = CalibrationWordFor(nominalAt20);
    const double highAt20 = tables.high.rows[kTwentyDegreesRow].resistance;
    const double towardsHigh = 0.25 + 0.5 * Uniform(engine);
    const std::uint16_t calibrationB =
        CalibrationWordFor(nominalAt20 + (highAt20 - nominalAt20) * towardsHigh);
    WriteU16(image, kCalibrationAOffset, calibrationA);
    WriteU16(image, kCalibrationBOffset, calibrationB);
    const ReferenceTable current = BuildCurrentTable(tables, calibrationA, calibrationB);

    const std::size_t count = std::min(options.sampleCount, kMaxSamples);
    const auto clockSetTime = static_cast<std::uint32_t>(options.startTime - kStartDelaySeconds);
    WriteU32(image, kSerialNumberOffset, options.serialNumber);
    WriteU32(image, kStartOffsetOffset, kStartDelaySeconds);
    WriteU16(image, kLogIntervalOffset, options.logIntervalSeconds);
    WriteU16(image, kStartDelayOffset, kStartDelaySeconds);
    WriteU16(image, kLowerLimitCodeOffset, LimitCodeFor(kLowerLimit, current));
    WriteU16(image, kUpperLimitCodeOffset, LimitCodeFor(kUpperLimit, current));
    image[kAlarmDelayCountOffset] = static_cast<std::uint8_t>(1800 / options.logIntervalSeconds);
    image[kLedBlinkIntervalOffset] = 10;
    WriteU32(image, kClockSetTimeOffset, clockSetTime);
    const std::int64_t duration = static_cast<std::int64_t>(count) * options.logIntervalSeconds;
    WriteU32(image, kDeliveryDateOffset, static_cast<std::uint32_t>(options.startTime + duration));
    WriteSlotText(image, kDeliveryCompanyOffset, kCompanySlotBytes, u"Nordvik Pharma AS");
    WriteSlotText(image, kReceivingCompanyOffset, kCompanySlotBytes, u"St. Brigid Hospital");
    WriteSlotText(image, kTransportCompanyOffset, kCompanySlotBytes, u"Calder Cold Freight");
    WriteSlotText(image, kTransportNumberOffset, kTransportNumberSlotBytes, u"CF-20417");

    const auto validity = static_cast<std::uint32_t>(options.startTime + 540 * 86400LL);
    StoreProductTable({MakeProductRecord(1, u"bx", 120, validity, u"VX-0041", u"Influenza vaccine",
                                         u"10 x 0.5 ml", u"SH-77812", u"B2611A"),
                       MakeProductRecord(2, u"vl", 400, validity, u"IN-2210", u"Insulin glargine",
                                         u"10 ml vial", u"SH-77812", u"L0934"),
                       MakeProductRecord(3, u"kg", 25, validity, u"RG-118", u"Diagnostic reagent",
                                         u"2-8 C kit", u"SH-77813", u"R55-07")},
                      image);

    // Every raw value's decoded temperature; each intended temperature takes the nearest.
    const SampleConverter converter(current);
    RawSamples raw{};
    result.intendedTemperatures.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        const double fraction = count > 1 ? static_cast<double>(i) / (count - 1) : 0.0;
        const double hours = static_cast<double>(i) * options.logIntervalSeconds / 3600.0;
        const double wanted = ProfileTemperature(fraction, hours, options.excursions, engine);
        std::uint16_t best = 1;
        for (std::uint16_t v = 1; v < 1024; ++v) {
            if (std::abs(converter.Temperature(v) - wanted) <
                std::abs(converter.Temperature(best) - wanted))
                best = v;
        }
        raw[i] = best;
        result.intendedTemperatures.push_back(wanted);
    }
    for (std::size_t b = 0; b < kSampleBlockCount; ++b) {
        SampleBlockValues values{};
        std::copy_n(raw.begin() + kSamplesPerBlock * b, kSamplesPerBlock, values.begin());
        const auto block = PackSampleBlock(values);
        std::copy(block.begin(), block.end(),
                  image.begin() + kSampleRegionOffset + kSampleBlockSize * b);
    }
    return result;
}

}  // namespace velka
