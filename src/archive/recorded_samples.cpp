#include "archive/recorded_samples.h"

#include "record/sample_decoding.h"

namespace velka {

std::size_t CountRecordedSamples(const LoggerImage* image) {
    if (image == nullptr)
        return 0;
    // The same answer as counting over the whole unpacked region, but a scan of thousands of
    // images stops unpacking at the block that holds the end of the record.
    std::size_t count = 0;
    for (std::size_t b = 0; b < kSampleBlockCount; ++b) {
        const std::span<const std::uint8_t, kSampleBlockSize> block(
            image->data() + kSampleRegionOffset + kSampleBlockSize * b, kSampleBlockSize);
        for (const std::uint16_t value : UnpackSampleBlock(block)) {
            if (value == 0)
                return count;
            ++count;
        }
    }
    return count;
}

}  // namespace velka
