#pragma once
// The captured chart picture that the reports carry: 840 x 480 pixels, top row first, three
// bytes per pixel in the order blue, green, red, rows of 2,520 bytes back to back.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace velka {

constexpr int kChartImageWidth = 840;
constexpr int kChartImageHeight = 480;
constexpr std::size_t kChartImageRowBytes = std::size_t{kChartImageWidth} * 3;
constexpr std::size_t kChartImageBytes = kChartImageRowBytes * kChartImageHeight;  // 1,209,600

struct ChartPixels {
    std::vector<std::uint8_t> bgr = std::vector<std::uint8_t>(kChartImageBytes, 0xFF);
};

}  // namespace velka
