#include "archive_fixtures.h"

#include "record/sample_decoding.h"

#include <cstdio>
#include <fcntl.h>
#include <stdexcept>
#include <unistd.h>

namespace velka::testing {

LoggerImage MakeImage(const ImageFields& fields) {
    LoggerImage image{};
    WriteU32(image, kClockSetTimeOffset, fields.clockSetTime);
    WriteU32(image, kStartOffsetOffset, fields.startOffset);
    WriteU16(image, kLogIntervalOffset, fields.logInterval);
    WriteU32(image, kDeliveryDateOffset, fields.deliveryDate);
    WriteSlotText(image, kDeliveryCompanyOffset, kCompanySlotBytes, fields.deliveryCompany);
    WriteSlotText(image, kReceivingCompanyOffset, kCompanySlotBytes, fields.receivingCompany);
    WriteSlotText(image, kTransportNumberOffset, kTransportNumberSlotBytes, fields.transportNumber);
    for (std::size_t b = 0; b < kSampleBlockCount; ++b) {
        SampleBlockValues values{};
        for (std::size_t k = 0; k < kSamplesPerBlock; ++k) {
            const std::size_t n = b * kSamplesPerBlock + k;
            values[k] = n == fields.sampleCount ? 0 : static_cast<std::uint16_t>(1 + n % 1023);
        }
        const auto block = PackSampleBlock(values);
        std::copy(block.begin(), block.end(),
                  image.begin() + kSampleRegionOffset + b * kSampleBlockSize);
    }
    return image;
}

void WriteBytes(const std::filesystem::path& path, std::span<const std::uint8_t> bytes) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0)
        throw std::runtime_error("cannot create " + path.string());
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    ::close(fd);
    if (written != static_cast<ssize_t>(bytes.size()))
        throw std::runtime_error("cannot write " + path.string());
}

void WriteManyImages(const std::filesystem::path& folder, const LoggerImage& image,
                     std::size_t count) {
    std::filesystem::create_directories(folder);
    for (std::size_t i = 0; i < count; ++i) {
        char name[64];
        std::snprintf(name, sizeof name, "%08zX-%zu.bin", i * 7919 % 0xFFFFFFFF, i);
        WriteBytes(folder / name, image);
    }
}

std::uint64_t StoreEntries(ArchiveEntries& entries, const std::vector<ArchiveEntry>& list) {
    const std::uint64_t generation = entries.BeginScan();
    for (const ArchiveEntry& entry : list)
        entries.Append(generation, entry);
    entries.FinishScan(generation);
    return generation;
}

}  // namespace velka::testing
