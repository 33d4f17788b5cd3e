#include "chart/chart_bitmap.h"
#include "record/logger_image.h"
#include "temp_dir.h"

#include <fstream>
#include <gtest/gtest.h>
#include <iterator>

namespace velka {
namespace {

std::vector<std::uint8_t> ReadBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A picture whose top-left pixel is (1, 2, 3) and bottom-left (4, 5, 6) in B, G, R order.
ChartPixels MarkedPixels() {
    ChartPixels pixels;
    pixels.bgr[0] = 1, pixels.bgr[1] = 2, pixels.bgr[2] = 3;
    const std::size_t bottom = kChartImageRowBytes * (kChartImageHeight - 1);
    pixels.bgr[bottom] = 4, pixels.bgr[bottom + 1] = 5, pixels.bgr[bottom + 2] = 6;
    return pixels;
}

TEST(ChartBitmap, HeadersDescribeA24BitPictureStoredBottomRowFirst) {
    const std::vector<std::uint8_t> file = EncodeChartBitmap(MarkedPixels());
    ASSERT_EQ(file.size(), 1209654u);
    EXPECT_EQ(file[0], 'B');
    EXPECT_EQ(file[1], 'M');
    EXPECT_EQ(ReadU32(file, 2), 1209654u);
    EXPECT_EQ(ReadU16(file, 6), 0);
    EXPECT_EQ(ReadU16(file, 8), 0);
    EXPECT_EQ(ReadU32(file, 10), 54u);
    EXPECT_EQ(ReadU32(file, 14), 40u);
    EXPECT_EQ(ReadU32(file, 18), 840u);
    EXPECT_EQ(ReadU32(file, 22), 480u);
    EXPECT_EQ(ReadU16(file, 26), 1);
    EXPECT_EQ(ReadU16(file, 28), 24);
    for (std::size_t offset = 30; offset < 54; offset += 4)
        EXPECT_EQ(ReadU32(file, offset), 0u) << "offset " << offset;
    // The first row of pixel data is the picture's bottom row, the last its top row.
    EXPECT_EQ(file[54], 4);
    EXPECT_EQ(file[55], 5);
    EXPECT_EQ(file[56], 6);
    const std::size_t topRow = 54 + 2520 * 479;
    EXPECT_EQ(file[topRow], 1);
    EXPECT_EQ(file[topRow + 1], 2);
    EXPECT_EQ(file[topRow + 2], 3);
}

TEST(ChartBitmap, RowsArePaddedToFourBytes) {
    // Two rows of one pixel: each 3 bytes of colour and one zero byte.
    const std::vector<std::uint8_t> pixels = {1, 2, 3, 4, 5, 6};
    const std::vector<std::uint8_t> file = EncodeBitmap24(1, 2, pixels);
    ASSERT_EQ(file.size(), 54u + 8u);
    EXPECT_EQ(ReadU32(file, 2), 62u);
    EXPECT_EQ(std::vector<std::uint8_t>(file.begin() + 54, file.end()),
              (std::vector<std::uint8_t>{4, 5, 6, 0, 1, 2, 3, 0}));
    EXPECT_THROW(EncodeBitmap24(2, 2, pixels), std::invalid_argument);
}

TEST(ChartBitmap, SaveWritesTheFileOrReportsFailureWithoutAPartialFile) {
    testing::TempDir folder;
    const DataRoot root(folder.Path());
    EXPECT_EQ(ChartFilePath(root), folder.Path() / "Data" / "graph.bmp");

    // The data folder is not created here, and the failure says why.
    std::error_code error;
    EXPECT_FALSE(SaveChartBitmap(MarkedPixels(), ChartFilePath(root), &error));
    EXPECT_EQ(error, std::errc::no_such_file_or_directory);
    EXPECT_FALSE(std::filesystem::exists(folder.Path() / "Data"));

    std::filesystem::create_directory(root.DataDirectory());
    ASSERT_TRUE(SaveChartBitmap(MarkedPixels(), ChartFilePath(root)));
    EXPECT_EQ(ReadBytes(ChartFilePath(root)), EncodeChartBitmap(MarkedPixels()));

    ChartPixels shortPixels;
    shortPixels.bgr.resize(100);
    EXPECT_FALSE(SaveChartBitmap(shortPixels, folder.Path() / "short.bmp"));
    EXPECT_FALSE(std::filesystem::exists(folder.Path() / "short.bmp"));
}

}  // namespace
}  // namespace velka
