#include "archive/archive_file_name.h"

#include "record/local_time.h"
#include "record/logger_settings.h"
#include "record/sample_decoding.h"

#include <algorithm>
#include <cctype>

namespace velka {
namespace {

std::int64_t StartOf(const LoggerImage& image) {
    return RecordingStartTime(ReadU32(image, kClockSetTimeOffset),
                              ReadU32(image, kStartOffsetOffset));
}

}  // namespace

bool HasImageSuffix(std::string_view name) {
    if (name.size() <= kImageSuffix.size())
        return false;
    const std::string_view suffix = name.substr(name.size() - kImageSuffix.size());
    return std::equal(suffix.begin(), suffix.end(), kImageSuffix.begin(), [](char a, char b) {
        return std::tolower(static_cast<unsigned char>(a)) == b;
    });
}

std::string ArchiveFileName(const std::string& serialText, std::int64_t startTime) {
    return serialText + FormatLocalTime(startTime, "_%Y-%m-%d_%H-%M-%S") +
           std::string(kImageSuffix);
}

std::filesystem::path NumberedArchivePath(const std::filesystem::path& folder,
                                          const LoggerImage& image, int number) {
    std::string name =
        ArchiveFileName(SerialText(ReadU32(image, kSerialNumberOffset)), StartOf(image));
    if (number > 1)
        name.insert(name.size() - kImageSuffix.size(), "_" + std::to_string(number));
    return folder / name;
}

bool SameRecording(const LoggerImage& stored, const LoggerImage& image) {
    if (ReadU32(stored, kSerialNumberOffset) != ReadU32(image, kSerialNumberOffset) ||
        StartOf(stored) != StartOf(image) ||
        !std::equal(stored.begin() + kSettingsBlockOffset, stored.end(),
                    image.begin() + kSettingsBlockOffset))
        return false;
    const RawSamples storedSamples = UnpackSampleRegion(stored);
    const RawSamples samples = UnpackSampleRegion(image);
    const std::size_t storedCount = CountSamplesBeforeZero(storedSamples);
    return storedCount <= CountSamplesBeforeZero(samples) &&
           std::equal(storedSamples.begin(), storedSamples.begin() + storedCount, samples.begin());
}

bool SameTransferredBytes(const LoggerImage& a, const LoggerImage& b) {
    return std::equal(a.begin() + kSampleRegionOffset, a.end(), b.begin() + kSampleRegionOffset);
}

}  // namespace velka
