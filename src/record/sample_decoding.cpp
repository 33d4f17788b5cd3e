#include "record/sample_decoding.h"

#include "record/numeric.h"
#include "record/reference_table.h"

#include <cmath>

namespace velka {

SampleBlockValues UnpackSampleBlock(std::span<const std::uint8_t, kSampleBlockSize> block) {
    SampleBlockValues values{};
    // Twelve groups of five bytes carry four samples each; the last four bytes carry three.
    for (std::size_t g = 0; g < 12; ++g) {
        const std::uint8_t* b = block.data() + 5 * g;
        const std::uint32_t w =
            static_cast<std::uint32_t>(b[0]) | (static_cast<std::uint32_t>(b[1]) << 8) |
            (static_cast<std::uint32_t>(b[2]) << 16) | (static_cast<std::uint32_t>(b[3]) << 24);
        values[4 * g] = static_cast<std::uint16_t>(w & 0x3FF);
        values[4 * g + 1] = static_cast<std::uint16_t>((w >> 10) & 0x3FF);
        values[4 * g + 2] = static_cast<std::uint16_t>((w >> 20) & 0x3FF);
        values[4 * g + 3] =
            static_cast<std::uint16_t>((static_cast<std::uint32_t>(b[4]) << 2) | (w >> 30));
    }
    const std::uint32_t w = ReadU32(block, 60);
    values[48] = static_cast<std::uint16_t>(w & 0x3FF);
    values[49] = static_cast<std::uint16_t>((w >> 10) & 0x3FF);
    values[50] = static_cast<std::uint16_t>((w >> 20) & 0x3FF);
    return values;
}

bool SampleBlockHoldsZero(std::span<const std::uint8_t, kSampleBlockSize> block) {
    // Four 10-bit lanes side by side: subtracting 1 from every lane sets a lane's top bit while
    // its value lacks it only when the lowest zero lane borrows, so the test below is non-zero
    // exactly when some lane is 0. Borrows only run upwards, so the bytes of the next group
    // above a group's 40 bits never change its lanes' answer, and the top bits are picked out
    // once at the end. The scanner runs this over every block of thousands of images.
    constexpr std::uint64_t kLaneLowBits = 0x0040100401;  // bits 0, 10, 20, 30
    constexpr std::uint64_t kLaneTopBits = kLaneLowBits << 9;
    std::uint64_t borrows = 0;
#pragma GCC unroll 12
    for (std::size_t g = 0; g < 12; ++g) {
        // Eight bytes from the group's start; the last group's reach ends at byte 62.
        const std::uint64_t lanes = ReadU64(block, 5 * g);
        borrows |= (lanes - kLaneLowBits) & ~lanes;
    }
    std::uint64_t zeroLanes = borrows & kLaneTopBits;
    // The last four bytes carry three samples; bits 510 and 511 are not a sample.
    constexpr std::uint64_t kLastLowBits = 0x00100401;
    const std::uint64_t lanes = ReadU32(block, 60);
    zeroLanes |= (lanes - kLastLowBits) & ~lanes & (kLastLowBits << 9);
    return zeroLanes != 0;
}

std::array<std::uint8_t, kSampleBlockSize> PackSampleBlock(const SampleBlockValues& values) {
    std::array<std::uint8_t, kSampleBlockSize> block{};
    for (std::size_t n = 0; n < kSamplesPerBlock; ++n) {
        const std::uint32_t value = values[n] & 0x3FFu;
        for (std::size_t bit = 0; bit < 10; ++bit) {
            if (value & (1u << bit)) {
                const std::size_t position = 10 * n + bit;
                block[position / 8] |= static_cast<std::uint8_t>(1u << (position % 8));
            }
        }
    }
    return block;
}

RawSamples UnpackSampleRegion(const LoggerImage& image) {
    RawSamples raw{};
    for (std::size_t b = 0; b < kSampleBlockCount; ++b) {
        const std::span<const std::uint8_t, kSampleBlockSize> block(
            image.data() + kSampleRegionOffset + kSampleBlockSize * b, kSampleBlockSize);
        const SampleBlockValues values = UnpackSampleBlock(block);
        std::copy(values.begin(), values.end(), raw.begin() + kSamplesPerBlock * b);
    }
    return raw;
}

std::size_t CountSamplesBeforeZero(const RawSamples& rawSamples) {
    std::size_t count = 0;
    while (count < rawSamples.size() && rawSamples[count] != 0)
        ++count;
    return count;
}

SampleConverter::SampleConverter(const ReferenceTable& currentTable) {
    const bool nonIncreasing = IsNonIncreasing(currentTable);
    for (std::size_t v = 1; v < temperatures_.size(); ++v) {
        temperatures_[v] = LookupTemperature(ResistanceFromSample(static_cast<std::uint16_t>(v)),
                                             currentTable, nonIncreasing)
                               .temperature;
    }
}

DecodedSamples BuildSampleList(const RawSamples& rawSamples, const ReferenceTable& currentTable,
                               double lowerLimit, double upperLimit) {
    DecodedSamples decoded;
    const std::size_t count = CountSamplesBeforeZero(rawSamples);
    decoded.samples.reserve(count);
    const SampleConverter converter(currentTable);

    // The running extremes start on the far side of the scale so that the first sample takes both.
    double lowest = kScaleWarmEnd;
    double highest = kScaleColdEnd;
    double sum = 0.0;
    for (std::size_t i = 0; i < count; ++i) {
        const double t = converter.Temperature(rawSamples[i]);
        const std::int32_t alarm = t > upperLimit ? 1 : (t < lowerLimit ? -1 : 0);
        sum = sum + t;
        decoded.samples.push_back({t, alarm, static_cast<std::int32_t>(i)});
        if (t > highest)
            highest = t;
        if (t < lowest)
            lowest = t;
    }

    LogSummary& summary = decoded.summary;
    summary.highest = highest;
    summary.lowest = lowest;
    summary.average = count == 0 ? 0.0 : sum / static_cast<double>(count);
    summary.chartMax = upperLimit > highest ? upperLimit : highest;
    summary.chartMin = lowest > lowerLimit ? lowerLimit : lowest;
    summary.chartMaxInt = TruncateToInt32(summary.chartMax);
    summary.chartMinInt = TruncateToInt32(summary.chartMin);
    return decoded;
}

DecodedRecord DecodeImage(const LoggerImage& image, const ReferenceTable& currentTable,
                          double lowerLimit, double upperLimit) {
    DecodedRecord record;
    record.rawSamples = UnpackSampleRegion(image);
    DecodedSamples decoded =
        BuildSampleList(record.rawSamples, currentTable, lowerLimit, upperLimit);
    record.samples = std::move(decoded.samples);
    record.summary = decoded.summary;
    record.summary.viewFirst = 0;
    record.summary.viewLast = static_cast<std::int32_t>(record.samples.size());
    return record;
}

}  // namespace velka
