#pragma once
// Stored images and entry lists made up for the archive tests.

#include "archive/archive_entries.h"
#include "record/logger_image.h"

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

namespace velka::testing {

struct ImageFields {
    std::uint32_t clockSetTime = 1'700'000'000;
    std::uint32_t startOffset = 600;
    std::uint16_t logInterval = 300;
    std::size_t sampleCount = 100;  // raw samples before the first 0; kMaxSamples for none
    std::uint32_t deliveryDate = 1'700'500'000;
    std::u16string deliveryCompany = u"Nordvik Pharma";
    std::u16string receivingCompany = u"St. Brigid";
    std::u16string transportNumber = u"CF-20417";
};

// An image with these fields, raw samples 1…1023 up to sampleCount, then 0, then more
// non-zero samples (which must not count).
LoggerImage MakeImage(const ImageFields& fields);

// Writes the bytes as they are, without the care of WriteFileAtomically: tests write
// thousands of files.
void WriteBytes(const std::filesystem::path& path, std::span<const std::uint8_t> bytes);

// `count` copies of one image named NNNNNNNN-<i>.bin (hexadecimal serial, a running number).
void WriteManyImages(const std::filesystem::path& folder, const LoggerImage& image,
                     std::size_t count);

// Replaces the lists with these entries as a finished scan would; returns its generation.
std::uint64_t StoreEntries(ArchiveEntries& entries, const std::vector<ArchiveEntry>& list);

}  // namespace velka::testing
