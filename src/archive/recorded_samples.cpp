#include "archive/recorded_samples.h"

#include "record/sample_decoding.h"

#include <algorithm>

namespace velka {

std::size_t CountRecordedSamples(const LoggerImage* image) {
    if (image == nullptr)
        return 0;
    // The same answer as counting over the whole unpacked region, but a scan of thousands of
    // images unpacks only the block where the record ends.
    std::size_t count = 0;
    for (std::size_t b = 0; b < kSampleBlockCount; ++b) {
        const std::span<const std::uint8_t, kSampleBlockSize> block(
            image->data() + kSampleRegionOffset + kSampleBlockSize * b, kSampleBlockSize);
        if (!SampleBlockHoldsZero(block)) {
            count += kSamplesPerBlock;
            continue;
        }
        const SampleBlockValues values = UnpackSampleBlock(block);
        return count + static_cast<std::size_t>(std::find(values.begin(), values.end(), 0) -
                                                values.begin());
    }
    return count;
}

}  // namespace velka
