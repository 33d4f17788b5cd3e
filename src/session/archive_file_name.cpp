#include "session/archive_file_name.h"

#include "record/local_time.h"
#include "record/logger_settings.h"
#include "record/sample_decoding.h"
#include "storage/file_io.h"

#include <algorithm>

namespace velka {
namespace {

constexpr int kMostNames = 99;
constexpr std::string_view kImageSuffix = ".bin";

std::int64_t StartOf(const LoggerImage& image) {
    return RecordingStartTime(ReadU32(image, kClockSetTimeOffset),
                              ReadU32(image, kStartOffsetOffset));
}

// "NAME.bin", "NAME_2.bin", … for number 1, 2, …
std::filesystem::path NumberedPath(const std::filesystem::path& folder, const LoggerImage& image,
                                   int number) {
    std::string name =
        ArchiveFileName(SerialText(ReadU32(image, kSerialNumberOffset)), StartOf(image));
    if (number > 1)
        name.insert(name.size() - kImageSuffix.size(), "_" + std::to_string(number));
    return folder / name;
}

enum class Stored { Missing, Readable, Unreadable };

Stored ReadStored(const std::filesystem::path& path, LoggerImage& stored) {
    stored = {};
    std::error_code error;
    if (ReadImageFile(path, stored, &error))
        return Stored::Readable;
    return error == std::errc::no_such_file_or_directory ? Stored::Missing : Stored::Unreadable;
}

bool SameTransferredBytes(const LoggerImage& a, const LoggerImage& b) {
    return std::equal(a.begin() + kSampleRegionOffset, a.end(), b.begin() + kSampleRegionOffset);
}

}  // namespace

std::string ArchiveFileName(const std::string& serialText, std::int64_t startTime) {
    return serialText + FormatLocalTime(startTime, "_%Y-%m-%d_%H-%M-%S") +
           std::string(kImageSuffix);
}

bool SameRecording(const LoggerImage& stored, const LoggerImage& image) {
    if (ReadU32(stored, kSerialNumberOffset) != ReadU32(image, kSerialNumberOffset) ||
        StartOf(stored) != StartOf(image))
        return false;
    const RawSamples storedSamples = UnpackSampleRegion(stored);
    const RawSamples samples = UnpackSampleRegion(image);
    const std::size_t storedCount = CountSamplesBeforeZero(storedSamples);
    return storedCount <= CountSamplesBeforeZero(samples) &&
           std::equal(storedSamples.begin(), storedSamples.begin() + storedCount, samples.begin());
}

std::filesystem::path ArchivePathFor(const std::filesystem::path& folder,
                                     const LoggerImage& image) {
    std::filesystem::path firstFree;
    LoggerImage stored{};
    for (int number = 1; number <= kMostNames; ++number) {
        const std::filesystem::path path = NumberedPath(folder, image, number);
        switch (ReadStored(path, stored)) {
        case Stored::Missing:
            if (firstFree.empty())
                firstFree = path;
            break;
        case Stored::Readable:
            if (SameRecording(stored, image))
                return path;
            break;
        case Stored::Unreadable:  // kept as it is, whatever it holds
            break;
        }
    }
    return firstFree;
}

std::optional<std::filesystem::path> FindArchivedCopy(const std::filesystem::path& folder,
                                                      const LoggerImage& image) {
    LoggerImage stored{};
    for (int number = 1; number <= kMostNames; ++number) {
        const std::filesystem::path path = NumberedPath(folder, image, number);
        if (ReadStored(path, stored) == Stored::Readable && SameTransferredBytes(stored, image))
            return path;
    }
    return std::nullopt;
}

}  // namespace velka
