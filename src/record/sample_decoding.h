#pragma once
// The packed 10-bit samples of the image, their temperatures, alarm flags and statistics.

#include "record/logger_image.h"
#include "record/reference_table.h"

#include <array>
#include <cstdint>
#include <span>
#include <vector>

namespace velka {

constexpr std::size_t kRawSampleEntries = 12288;
using RawSamples = std::array<std::uint16_t, kRawSampleEntries>;
using SampleBlockValues = std::array<std::uint16_t, kSamplesPerBlock>;

struct TempSample {
    double temperature = 0.0;  // °C
    std::int32_t alarm = 0;    // +1 above upperLimit, -1 below lowerLimit, else 0
    std::int32_t index = 0;    // position in the record
};

using SampleList = std::vector<TempSample>;

struct LogSummary {
    std::int32_t viewFirst = 0;  // first sample of the chart window
    std::int32_t viewLast = 0;   // end of the chart window, exclusive
    double chartMin = 0.0;
    double chartMax = 0.0;
    double lowest = 0.0;
    double highest = 0.0;
    double average = 0.0;
    std::int32_t chartMaxInt = 0;  // chartMax truncated toward zero
    std::int32_t chartMinInt = 0;  // chartMin truncated toward zero
};

// A 64-byte block is a little-endian bit stream of 51 ten-bit samples; bits 510 and 511 carry
// nothing. Keeps no state: the archive scanner calls it from its own thread.
SampleBlockValues UnpackSampleBlock(std::span<const std::uint8_t, kSampleBlockSize> block);

// Whether any of the block's 51 samples is 0, without unpacking it: the archive scan counts
// the samples of thousands of images and needs only the block where the record ends.
bool SampleBlockHoldsZero(std::span<const std::uint8_t, kSampleBlockSize> block);

// The inverse: packs 51 values (their low 10 bits) into a block; bits 510 and 511 stay zero.
std::array<std::uint8_t, kSampleBlockSize> PackSampleBlock(const SampleBlockValues& values);

// All 172 blocks of the sample region into entries 0…8,771; the rest stay zero.
RawSamples UnpackSampleRegion(const LoggerImage& image);

// The number of samples before the first zero raw value.
std::size_t CountSamplesBeforeZero(const RawSamples& rawSamples);

// The temperature of every raw value 0…1023 through one table: a record has at most 1,023
// distinct values, so a decode looks each up once.
class SampleConverter {
public:
    explicit SampleConverter(const ReferenceTable& currentTable);
    double Temperature(std::uint16_t rawValue) const { return temperatures_[rawValue & 0x3FF]; }

private:
    std::array<double, 1024> temperatures_{};
};

struct DecodedSamples {
    SampleList samples;
    LogSummary summary;
};

// From rawSamples to SampleList and LogSummary (everything but the view window): the record
// ends at the first zero value; flags test strictly, the upper limit first.
DecodedSamples BuildSampleList(const RawSamples& rawSamples, const ReferenceTable& currentTable,
                               double lowerLimit, double upperLimit);

struct DecodedRecord {
    RawSamples rawSamples{};
    SampleList samples;
    LogSummary summary;
};

// Unpacks the image, builds the sample list and opens the chart window on the whole record.
DecodedRecord DecodeImage(const LoggerImage& image, const ReferenceTable& currentTable,
                          double lowerLimit, double upperLimit);

}  // namespace velka
