#pragma once
// The chart picture as a Windows bitmap file ("graph.bmp"): a 14-byte file header, a 40-byte
// information header and 24-bit pixel rows stored bottom row first, each padded to a multiple
// of four bytes. The workbook carries the chart picture in this form (inserted from memory).

#include "chart/chart_pixels.h"
#include "storage/data_root.h"

#include <cstdint>
#include <filesystem>
#include <span>
#include <system_error>
#include <vector>

namespace velka {

constexpr std::size_t kBitmapHeaderBytes = 54;

// A 24-bit bitmap of width x height pixels from rows stored top row first, three bytes per
// pixel (blue, green, red) and no padding between them.
std::vector<std::uint8_t> EncodeBitmap24(int width, int height,
                                         std::span<const std::uint8_t> topDownBgr);

// The chart picture as a bitmap file: 1,209,654 bytes.
std::vector<std::uint8_t> EncodeChartBitmap(const ChartPixels& chartPixels);

// DATA-ROOT/Data/graph.bmp.
std::filesystem::path ChartFilePath(const DataRoot& dataRoot);

// Writes the chart bitmap, replacing an existing file; false when it cannot be written (the
// folder is not created here), and then `error`, when given, says why. A failed write leaves
// no partial file.
bool SaveChartBitmap(const ChartPixels& chartPixels, const std::filesystem::path& path,
                     std::error_code* error = nullptr);

}  // namespace velka
