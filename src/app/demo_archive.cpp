#include "app/demo_archive.h"

#include "archive/archive_file_name.h"
#include "archive/archive_store.h"
#include "record/logger_settings.h"
#include "record/synthetic_recording.h"

#include <array>

namespace velka {
namespace {

constexpr std::int64_t kDaySeconds = 86400;

struct DemoTrip {
    std::uint32_t serialNumber;
    int daysAgo;  // the trip ended this many days before now
    std::uint16_t logIntervalSeconds;
    std::size_t sampleCount;
    bool excursions;
    const char16_t* deliveryCompany;
    const char16_t* receivingCompany;
    const char16_t* transportCompany;
    const char16_t* transportNumber;
};

// Four loggers, twelve trips between a few days and four months ago.
constexpr std::array<DemoTrip, 12> kTrips = {{
    {0x00A4C215, 118, 300, 1440, true, u"Nordvik Pharma AS", u"St. Brigid Hospital",
     u"Calder Cold Freight", u"CF-19870"},
    {0x00B7E0A2, 109, 600, 720, false, u"Nordvik Pharma AS", u"Lindholm Clinic",
     u"Calder Cold Freight", u"CF-19902"},
    {0x00A4C215, 97, 300, 2016, false, u"Aurelia Biologics", u"St. Brigid Hospital",
     u"Marlow Logistics", u"ML-4471"},
    {0x00C3051F, 88, 60, 4320, true, u"Aurelia Biologics", u"Harbour Pharmacy", u"Marlow Logistics",
     u"ML-4490"},
    {0x00B7E0A2, 74, 600, 1008, false, u"Nordvik Pharma AS", u"Westgate Medical",
     u"Calder Cold Freight", u"CF-20011"},
    {0x00D90C44, 63, 300, 1152, true, u"Kestrel Vaccines", u"Lindholm Clinic",
     u"Polar Express Cargo", u"PX-0318"},
    {0x00A4C215, 51, 300, 864, false, u"Kestrel Vaccines", u"Harbour Pharmacy",
     u"Polar Express Cargo", u"PX-0342"},
    {0x00C3051F, 40, 600, 1296, false, u"Aurelia Biologics", u"Westgate Medical",
     u"Marlow Logistics", u"ML-4562"},
    {0x00D90C44, 29, 300, 1728, true, u"Nordvik Pharma AS", u"St. Brigid Hospital",
     u"Calder Cold Freight", u"CF-20217"},
    {0x00B7E0A2, 19, 60, 2880, false, u"Kestrel Vaccines", u"Lindholm Clinic",
     u"Polar Express Cargo", u"PX-0401"},
    {0x00A4C215, 10, 300, 1008, true, u"Aurelia Biologics", u"Harbour Pharmacy",
     u"Marlow Logistics", u"ML-4630"},
    {0x00C3051F, 4, 600, 576, false, u"Nordvik Pharma AS", u"Westgate Medical",
     u"Calder Cold Freight", u"CF-20340"},
}};

bool HoldsRecordings(const std::filesystem::path& folder) {
    std::error_code error;
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end;
         it.increment(error)) {
        if (HasImageSuffix(it->path().filename().string()))
            return true;
    }
    return false;
}

}  // namespace

std::vector<std::filesystem::path>
FillEmptyDemoArchive(const DataRoot& dataRoot, const ReferenceTables& tables, std::int64_t now) {
    std::vector<std::filesystem::path> written;
    const std::filesystem::path folder = dataRoot.DataDirectory();
    if (!EnsureDirectory(folder) || HoldsRecordings(folder))
        return written;
    std::uint32_t seed = 7;
    for (const DemoTrip& trip : kTrips) {
        SyntheticRecordingOptions options;
        options.serialNumber = trip.serialNumber;
        options.logIntervalSeconds = trip.logIntervalSeconds;
        options.sampleCount = trip.sampleCount;
        options.startTime = now - trip.daysAgo * kDaySeconds -
                            static_cast<std::int64_t>(trip.sampleCount) * trip.logIntervalSeconds;
        options.seed = seed++;
        options.excursions = trip.excursions;
        LoggerImage image = SynthesizeRecording(options, tables).image;
        WriteSlotText(image, kDeliveryCompanyOffset, kCompanySlotBytes, trip.deliveryCompany);
        WriteSlotText(image, kReceivingCompanyOffset, kCompanySlotBytes, trip.receivingCompany);
        WriteSlotText(image, kTransportCompanyOffset, kCompanySlotBytes, trip.transportCompany);
        WriteSlotText(image, kTransportNumberOffset, kTransportNumberSlotBytes,
                      trip.transportNumber);
        const ArchiveStoreResult stored = StoreInArchive(folder, image, SleepFor);
        if (stored.status == ArchiveStoreResult::Status::Failed)
            break;  // an unwritable folder: the demo goes on with what is there
        written.push_back(stored.path);
    }
    return written;
}

}  // namespace velka
