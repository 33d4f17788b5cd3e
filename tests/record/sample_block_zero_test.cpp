// The zero test of a packed sample block agrees with unpacking it.

#include "record/sample_decoding.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <random>

namespace velka {
namespace {

bool UnpackedHoldsZero(const std::array<std::uint8_t, kSampleBlockSize>& block) {
    const SampleBlockValues values = UnpackSampleBlock(block);
    return std::find(values.begin(), values.end(), 0) != values.end();
}

TEST(SampleBlockHoldsZero, FindsAZeroInEveryPosition) {
    for (const std::uint16_t others :
         {std::uint16_t{1}, std::uint16_t{0x200}, std::uint16_t{0x3FF}}) {
        SampleBlockValues values;
        values.fill(others);
        EXPECT_FALSE(SampleBlockHoldsZero(PackSampleBlock(values))) << others;
        for (std::size_t position = 0; position < kSamplesPerBlock; ++position) {
            SampleBlockValues withZero = values;
            withZero[position] = 0;
            EXPECT_TRUE(SampleBlockHoldsZero(PackSampleBlock(withZero))) << position;
        }
    }
}

TEST(SampleBlockHoldsZero, IgnoresTheTwoBitsAfterTheLastSample) {
    SampleBlockValues values;
    values.fill(1);
    auto block = PackSampleBlock(values);
    block[63] |= 0xC0;  // bits 510 and 511
    EXPECT_FALSE(SampleBlockHoldsZero(block));
}

TEST(SampleBlockHoldsZero, AgreesWithUnpackingOnRandomBlocks) {
    std::mt19937 random(11);
    for (int round = 0; round < 20000; ++round) {
        SampleBlockValues values;
        // Few zeros, and values whose lanes borrow from their neighbours.
        for (std::uint16_t& value : values) {
            const std::uint32_t pick = random() % 64;
            value = pick == 0   ? 0
                    : pick == 1 ? 1
                    : pick == 2 ? 0x200
                                : static_cast<std::uint16_t>(random() & 0x3FF);
        }
        const auto block = PackSampleBlock(values);
        ASSERT_EQ(SampleBlockHoldsZero(block), UnpackedHoldsZero(block)) << "round " << round;
    }
}

}  // namespace
}  // namespace velka
