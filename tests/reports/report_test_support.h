#pragma once
// Helpers of the report tests: the files a folder holds, cells of a workbook and a picture for
// the chart.

#include "chart/chart_pixels.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
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

// The values of some cells of a workbook as openpyxl reads them, one per line; nothing when
// the system's Python has no openpyxl.
inline std::optional<std::string> ReadCells(const std::filesystem::path& workbook,
                                            const std::string& cells) {
    const std::string command = "/usr/bin/python3 -c 'import sys, openpyxl\n"
                                "sheet = openpyxl.load_workbook(open(sys.argv[1], \"rb\")).active\n"
                                "for cell in sys.argv[2].split(): print(sheet[cell].value)' '" +
                                workbook.string() + "' '" + cells + "' 2>/dev/null";
    if (std::system("/usr/bin/python3 -c 'import openpyxl' 2>/dev/null") != 0)
        return std::nullopt;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr)
        return std::nullopt;
    std::string output;
    char buffer[256];
    while (std::fgets(buffer, sizeof buffer, pipe) != nullptr)
        output += buffer;
    pclose(pipe);
    return output;
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
