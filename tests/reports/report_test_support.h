#pragma once
// Helpers of the report tests: the files a folder holds and a picture for the chart.

#include "chart/chart_pixels.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>

namespace velka::testing {

inline std::set<std::string> FileNames(const std::filesystem::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.insert(entry.path().filename().string());
    return names;
}

inline std::string FileContent(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void WriteFile(const std::filesystem::path& path, const std::string& content) {
    std::ofstream(path, std::ios::binary) << content;
}

// A chart picture of stripes, so that a swapped colour order would show.
inline ChartPixels StripedPixels() {
    ChartPixels pixels;
    for (std::size_t i = 0; i < pixels.bgr.size(); i += 3) {
        pixels.bgr[i] = static_cast<std::uint8_t>(i / kChartImageRowBytes);
        pixels.bgr[i + 1] = 128;
        pixels.bgr[i + 2] = 255;
    }
    return pixels;
}

}  // namespace velka::testing
