#include "device_test_images.h"

#include "record/synthetic_recording.h"
#include "test_tables.h"

namespace velka::testing {

LoggerImage SyntheticLoggerImage(std::int64_t startTime) {
    SyntheticRecordingOptions options;
    options.startTime = startTime;
    LoggerImage image = SynthesizeRecording(options, DeliveredTables()).image;
    for (std::size_t i = 0; i < kSampleRegionOffset; ++i)
        image[i] = static_cast<std::uint8_t>(0xA0 + i % 7);
    return image;
}

LoggerImage PatternImage(std::uint8_t seed) {
    LoggerImage image{};
    for (std::size_t i = 0; i < image.size(); ++i)
        image[i] = static_cast<std::uint8_t>(seed + i * 7 + i / 256);
    return image;
}

}  // namespace velka::testing
