#pragma once
// Decoded synthetic recordings for tests: a shipment held around 2-8 °C with excursions
// beyond both limits, three products and transport texts filled in.

#include "record/recording.h"
#include "record/synthetic_recording.h"
#include "test_tables.h"

#include <cstddef>
#include <cstdint>

namespace velka::testing {

// 2024-05-01 00:00:00 UTC.
constexpr std::int64_t kSyntheticNow = 1714521600;

inline Recording DecodedSynthetic(std::size_t sampleCount, std::uint16_t logIntervalSeconds = 300,
                                  std::uint32_t serialNumber = 0x0A1B2C3D) {
    SyntheticRecordingOptions options;
    options.sampleCount = sampleCount;
    options.logIntervalSeconds = logIntervalSeconds;
    options.serialNumber = serialNumber;
    options.startTime = kSyntheticNow - static_cast<std::int64_t>(sampleCount) * logIntervalSeconds;
    const velka::SyntheticRecording synthetic = SynthesizeRecording(options, DeliveredTables());
    return DecodeRecording(synthetic.image, DeliveredTables(), kSyntheticNow);
}

}  // namespace velka::testing
