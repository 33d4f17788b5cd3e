#include "chart/chart_bitmap.h"

#include "record/logger_image.h"
#include "storage/file_io.h"

#include <algorithm>
#include <stdexcept>

namespace velka {

std::vector<std::uint8_t> EncodeBitmap24(int width, int height,
                                         std::span<const std::uint8_t> topDownBgr) {
    const std::size_t packedRowBytes = static_cast<std::size_t>(width) * 3;
    if (width <= 0 || height <= 0 || topDownBgr.size() < packedRowBytes * height)
        throw std::invalid_argument("bitmap pixels do not match its size");
    constexpr int kBitsPerPixel = 24;
    const std::size_t rowBytes = static_cast<std::size_t>((kBitsPerPixel * width + 31) / 32) * 4;
    const std::size_t dataBytes = rowBytes * static_cast<std::size_t>(height);

    std::vector<std::uint8_t> file(kBitmapHeaderBytes + dataBytes, 0);
    file[0] = 'B';
    file[1] = 'M';
    WriteU32(file, 2, static_cast<std::uint32_t>(file.size()));
    WriteU32(file, 10, kBitmapHeaderBytes);
    WriteU32(file, 14, 40);
    WriteU32(file, 18, static_cast<std::uint32_t>(width));
    WriteU32(file, 22, static_cast<std::uint32_t>(height));  // positive: bottom row first
    WriteU16(file, 26, 1);
    WriteU16(file, 28, kBitsPerPixel);
    // Compression, image size, resolutions and colour counts stay 0.

    for (int row = 0; row < height; ++row) {
        const auto source = topDownBgr.begin() + static_cast<std::ptrdiff_t>(packedRowBytes * row);
        const std::size_t target =
            kBitmapHeaderBytes + rowBytes * static_cast<std::size_t>(height - 1 - row);
        std::copy(source, source + static_cast<std::ptrdiff_t>(packedRowBytes),
                  file.begin() + static_cast<std::ptrdiff_t>(target));
    }
    return file;
}

std::vector<std::uint8_t> EncodeChartBitmap(const ChartPixels& chartPixels) {
    return EncodeBitmap24(kChartImageWidth, kChartImageHeight, chartPixels.bgr);
}

std::filesystem::path ChartFilePath(const DataRoot& dataRoot) {
    return dataRoot.DataDirectory() / "graph.bmp";
}

bool SaveChartBitmap(const ChartPixels& chartPixels, const std::filesystem::path& path,
                     std::error_code* error) {
    std::error_code failure = std::make_error_code(std::errc::invalid_argument);
    if (chartPixels.bgr.size() == kChartImageBytes)
        failure = WriteFileAtomically(path, EncodeChartBitmap(chartPixels));
    if (error != nullptr)
        *error = failure;
    return !failure;
}

}  // namespace velka
