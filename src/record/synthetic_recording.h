#pragma once
// A realistic recording made up for demos and tests: a cold-chain shipment held around
// 2-8 °C with a few excursions beyond its limits, products and transport texts filled in. The
// raw samples invert the calibrated conversion, so decoding gives back the intended profile.

#include "record/logger_image.h"
#include "record/reference_table.h"

#include <cstdint>
#include <vector>

namespace velka {

struct SyntheticRecordingOptions {
    std::uint32_t serialNumber = 0x0A1B2C3D;
    std::uint16_t logIntervalSeconds = 300;
    std::size_t sampleCount = 2016;  // a week at five minutes
    std::int64_t startTime = 0;      // first sample, seconds since 1970
    std::uint32_t seed = 1;
    // Whether the shipment leaves its 2-8 °C band three times (a door left open, too close to
    // the evaporator, unloading in the sun) or stays within it.
    bool excursions = true;
};

struct SyntheticRecording {
    LoggerImage image{};
    // The temperature each sample is meant to show; the decoded one is the nearest the
    // logger's 10-bit reading can express.
    std::vector<double> intendedTemperatures;
};

SyntheticRecording SynthesizeRecording(const SyntheticRecordingOptions& options,
                                       const ReferenceTables& tables);

}  // namespace velka
