// Reading one stored image into its entry, and counting its recorded samples.

#include "archive/archive_reading.h"
#include "archive/file_handle.h"
#include "archive/recorded_samples.h"
#include "archive_fixtures.h"
#include "record/recording.h"
#include "record/sample_decoding.h"
#include "record/synthetic_recording.h"
#include "temp_dir.h"
#include "test_tables.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <random>
#include <sys/stat.h>

namespace velka {
namespace {

using testing::ImageFields;
using testing::MakeImage;
using testing::WriteBytes;

TEST(CountRecordedSamples, AgreesWithCountingOverTheWholeUnpackedRegion) {
    EXPECT_EQ(CountRecordedSamples(nullptr), 0u);
    for (const std::size_t count :
         {std::size_t{0}, std::size_t{1}, std::size_t{50}, std::size_t{51}, std::size_t{2016},
          kMaxSamples - 1, kMaxSamples}) {
        ImageFields fields;
        fields.sampleCount = count;
        const LoggerImage image = MakeImage(fields);
        EXPECT_EQ(CountRecordedSamples(&image), count);
        EXPECT_EQ(CountRecordedSamples(&image), CountSamplesBeforeZero(UnpackSampleRegion(image)));
    }
    // Random bytes: zeros turn up anywhere, or nowhere.
    std::mt19937 random(7);
    for (int round = 0; round < 200; ++round) {
        LoggerImage image{};
        for (auto& byte : image)
            byte = static_cast<std::uint8_t>(random() | (round % 2 ? 0x00 : 0x11));
        EXPECT_EQ(CountRecordedSamples(&image), CountSamplesBeforeZero(UnpackSampleRegion(image)))
            << "round " << round;
    }
}

class StoredImage : public ::testing::Test {
protected:
    ArchiveEntry Read(const std::string& name, bool expectRead) {
        ArchiveEntry entry;
        entry.storedName = name;
        EXPECT_EQ(ReadArchiveEntry(folder.Path(), entry), expectRead) << name;
        return entry;
    }
    void Store(const std::string& name, const LoggerImage& image) {
        WriteBytes(folder / name, image);
    }

    testing::TempDir folder;
};

TEST_F(StoredImage, GivesTheTimesAndTextsTheRecordLibraryDecodes) {
    SyntheticRecordingOptions options;
    options.startTime = 1'690'000'000;
    const SyntheticRecording synthetic = SynthesizeRecording(options, testing::DeliveredTables());
    Store("0A1B2C3D-1.bin", synthetic.image);
    const Recording recording =
        DecodeRecording(synthetic.image, testing::DeliveredTables(), 1'700'000'000);

    const ArchiveEntry entry = Read("0A1B2C3D-1.bin", true);
    EXPECT_EQ(entry.startTime, recording.StartTime());
    EXPECT_EQ(entry.stopTime, recording.StopTime());
    EXPECT_EQ(entry.stopTime - entry.startTime, options.sampleCount * options.logIntervalSeconds);
    EXPECT_EQ(entry.deliveryDate, ReadU32(synthetic.image, kDeliveryDateOffset));
    EXPECT_EQ(entry.deliveryCompany, recording.settings.deliveryCompany);
    EXPECT_EQ(entry.receivingCompany, recording.settings.receivingCompany);
    EXPECT_EQ(entry.transportNumber, recording.settings.transportNumber);
}

TEST_F(StoredImage, TimesWrapAsUnsigned32BitSums) {
    ImageFields fields;
    fields.clockSetTime = 0xFFFFFF00u;
    fields.startOffset = 0x200;
    fields.logInterval = 1800;
    fields.sampleCount = 10;
    Store("wrap.bin", MakeImage(fields));
    const ArchiveEntry entry = Read("wrap.bin", true);
    EXPECT_EQ(entry.startTime, 0x100u);
    EXPECT_EQ(entry.stopTime, 0x100u + 18000u);

    fields.clockSetTime = 0xFFFF0000u;
    fields.startOffset = 0;
    fields.sampleCount = kMaxSamples;  // no raw sample is 0
    Store("late.bin", MakeImage(fields));
    const ArchiveEntry late = Read("late.bin", true);
    EXPECT_EQ(late.startTime, 0xFFFF0000u);
    EXPECT_EQ(late.stopTime, static_cast<std::uint32_t>(0xFFFF0000u + 8772u * 1800u));
}

TEST_F(StoredImage, FirstRawSampleZeroStopsAtTheStart) {
    ImageFields fields;
    fields.sampleCount = 0;
    Store("empty-record.bin", MakeImage(fields));
    const ArchiveEntry entry = Read("empty-record.bin", true);
    EXPECT_EQ(entry.stopTime, entry.startTime);
}

TEST_F(StoredImage, TextsThatFillTheirSlotsKeepTheirFullWidth) {
    ImageFields fields;
    fields.deliveryCompany = u"ABCDEFGHIJKLMNOPQRST";
    fields.receivingCompany = u"Ølstykke Køl og Frys";  // 20 characters, not ASCII
    fields.transportNumber = u"0123456789";
    LoggerImage image = MakeImage(fields);
    // The bytes after each slot are not zero, so nothing but the slot's width ends the text.
    WriteSlotText(image, kTransportCompanyOffset, kCompanySlotBytes, u"Fjord Trans");
    image[kTransportNumberOffset + kTransportNumberSlotBytes] = 'Y';
    Store("full.bin", image);
    const ArchiveEntry entry = Read("full.bin", true);
    EXPECT_EQ(entry.deliveryCompany, u"ABCDEFGHIJKLMNOPQRST");
    EXPECT_EQ(entry.receivingCompany, u"Ølstykke Køl og Frys");
    EXPECT_EQ(entry.transportNumber, u"0123456789");
}

TEST_F(StoredImage, OddFilesGiveZeroTimesAndEmptyTexts) {
    const LoggerImage image = MakeImage({});
    const std::span<const std::uint8_t> bytes(image);
    WriteBytes(folder / "short.bin", bytes.first(kImageSize - 1));
    std::vector<std::uint8_t> longer(image.begin(), image.end());
    longer.push_back(0);
    WriteBytes(folder / "long.bin", longer);
    WriteBytes(folder / "zero.bin", {});
    std::filesystem::create_directory(folder / "folder.bin");
    ASSERT_EQ(::mkfifo((folder / "pipe.bin").c_str(), 0644), 0);

    const FileHandle openFolder(::open(folder.Path().c_str(), O_RDONLY | O_DIRECTORY));
    ASSERT_GE(openFolder.Get(), 0);
    for (const std::string name :
         {"short.bin", "long.bin", "zero.bin", "folder.bin", "pipe.bin", "vanished.bin", ""}) {
        for (const bool byFolderFd : {false, true}) {
            ArchiveEntry entry;
            entry.storedName = name;
            entry.fileName = u"kept";
            // Whatever the entry held before is not shown as if it came from the file.
            entry.startTime = entry.stopTime = entry.deliveryDate = 5;
            entry.deliveryCompany = entry.receivingCompany = entry.transportNumber = u"old";
            EXPECT_FALSE(byFolderFd ? ReadArchiveEntryAt(openFolder.Get(), entry)
                                    : ReadArchiveEntry(folder.Path(), entry))
                << name;
            EXPECT_EQ(entry.storedName, name);
            EXPECT_EQ(entry.fileName, u"kept");
            EXPECT_EQ(entry.startTime, 0u) << name;
            EXPECT_EQ(entry.stopTime, 0u) << name;
            EXPECT_EQ(entry.deliveryDate, 0u) << name;
            EXPECT_FALSE(entry.readable) << name;
            EXPECT_TRUE(entry.deliveryCompany.empty() && entry.receivingCompany.empty() &&
                        entry.transportNumber.empty())
                << name;
        }
    }
    // The same file read both ways gives the same entry.
    Store("good.bin", image);
    ArchiveEntry byPath;
    ArchiveEntry byFd;
    byPath.storedName = byFd.storedName = "good.bin";
    EXPECT_TRUE(ReadArchiveEntry(folder.Path(), byPath));
    EXPECT_TRUE(ReadArchiveEntryAt(openFolder.Get(), byFd));
    EXPECT_EQ(byPath, byFd);
}

}  // namespace
}  // namespace velka
