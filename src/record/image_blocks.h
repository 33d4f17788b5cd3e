#pragma once
// The image as the logger moves it: blocks of 32 sixteen-bit words (64 bytes), each named by
// the word address of its first word (byte offset / 2). Every transfer walks one of the ranges
// below block by block and stops at the first block that fails.

#include <cstddef>
#include <cstdint>

namespace velka {

constexpr std::size_t kBlockBytes = 64;
constexpr std::uint16_t kWordsPerBlock = 32;

constexpr std::size_t ImageOffsetOfWord(std::uint16_t wordAddress) {
    return static_cast<std::size_t>(wordAddress) * 2;
}

// The blocks from firstWord to lastWord, both included.
struct BlockRange {
    std::uint16_t firstWord;
    std::uint16_t lastWord;

    constexpr int Count() const { return (lastWord - firstWord) / kWordsPerBlock + 1; }
};

// Image bytes 3776…16383: everything the logger transfers (bytes 0…3775 never are).
constexpr BlockRange kTransferredBlocks{1888, 8160};     // 197 blocks
constexpr BlockRange kSampleBlocks{1888, 7360};          // 172 blocks, bytes 3776…14783
constexpr std::uint16_t kStatusBlockWordAddress = 7392;  // bytes 14784…14847
constexpr BlockRange kSettingsBlocks{7424, 8160};        // 24 blocks, bytes 14848…16383

// Where a walk over blocks stopped: the first result that was not success (a default-made
// value) and the number of that block within its range, from 1; block 0 when all went well.
template <typename Result> struct BlockWalk {
    Result result{};
    int failedBlock = 0;
};

// Calls step(wordAddress) for the blocks of `range` in order, stopping at the first that
// fails.
template <typename Step>
auto WalkBlocks(BlockRange range, Step step) -> BlockWalk<decltype(step(std::uint16_t{}))> {
    using Result = decltype(step(std::uint16_t{}));
    int number = 1;
    for (std::uint32_t address = range.firstWord; address <= range.lastWord;
         address += kWordsPerBlock, ++number) {
        const Result result = step(static_cast<std::uint16_t>(address));
        if (result != Result{})
            return {result, number};
    }
    return {};
}

}  // namespace velka
