// Arbitrary bytes as a stored image (a short input fills a zero image from the start): decoding
// the settings, the products and the samples must never fail, and encoding must keep the image
// outside the settings it writes.
#include "record/logger_settings.h"
#include "record/recording.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

// A nominal NTC curve, so the fuzzer needs no files.
const velka::ReferenceTables& Tables() {
    static const velka::ReferenceTables tables = [] {
        velka::ReferenceTables t;
        for (std::size_t i = 0; i < velka::kReferenceRows; ++i) {
            const double celsius = velka::RowTemperature(static_cast<int>(i));
            const double r = 10.0 * std::exp(3950.0 * (1.0 / (celsius + 273.15) - 1.0 / 298.15));
            t.middle.rows[i] = {celsius, r};
            t.high.rows[i] = {celsius, r * 1.03};
            t.low.rows[i] = {celsius, r * 0.97};
        }
        return t;
    }();
    return tables;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    velka::LoggerImage image{};
    std::memcpy(image.data(), data, std::min(size, image.size()));
    const velka::Recording recording = velka::DecodeRecording(image, Tables(), 1765000000);
    const auto& samples = recording.record.samples;
    if (samples.size() > velka::kMaxSamples ||
        samples.size() != velka::CountSamplesBeforeZero(recording.record.rawSamples))
        std::abort();
    for (const velka::TempSample& sample : samples) {
        if (!(sample.temperature >= -30.0 && sample.temperature <= 70.0))
            std::abort();
    }
    static_cast<void>(recording.StopTime());

    velka::LoggerImage encoded = image;
    velka::EncodeSettings(recording.settings, encoded, recording.currentTable, 1765000000);
    if (std::memcmp(encoded.data(), image.data(), velka::kStatusBlockOffset) != 0 ||
        std::memcmp(encoded.data() + velka::kProductTableOffset,
                    image.data() + velka::kProductTableOffset, velka::kProductAreaSize) != 0)
        std::abort();
    return 0;
}
