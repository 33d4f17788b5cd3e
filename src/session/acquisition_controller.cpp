#include "session/acquisition_controller.h"

#include "config/settings_write.h"
#include "record/local_time.h"
#include "session/archive_file_name.h"
#include "storage/file_io.h"
#include "storage/reference_files.h"

namespace velka {
namespace {

constexpr const char* kFirstNoticeText = "Detection of device insertion, data reading...";
constexpr const char* kFirstNoticeCaption = "Data reading";
constexpr const char* kSecondNoticeText = "Detection of device insertion, Data read completed";
constexpr const char* kSecondNoticeCaption = "Data read completed";
constexpr const char* kReadFailedText = "Data read FAILED";
constexpr const char* kArchiveFailedText = "Archive save FAILED";
constexpr const char* kEraseFailedText = "Erase FAILED";
constexpr const char* kConnectLoggerText = "Please make sure device is connected correctly";
constexpr const char* kErrorCaption = "Error";
constexpr const char* kWarningCaption = "Warning";

}  // namespace

AcquisitionController::AcquisitionController(HidDeviceProvider& provider, MessageService& messages,
                                             const Clock& clock, DataRoot dataRoot,
                                             const ReferenceTables& tables, int noticeTimeoutMs,
                                             DeviceLinkOptions linkOptions)
    : link_(provider, std::move(linkOptions)), messages_(messages), clock_(clock),
      dataRoot_(std::move(dataRoot)), tables_(tables), noticeTimeoutMs_(noticeTimeoutMs) {
    recording_.settings = InitialSettings(clock_.Now());
}

void AcquisitionController::ResetForArrival() {
    link_.ResetForArrival();
    readLogger_ = {};
    // The parameter page's fields: every text emptied and its calibration copies zeroed; the
    // selections, the limits and the product list stay.
    LoggerSettings& settings = recording_.settings;
    settings.serialText.clear();
    settings.logCycleText.clear();
    settings.deliveryCompany.clear();
    settings.receivingCompany.clear();
    settings.transportCompany.clear();
    settings.transportNumber.clear();
    settings.calibrationA = 0;
    settings.calibrationB = 0;
    calibrationA_ = 0;
    // A failed read must leave the chart empty, not showing the previous logger's record.
    recording_.record.samples.clear();
    observer_->RecordCleared();
}

ResultCode AcquisitionController::ArrivalSequence() {
    ResetForArrival();
    messages_.ShowTimedNotice(kFirstNoticeText, kFirstNoticeCaption, noticeTimeoutMs_);
    const ResultCode result = Acquire();
    // A logger that could not be opened still gets both notices; one that was opened but not
    // read through must not be reported as read.
    if (result == kResultSuccess || result == kResultNoLogger)
        messages_.ShowTimedNotice(kSecondNoticeText, kSecondNoticeCaption, noticeTimeoutMs_);
    else
        messages_.ShowMessage(kReadFailedText, kErrorCaption, MessageIcon::Error);
    observer_->HistoryRefreshRequested();
    return result;
}

ResultCode AcquisitionController::Acquire() {
    lastArchive_ = {};
    if (link_.OpenDevice() != kResultSuccess) {
        link_.CloseDevice();
        link_.SetDevicePresent(false);
        observer_->LoggerDetached();
        return kResultNoLogger;
    }
    link_.SetDevicePresent(true);

    // Read into a copy: only a complete read replaces the image, so a broken transfer can
    // neither be archived over a good file nor decoded into a mixed record.
    LoggerImage read = image_;
    const ResultCode result = link_.ReadImage(read);
    link_.CloseDevice();
    if (result != kResultSuccess) {
        link_.SetDevicePresent(false);
        observer_->LoggerDetached();
        return result;
    }
    image_ = read;

    // Known before the settings are announced: the parameter page's lock rule reads it then.
    readLogger_ = {ReadU32(image_, kSerialNumberOffset), image_[kWriteProtectFlagOffset]};
    LoadSettingsFromImage();
    observer_->LoggerAttached();
    ArchiveImage();
    DecodeRecord();
    LoadProducts();
    return kResultSuccess;
}

bool AcquisitionController::LoadStoredImage(const std::filesystem::path& path) {
    // Only the first 16,384 bytes of a longer file are read; a shorter one leaves the rest of
    // the image as it was.
    if (!ReadImageFile(path, image_))
        return false;
    LoadSettingsFromImage();
    DecodeRecord();
    LoadProducts();
    return true;
}

bool AcquisitionController::ImportStoredImage(const std::filesystem::path& path) {
    if (!ReadImageFile(path, image_))
        return false;
    CopyTransportFields(DecodeSettings(image_, recording_.currentTable, clock_.Now()),
                        recording_.settings);
    observer_->SettingsChanged();
    LoadProducts();
    return true;
}

ResultCode AcquisitionController::WriteSettings(const LoggerSettings& settings) {
    ApplySettingsToImage(settings, image_, recording_.currentTable, clock_.Now());
    recording_.settings = settings;
    const ResultCode result = link_.WriteSettings(image_);
    observer_->SettingsWritten(result == kResultSuccess);
    return result;
}

void AcquisitionController::HandleShowChartRequest() {
    observer_->ChartPageRequested();
}

EraseOutcome AcquisitionController::HandleEraseRequest() {
    const EraseOutcome outcome = link_.EraseRecord(image_);
    if (!outcome.opened)
        messages_.ShowMessage(kConnectLoggerText, kWarningCaption, MessageIcon::Warning);
    else if (outcome.result != kResultSuccess)
        messages_.ShowMessage(kEraseFailedText, kErrorCaption, MessageIcon::Error);
    return outcome;
}

void AcquisitionController::HandleDeviceEvent(const DeviceEvent& event) {
    if (event.kind == HotplugDecision::LoggerArrived)
        ArrivalSequence();
    else if (event.kind == HotplugDecision::LoggerRemoved)
        HandleRemoval(event.devnode);
}

void AcquisitionController::HandleRemoval(const std::string& devnode) {
    // Device paths are case-sensitive here: the node is compared as it is.
    if (link_.devicePath().empty() || devnode.empty() || link_.devicePath() != devnode)
        return;
    link_.SetDevicePresent(false);
    observer_->LoggerDetached();
}

void AcquisitionController::LoadSettingsFromImage() {
    // The products stay until the product table is parsed, after the decode.
    std::vector<ProductRecord> products = std::move(recording_.settings.products);
    const int tableUsedBytes = recording_.settings.tableUsedBytes;
    recording_.settings = DecodeSettings(image_, recording_.currentTable, clock_.Now());
    recording_.settings.products = std::move(products);
    recording_.settings.tableUsedBytes = tableUsedBytes;
    calibrationA_ = recording_.settings.calibrationA;
    calibrationB_ = recording_.settings.calibrationB;
    observer_->SettingsChanged();
}

void AcquisitionController::ArchiveImage() {
    const LoggerSettings& settings = recording_.settings;
    // A logger that was never set up holds no recording worth keeping.
    if (settings.serialText.empty() || settings.clockSetTime == 0)
        return;
    const std::filesystem::path folder = dataRoot_.DataDirectory();
    const std::filesystem::path path =
        folder / ArchiveFileName(settings.serialText, recording_.StartTime());
    lastArchive_.path = path;
    if (!EnsureDirectory(folder) || WriteFileAtomically(path, image_)) {
        lastArchive_.status = ArchiveOutcome::Status::Failed;
        messages_.ShowMessage(kArchiveFailedText, kErrorCaption, MessageIcon::Error);
        return;
    }
    lastArchive_.status = ArchiveOutcome::Status::Saved;
}

void AcquisitionController::DecodeRecord() {
    recording_.currentTable = BuildCurrentTable(tables_, calibrationA_, calibrationB_);
    // current.txt is for inspection only; failing to write it is silent.
    WriteCurrentTable(dataRoot_, recording_.currentTable);
    LoggerSettings& settings = recording_.settings;
    settings.lowerLimit = LimitFromCode(settings.lowerLimitCode, recording_.currentTable);
    settings.upperLimit = LimitFromCode(settings.upperLimitCode, recording_.currentTable);
    recording_.record =
        DecodeImage(image_, recording_.currentTable, settings.lowerLimit, settings.upperLimit);
    observer_->RecordDecoded();
}

void AcquisitionController::LoadProducts() {
    ParsedProducts parsed = ParseImageProducts(image_);
    recording_.settings.products = std::move(parsed.products);
    recording_.settings.tableUsedBytes = parsed.tableUsedBytes;
    observer_->ProductsLoaded();
}

}  // namespace velka
