#include "archive/archive_reading.h"

#include "archive/file_handle.h"
#include "archive/recorded_samples.h"
#include "record/logger_image.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace velka {
namespace {

// O_NONBLOCK: a pipe put where an image was must not stall the scan; it has no effect on a
// regular file.
constexpr int kImageOpenFlags = O_RDONLY | O_CLOEXEC | O_NONBLOCK;

// The whole image, or false when the file does not hold exactly one image. Asking for one byte
// more than an image tells a longer file without a separate size query: one system call less
// per file in a scan of thousands. Only regular files are listed; a pipe or device put in a
// file's place reads short, fails or reads long, and is no image either way.
bool ReadWholeImage(const FileHandle& file, LoggerImage& image) {
    if (file.Get() < 0)
        return false;
    std::array<std::uint8_t, kImageSize + 1> buffer;
    std::size_t total = 0;
    while (total < buffer.size()) {
        const ssize_t got = ::read(file.Get(), buffer.data() + total, buffer.size() - total);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return false;
        if (got == 0)
            break;
        total += static_cast<std::size_t>(got);
    }
    if (total != kImageSize)
        return false;
    std::copy_n(buffer.begin(), kImageSize, image.begin());
    return true;
}

// The times and texts of the image in `file`; zero times and empty texts when it is none. A file
// the manifest lists must hold the image it was archived with; the program archives only whole
// images, so one that is none has changed too.
bool FillEntry(const FileHandle& file, ArchiveEntry& entry, const Manifest* manifest) {
    entry.startTime = entry.stopTime = entry.deliveryDate = 0;
    entry.deliveryCompany.clear();
    entry.receivingCompany.clear();
    entry.transportNumber.clear();

    LoggerImage image;
    entry.readable = ReadWholeImage(file, image);
    entry.changedSinceArchived =
        manifest != nullptr && manifest->contains(entry.storedName) &&
        (!entry.readable || ChangedSinceArchived(*manifest, entry.storedName, image));
    if (!entry.readable)
        return false;

    const std::int64_t start =
        RecordingStartTime(ReadU32(image, kClockSetTimeOffset), ReadU32(image, kStartOffsetOffset));
    entry.startTime = static_cast<std::uint32_t>(start);
    entry.stopTime = static_cast<std::uint32_t>(
        RecordingStopTime(start, ReadU16(image, kLogIntervalOffset), CountRecordedSamples(&image)));
    entry.deliveryDate = ReadU32(image, kDeliveryDateOffset);
    entry.deliveryCompany = ReadSlotText(image, kDeliveryCompanyOffset, kCompanySlotBytes);
    entry.receivingCompany = ReadSlotText(image, kReceivingCompanyOffset, kCompanySlotBytes);
    entry.transportNumber = ReadSlotText(image, kTransportNumberOffset, kTransportNumberSlotBytes);
    return true;
}

}  // namespace

bool ReadArchiveEntry(const std::filesystem::path& folder, ArchiveEntry& entry,
                      const Manifest* manifest) {
    const FileHandle file(::open(StoredImagePath(folder, entry).c_str(), kImageOpenFlags));
    return FillEntry(file, entry, manifest);
}

bool ReadArchiveEntryAt(int folderFd, ArchiveEntry& entry, const Manifest* manifest) {
    // An empty name would open the folder itself; it is no stored image.
    const FileHandle file(entry.storedName.empty()
                              ? -1
                              : ::openat(folderFd, entry.storedName.c_str(), kImageOpenFlags));
    return FillEntry(file, entry, manifest);
}

std::filesystem::path StoredImagePath(const std::filesystem::path& folder,
                                      const ArchiveEntry& entry) {
    // On POSIX a path is a byte string, so the raw name passes through unchanged.
    return folder / std::filesystem::path(entry.storedName);
}

}  // namespace velka
